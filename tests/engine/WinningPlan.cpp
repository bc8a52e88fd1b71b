// Reads a saved Easy game with the kings still in the hand and prints the
// mouse actions that win it with the square plan, one a line:
//   drag FROM_X FROM_Y TO_X TO_Y   a card dragged between board places
//   deal X Y                       a click on a free hand slot
//   undo                           Edit > Undo
// The move that first brings an automatic deal after the sixth move is
// undone with its deal and played again, so the run also undoes across a
// deal. scripts/play-by-mouse plays the actions on a real window.
#include <fstream>
#include <iostream>
#include <sstream>

#include "engine/NullTable.h"
#include "engine/PrefsFile.h"
#include "tests/engine/SquarePlan.h"

namespace velmoran::testing {
namespace {

class PlanPrinter {
 public:
  explicit PlanPrinter(MainRoutines& game) : game_(game), plan_(game) {}

  // False when the plan gets stuck.
  bool playToTheEnd() {
    for (int step = 0; step < 400 && !game_.gVictory; ++step) {
      if (const auto move = plan_.choose()) {
        if (!play(*move)) return false;
        continue;
      }
      const auto slot = plan_.freeSlot();
      if (!slot || game_.press(*slot, handRow) != PressOutcome::DealOnRelease) return false;
      game_.deal();
      std::cout << "deal " << *slot << ' ' << handRow << '\n';
    }
    return game_.gVictory;
  }

 private:
  // False when the game refuses the move: the actions printed so far would
  // no longer match the game.
  bool play(const SquarePlan::HandMove& move) {
    const int deckBefore = game_.gDeckPtr;
    if (!drop(move)) return false;
    ++moves_;
    if (undoneAcrossADeal_ || moves_ <= 6 || game_.gDeckPtr == deckBefore) return true;
    undoneAcrossADeal_ = true;
    if (game_.editUndo()) return false;  // true: nothing was undone
    std::cout << "undo\n";
    return drop(move);
  }

  bool drop(const SquarePlan::HandMove& move) {
    const auto [x, y] = move.to;
    if (game_.press(move.fromColumn, handRow) != PressOutcome::PickUp ||
        game_.dropCard(move.card, move.fromColumn, handRow, x, y) != DropResult::Played)
      return false;
    std::cout << "drag " << move.fromColumn << ' ' << handRow << ' ' << x << ' ' << y << '\n';
    return true;
  }

  MainRoutines& game_;
  SquarePlan plan_;
  int moves_ = 0;
  bool undoneAcrossADeal_ = false;
};

int run(const char* path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  NullTable table;
  SystemRandom random(1);
  MainRoutines game(table, random);
  game.setAllDefaults();
  if (!applyPrefsText(game, text.str())) {
    std::cerr << path << ": not a saved game\n";
    return 2;
  }
  if (!PlanPrinter(game).playToTheEnd()) {
    std::cerr << "the plan got stuck with " << game.gNumBooks << " books\n";
    return 1;
  }
  return 0;
}

}  // namespace
}  // namespace velmoran::testing

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: winning_plan PREFERENCES_FILE\n";
    return 2;
  }
  return velmoran::testing::run(argv[1]);
}
