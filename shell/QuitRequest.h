#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace velmoran {

class Wmain;

// Ends the run for a request from outside the game (a termination signal),
// whatever is going on at that moment, the way the close box would once
// the player had finished: a sheet or question in front is answered with
// its cancel (the cheat warning with "Don't Cheat", the give-up question
// with No), an animation is cut short as a mouse press cuts it, and once
// nothing runs any more, `closeGame` saves and quits. A message that comes
// up meanwhile (a failed save) is answered too.
class QuitRequest : public QObject {
  Q_OBJECT
 public:
  QuitRequest(Wmain& wmain, std::function<void()> closeGame, QObject* parent = nullptr);
  ~QuitRequest() override;

  void start();

 private:
  void step();

  Wmain& wmain_;
  std::function<void()> closeGame_;
  QTimer steps_;
  bool closing_ = false;
};

}  // namespace velmoran
