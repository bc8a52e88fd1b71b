// Reading, checking and restoring the game in progress from the preferences file.
#include "engine/PrefsSavedGame.h"

#include <algorithm>

#include "engine/PrefsLayout.h"

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

constexpr int lastBooksRow = bookRow(booksToWin);
bool isBooksPlace(int x, int y) {
  return x >= firstHandColumn && x <= lastHandColumn && y >= firstBooksRow && y <= lastBooksRow;
}
int bookRankAt(int x, int y) { return (y - firstBooksRow) * 4 + (x - firstHandColumn) + 1; }

// Every card of the pack lies in exactly one place: on the grid that is
// played, in the hand, among the cards still to be dealt, or in a book the
// books area shows; and nothing lies anywhere else. A face-down hand card
// only marks a slot the next deal fills; a deal that runs out of cards
// leaves the slots after the last card face down, so there may be more of
// them than cards left.
bool cardsAddUp(const Board& board, int deckPtr, int numBooks, const Deck& deck,
                const MainRoutines& settings) {
  std::array<int, 53> found{};
  int books = 0;
  for (int x = 1; x < boardColumns; ++x) {
    for (int y = 1; y < boardRows; ++y) {
      const int code = board[x][y];
      const bool faceDownInHand = isHandPlace(x, y) && code == cardBackCode;
      if (isCounterPlace(x, y) || code == emptyCode || faceDownInHand) continue;
      if (isBooksPlace(x, y)) {
        const int r = bookRankAt(x, y);
        if (code != r) return false;
        ++books;
        for (int s = 0; s < 4; ++s) ++found[s * 13 + r];
      } else if (isCard(code) && (isHandPlace(x, y) || settings.inActiveGrid(x, y))) {
        ++found[code];
      } else {
        return false;
      }
    }
  }
  for (int i = deckPtr; i <= deckSize; ++i) ++found[deck[i]];
  return books == numBooks &&
         std::all_of(found.begin() + 1, found.end(), [](int n) { return n == 1; });
}

// Entries 1..48 hold each card but the kings exactly once.
bool validDeck(const Deck& deck) {
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

bool readDeck(const PrefsLines& lines, int moves, Deck& deck) {
  for (int i = 1; i <= deckSize; ++i) {
    const auto card = lines.integer(tailLine(deckFirstLine, moves) + i - 1);
    if (!card) return false;
    deck[i] = *card;
  }
  return true;
}

// A file the game wrote ends with the line the move count says is its last;
// lines of text beyond it mean the count is wrong.
bool endsWhereItShould(const PrefsLines& lines, int moves) {
  for (int n = fileLines(moves) + 1; n <= lines.count(); ++n) {
    if (lines.at(n).find_first_not_of(" \t") != std::string_view::npos) return false;
  }
  return true;
}

}  // namespace

std::optional<SavedTail> readTail(const PrefsLines& lines, int moves) {
  if (!within(moves, 0, maxMoves) || lines.count() < tailLine(cheatDeckPtrLine, moves) ||
      !endsWhereItShould(lines, moves)) {
    return std::nullopt;
  }
  SavedTail tail;
  const auto deckPtr = readWithin(lines, tailLine(deckPtrLine, moves), 0, deckSize + 1);
  const auto numBooks = readWithin(lines, tailLine(numBooksLine, moves), 0, booksToWin);
  const auto cheatDeckPtr = readWithin(lines, tailLine(cheatDeckPtrLine, moves), 0, deckSize);
  if (!deckPtr || !numBooks || !cheatDeckPtr || !readDeck(lines, moves, tail.deck)) {
    return std::nullopt;
  }
  // Before the first game the deck is still empty.
  if (*deckPtr != 0 && !validDeck(tail.deck)) return std::nullopt;
  tail.deckPtr = *deckPtr;
  tail.numBooks = *numBooks;
  tail.cheatDeckPtr = *cheatDeckPtr;
  return tail;
}

std::optional<SavedGame> readSavedGame(const PrefsLines& lines, int moves, const SavedTail& tail,
                                       const MainRoutines& settings) {
  SavedGame saved;
  saved.tail = tail;
  Board& board = saved.board;
  if (tail.deckPtr == 0 || !readBoard(lines, boardLine(1, 1), board) ||
      !within(board[gapColumn][booksCountRow], 0, booksToWin) ||
      !within(board[gapColumn][deckPositionRow], 0, deckSize + 1) ||
      !cardsAddUp(board, tail.deckPtr, tail.numBooks, tail.deck, settings)) {
    return std::nullopt;
  }
  // Each snapshot is a whole game too: the one an Undo would bring back.
  saved.snapshots.resize(moves + 1);
  for (int m = 1; m <= moves; ++m) {
    Board& snapshot = saved.snapshots[m];
    if (!readBoard(lines, undoLine(m, 1, 1), snapshot)) return std::nullopt;
    const int books = snapshot[gapColumn][booksCountRow];
    const int deckPtr = snapshot[gapColumn][deckPositionRow];
    if (!within(books, 0, booksToWin) || !within(deckPtr, 1, deckSize + 1) ||
        !cardsAddUp(snapshot, deckPtr, books, tail.deck, settings)) {
      return std::nullopt;
    }
  }

  // Copies only this file reads back; a bad one keeps its start value.
  saved.undoPtr = readWithin(lines, tailLine(undoPtrLine, moves), 0, deckSize + 1).value_or(1);
  saved.undoNumBooks =
      readWithin(lines, tailLine(undoNumBooksLine, moves), 0, booksToWin).value_or(0);

  saved.noOrphans = lines.boolean(tailLine(noOrphansLine, moves));
  saved.flashOrphans = lines.boolean(tailLine(flashOrphansLine, moves));
  saved.gameCounts = lines.boolean(tailLine(gameCountsLine, moves));
  saved.victory = lines.boolean(tailLine(victoryLine, moves));
  // The twelfth book ends the game won: a game with all the books out and
  // not won, or won without them, cannot be played on.
  if (saved.victory != (tail.numBooks == booksToWin)) return std::nullopt;
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
  r.gDeck = saved.tail.deck;
  r.gDeckPtr = saved.tail.deckPtr;
  r.gNumBooks = saved.tail.numBooks;
  r.gCheatDeckPtr = saved.tail.cheatDeckPtr;
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
