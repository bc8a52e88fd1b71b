#include "tests/prefs/SavedGames.h"

#include <algorithm>
#include <random>
#include <sstream>
#include <vector>

namespace velmoran::testing {

namespace {

// Place i of the 12 x 7 grid in reading order.
int& gridPlace(MainRoutines& r, int i) { return r.gPlayingGrid[1 + i % 12][2 + i / 12]; }

int nextCard(MainRoutines& r) { return r.gDeckPtr <= deckSize ? r.gDeck[r.gDeckPtr++] : emptyCode; }

}  // namespace

// Each move lays the next card of the deck on the next grid place; once the
// deck is used up one card moves back and forth, as when reattaching orphans.
std::unique_ptr<Fixture> gameAfterMoves(int moves) {
  auto fixture = std::make_unique<Fixture>();
  MainRoutines& r = fixture->routines;
  r.game = 2;
  r.grid = 3;
  r.gKings = 6;
  r.delaySpeed = 73;
  r.gCardBackNumber = 17;
  r.gSound = r.gAutoDeal = false;
  r.gShowStats = r.gCheated = r.gGameCounts = true;
  r.setActiveGrid();
  r.stats = {.noCheatWins = 3,
             .wins = 5,
             .losses = 11,
             .easyNoCheatWins = 2,
             .easyWins = 7,
             .easyLosses = 1000000};

  std::vector<int> cards;
  for (int card = 1; card <= 52; ++card) {
    if (!isKing(card)) cards.push_back(card);
  }
  std::shuffle(cards.begin(), cards.end(), std::mt19937(42));
  // The four aces were dealt first and already make the first book.
  std::stable_partition(cards.begin(), cards.end(), [](int card) { return rank(card) == 1; });
  std::copy(cards.begin(), cards.end(), r.gDeck.begin() + 1);
  r.gDeckPtr = 5;
  for (int k = 0; k < 4; ++k) gridPlace(r, 76 + k) = 13 * (k + 1);  // kings on the last row
  r.gPlayingGrid[bookColumn(1)][bookRow(1)] = 1;
  r.gNumBooks = 1;

  int placed = 0;
  for (int m = 1; m <= moves; ++m) {
    r.undoGrid[m] = r.gPlayingGrid;
    r.undoGrid[m][gapColumn][1] = r.gNumBooks;
    r.undoGrid[m][gapColumn][2] = r.gDeckPtr;
    if (const int card = nextCard(r); card != emptyCode) {
      gridPlace(r, placed++) = card;
    } else {
      std::swap(gridPlace(r, placed - 1), gridPlace(r, placed));
    }
    r.moveNumber = m;
    r.undoPtr = r.gDeckPtr;
    r.undoNumBooks = r.gNumBooks;
  }
  // The hand, one card still face down, and the counters an Undo leaves.
  for (int x = firstHandColumn; x < lastHandColumn; ++x) r.gPlayingGrid[x][handRow] = nextCard(r);
  if (r.gDeckPtr <= deckSize) r.gPlayingGrid[lastHandColumn][handRow] = cardBackCode;
  r.gPlayingGrid[gapColumn][1] = 1;
  r.gPlayingGrid[gapColumn][2] = 9;
  r.gUndoOk = moves > 0;
  r.gNoOrphans = false;
  r.gCheatDeckPtr = 5;
  return fixture;
}

void finishWon(MainRoutines& r) {
  for (int x = 1; x < boardColumns; ++x) {
    for (int y = 1; y < boardRows; ++y) {
      int& place = r.gPlayingGrid[x][y];
      if (x != gapColumn && !isKing(place)) place = emptyCode;
    }
  }
  for (int rank = 1; rank <= booksToWin; ++rank) {
    r.gPlayingGrid[bookColumn(rank)][bookRow(rank)] = rank;
  }
  r.gNumBooks = booksToWin;
  r.gDeckPtr = deckSize + 1;
  r.gVictory = true;
  r.gUndoOk = false;
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
