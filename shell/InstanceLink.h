#pragma once

#include <QString>
#include <functional>

class QObject;

// The messages between running copies of the game, over a local socket only
// this user can reach. They live in a module of their own
// (velmoran_instance_link), loaded once the splash shows: Qt Network and
// the libraries it needs would otherwise be mapped before the splash.
namespace velmoran {

// Listens under name for as long as owner lives, and for each later start
// runs comeForward, then answers it. A socket left under name by a copy
// that crashed is removed first. False when nothing can listen there.
using ListenForLaterStarts = bool (*)(const QString& name, QObject* owner,
                                      std::function<void()> comeForward);
inline constexpr const char* listenForLaterStartsSymbol = "velmoranListenForLaterStarts";

// From a later start: asks the copy listening under name to come forward.
// True when it answered, each step within waitMilliseconds.
using AskToComeForward = bool (*)(const QString& name, int waitMilliseconds);
inline constexpr const char* askToComeForwardSymbol = "velmoranAskToComeForward";

}  // namespace velmoran
