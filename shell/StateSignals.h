#pragma once

#include <QObject>

#include "engine/StateListener.h"

namespace velmoran {

// The game's announcements of what changed, as Qt signals, so that any
// window can follow them with a connection.
class StateSignals : public QObject, public StateListener {
  Q_OBJECT
 public:
  using QObject::QObject;

  void onSettingsChanged() override { emit settingsChanged(); }
  void onStatisticsChanged() override { emit statisticsChanged(); }
  void onGameStateChanged() override { emit gameStateChanged(); }
  void onMoveEnded() override { emit moveEnded(); }

 signals:
  void settingsChanged();
  void statisticsChanged();
  void gameStateChanged();
  void moveEnded();
};

}  // namespace velmoran
