// Shows one dialog on a real display for a look or a screenshot:
// dialog_shots cheat|cheat-ticked|stats|splash|about
#include <QApplication>
#include <QCheckBox>

#include "tests/dialogs/GameFixture.h"
#include "dialogs/Wabout.h"
#include "dialogs/Wcheat.h"
#include "dialogs/Wsplash.h"
#include "dialogs/Wstats.h"

using namespace velmoran;

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  testing::GameFixture game;
  game.routines.stats = {12, 3, 140, 7, 0, 1};
  const QString which = argc > 1 ? argv[1] : "about";
  QWidget* window = nullptr;
  if (which.startsWith("cheat")) {
    auto* sheet = new Wcheat(game.routines, nullptr);
    sheet->setMessage(
        "Playing from the hand when there are orphaned cards in the grid is "
        "considered \"cheating\".");
    sheet->CBalwaysCheat->setChecked(which == "cheat-ticked");
    window = sheet;
  } else if (which == "stats") {
    auto* stats = new Wstats(game.routines, nullptr);
    stats->updateDisplay();
    window = stats;
  } else if (which == "splash") {
    window = new Wsplash(game.routines);
  } else {
    window = new Wabout;
  }
  window->move(100, 100);
  window->show();
  return QApplication::exec();
}
