#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace velmoran {

class Wmain;

// Ends the run at once, whatever is going on at that moment: an animation
// is cut short as a mouse press cuts it, the sounds it waits for are
// stopped, and once nothing runs any more, `closeGame` saves and quits.
// Asked from outside the game (a termination signal), nobody may be there
// to answer: a sheet or question in front is answered with its cancel (the
// cheat warning with "Don't Cheat", the give-up question with No), and so
// is a message that comes up meanwhile (a failed save). Asked by the player
// (Quit or the close box during an animation), what comes up is the
// player's to answer.
class QuitRequest : public QObject {
  Q_OBJECT
 public:
  enum class Asker { Player, Outside };

  QuitRequest(Wmain& wmain, std::function<void()> closeGame, QObject* parent = nullptr);
  ~QuitRequest() override;

  // A request of the player's, asked again from outside, answers from
  // then on as one from outside.
  void start(Asker asker);

 private:
  void step();

  Wmain& wmain_;
  std::function<void()> closeGame_;
  QTimer steps_;
  Asker asker_ = Asker::Player;
  bool closing_ = false;
};

}  // namespace velmoran
