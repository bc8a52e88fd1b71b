#include "SavedGames.h"

#include <algorithm>
#include <random>
#include <sstream>
#include <vector>

namespace velmoran::testing {

namespace {

// Plays cards from the hand onto free places of the 12 x 7 grid in reading
// order, dealing four more when the hand is empty, and once the deck is used
// up moves grid cards along. Aces go straight to their book.
class Player {
 public:
  explicit Player(MainRoutines& r) : r_(r) {}

  void move() {
    if (handEmpty()) dealHand();
    for (int x = firstHandColumn; x <= lastHandColumn; ++x) {
      int& slot = r_.gPlayingGrid[x][handRow];
      if (slot != emptyCode) {
        std::swap(slot, freePlace());
        return;
      }
    }
    // Nothing left to deal: slide the newest grid card to a free place.
    std::swap(lastGridCard(), freePlace());
  }

  void dealHand() {
    for (int x = firstHandColumn; x <= lastHandColumn && r_.gDeckPtr <= deckSize; ++x) {
      const int card = r_.gDeck[r_.gDeckPtr++];
      if (rank(card) == 1) continue;  // its book is already done
      r_.gPlayingGrid[x][handRow] = card;
    }
  }

 private:
  bool handEmpty() const {
    for (int x = firstHandColumn; x <= lastHandColumn; ++x) {
      if (r_.gPlayingGrid[x][handRow] != emptyCode) return false;
    }
    return true;
  }
  int& freePlace() {
    return findGridPlace([](int code) { return code == emptyCode; });
  }
  int& lastGridCard() {
    return findGridPlace([](int code) { return isCard(code); }, true);
  }

  template <typename Test>
  int& findGridPlace(Test test, bool fromEnd = false) {
    for (int i = 0; i < 12 * 7; ++i) {
      const int k = fromEnd ? 12 * 7 - 1 - i : i;
      int& place = r_.gPlayingGrid[1 + k % 12][2 + k / 12];
      if (test(place)) return place;
    }
    return r_.gPlayingGrid[0][0];
  }

  MainRoutines& r_;
};

void setUpUnusualSettings(MainRoutines& r) {
  r.game = 2;
  r.grid = 3;
  r.gKings = 6;
  r.delaySpeed = 73;
  r.gCardBackNumber = 17;
  r.gSound = false;
  r.gShowStats = true;
  r.gAutoDeal = false;
  r.setActiveGrid();
  r.stats = {.noCheatWins = 3,
             .wins = 5,
             .losses = 11,
             .easyNoCheatWins = 2,
             .easyWins = 7,
             .easyLosses = 1000000};
}

void shuffleDeck(MainRoutines& r) {
  std::vector<int> cards;
  for (int card = 1; card <= 52; ++card) {
    if (!isKing(card)) cards.push_back(card);
  }
  std::shuffle(cards.begin(), cards.end(), std::mt19937(42));
  std::copy(cards.begin(), cards.end(), r.gDeck.begin() + 1);
  r.gDeckPtr = 1;
}

}  // namespace

std::unique_ptr<Fixture> gameAfterMoves(int moves) {
  auto fixture = std::make_unique<Fixture>();
  MainRoutines& r = fixture->routines;
  setUpUnusualSettings(r);
  shuffleDeck(r);
  for (int k = 0; k < 4; ++k) r.gPlayingGrid[5 + k][5] = 13 * (k + 1);  // the kings
  r.gPlayingGrid[bookColumn(1)][bookRow(1)] = 1;                        // aces booked
  r.gNumBooks = 1;
  r.gGameCounts = true;
  Player player(r);
  player.dealHand();
  for (int m = 1; m <= moves; ++m) {
    r.undoGrid[m] = r.gPlayingGrid;
    r.undoGrid[m][gapColumn][1] = r.gNumBooks;
    r.undoGrid[m][gapColumn][2] = r.gDeckPtr;
    player.move();
    r.moveNumber = m;
    r.undoPtr = r.gDeckPtr;
    r.undoNumBooks = r.gNumBooks;
  }
  // As after an Undo and a face-down deal.
  r.gPlayingGrid[gapColumn][1] = 1;
  r.gPlayingGrid[gapColumn][2] = 9;
  if (r.gPlayingGrid[lastHandColumn][handRow] == emptyCode) {
    r.gPlayingGrid[lastHandColumn][handRow] = cardBackCode;
  }
  r.gUndoOk = moves > 0;
  r.gCheated = true;
  r.gNoOrphans = false;
  r.gCheatDeckPtr = 5;
  return fixture;
}

namespace {

std::vector<std::string> split(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string join(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + '\n';
  return text;
}

}  // namespace

std::string lineOf(const std::string& text, int n) { return split(text).at(n - 1); }

std::string withLine(const std::string& text, int n, const std::string& value) {
  auto lines = split(text);
  lines.at(n - 1) = value;
  return join(lines);
}

std::string firstLines(const std::string& text, int n) {
  auto lines = split(text);
  lines.resize(std::min<std::size_t>(lines.size(), n));
  return join(lines);
}

}  // namespace velmoran::testing
