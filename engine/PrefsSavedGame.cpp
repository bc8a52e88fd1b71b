// Reading, checking and restoring the game in progress from the preferences file.
#include "PrefsSavedGame.h"

#include <algorithm>

#include "PrefsLayout.h"

namespace velmoran::prefsReading {

using namespace prefsLayout;

namespace {

bool within(int value, int low, int high) { return value >= low && value <= high; }

// The books count and deck position that an undo snapshot keeps in the gap
// column; an Undo copies them onto the board, where no rule reads them.
constexpr int booksCountRow = 1;
constexpr int deckPositionRow = 2;
bool isCounterPlace(int x, int y) {
  return x == gapColumn && (y == booksCountRow || y == deckPositionRow);
}

bool validPlaceCode(int code, int x, int y) {
  return code == emptyCode || isCard(code) || (code == cardBackCode && isHandPlace(x, y));
}

// Every place holds a valid code and no card lies twice.
bool validPlaces(const Board& board) {
  std::array<bool, 53> seen{};
  for (int x = 1; x < boardColumns; ++x) {
    for (int y = 1; y < boardRows; ++y) {
      if (isCounterPlace(x, y)) continue;
      const int code = board[x][y];
      if (!validPlaceCode(code, x, y)) return false;
      if (isCard(code)) {
        if (seen[code]) return false;
        seen[code] = true;
      }
    }
  }
  return true;
}

bool validBoard(const Board& board) {
  return validPlaces(board) && within(board[gapColumn][booksCountRow], 0, booksToWin) &&
         within(board[gapColumn][deckPositionRow], 0, deckSize + 1);
}

bool validSnapshot(const Board& snapshot) {
  return validPlaces(snapshot) && within(snapshot[gapColumn][booksCountRow], 0, booksToWin) &&
         within(snapshot[gapColumn][deckPositionRow], 1, deckSize + 1);
}

// Entries 1..48 hold each card but the kings exactly once.
bool validDeck(const std::array<int, deckSize + 1>& deck) {
  std::array<bool, 53> seen{};
  for (int i = 1; i <= deckSize; ++i) {
    const int card = deck[i];
    if (!isCard(card) || isKing(card) || seen[card]) return false;
    seen[card] = true;
  }
  return true;
}

bool readBoard(const PrefsLines& lines, int firstLine, Board& board) {
  for (int x = 1; x < boardColumns; ++x) {
    for (int y = 1; y < boardRows; ++y) {
      const auto code = lines.integer(placeLine(firstLine, x, y));
      if (!code) return false;
      board[x][y] = *code;
    }
  }
  return true;
}

// An Integer of the file within low..high, or nothing.
std::optional<int> readWithin(const PrefsLines& lines, int line, int low, int high) {
  const auto value = lines.integer(line);
  if (value && within(*value, low, high)) return value;
  return std::nullopt;
}

bool readDeck(const PrefsLines& lines, int moves, std::array<int, deckSize + 1>& deck) {
  for (int i = 1; i <= deckSize; ++i) {
    const auto card = lines.integer(tailLine(deckFirstLine, moves) + i - 1);
    if (!card) return false;
    deck[i] = *card;
  }
  return validDeck(deck);
}

}  // namespace

std::optional<SavedGame> readSavedGame(const PrefsLines& lines, int moves) {
  if (!within(moves, 0, maxMoves) || lines.count() < tailLine(cheatDeckPtrLine, moves)) {
    return std::nullopt;
  }
  SavedGame saved;
  if (!readBoard(lines, boardLine(1, 1), saved.board) || !validBoard(saved.board)) {
    return std::nullopt;
  }
  saved.snapshots.resize(moves + 1);
  for (int m = 1; m <= moves; ++m) {
    if (!readBoard(lines, undoLine(m, 1, 1), saved.snapshots[m]) ||
        !validSnapshot(saved.snapshots[m])) {
      return std::nullopt;
    }
  }
  if (!readDeck(lines, moves, saved.deck)) return std::nullopt;

  const auto deckPtr = readWithin(lines, tailLine(deckPtrLine, moves), 0, deckSize + 1);
  const auto numBooks = readWithin(lines, tailLine(numBooksLine, moves), 0, booksToWin);
  const auto cheatDeckPtr = readWithin(lines, tailLine(cheatDeckPtrLine, moves), 0, deckSize);
  if (!deckPtr || !numBooks || !cheatDeckPtr) return std::nullopt;
  saved.deckPtr = *deckPtr;
  saved.numBooks = *numBooks;
  saved.cheatDeckPtr = *cheatDeckPtr;

  // Copies only this file reads back; a bad one keeps its start value.
  saved.undoPtr = readWithin(lines, tailLine(undoPtrLine, moves), 0, deckSize + 1).value_or(1);
  saved.undoNumBooks =
      readWithin(lines, tailLine(undoNumBooksLine, moves), 0, booksToWin).value_or(0);

  saved.noOrphans = lines.boolean(tailLine(noOrphansLine, moves));
  saved.flashOrphans = lines.boolean(tailLine(flashOrphansLine, moves));
  saved.gameCounts = lines.boolean(tailLine(gameCountsLine, moves));
  saved.victory = lines.boolean(tailLine(victoryLine, moves));
  saved.cheated = lines.boolean(tailLine(cheatedLine, moves));
  // Undo needs a move to take back, and a won game stays won.
  saved.undoOk = lines.boolean(tailLine(undoOkLine, moves)) && moves >= 1 && !saved.victory;
  return saved;
}

void restoreSavedGame(MainRoutines& r, const SavedGame& saved) {
  r.gPlayingGrid = saved.board;
  r.undoGrid = {};
  std::copy(saved.snapshots.begin() + 1, saved.snapshots.end(), r.undoGrid.begin() + 1);
  r.moveNumber = saved.moveNumber();
  r.gDeck = saved.deck;
  r.gDeckPtr = saved.deckPtr;
  r.gNumBooks = saved.numBooks;
  r.gCheatDeckPtr = saved.cheatDeckPtr;
  r.undoPtr = saved.undoPtr;
  r.undoNumBooks = saved.undoNumBooks;
  r.gNoOrphans = saved.noOrphans;
  r.gUndoOk = saved.undoOk;
  r.gFlashOrphans = saved.flashOrphans;
  r.gGameCounts = saved.gameCounts;
  r.gVictory = saved.victory;
  r.gCheated = saved.cheated;
}

void clearSavedGame(MainRoutines& r) {
  SavedGame none;
  none.snapshots.resize(1);
  restoreSavedGame(r, none);
}

}  // namespace velmoran::prefsReading
