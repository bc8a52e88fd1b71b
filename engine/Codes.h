#pragma once

// Card, place and drawing codes, and the regions of the board.
//
// A card is suit x 13 + rank: suit 0 to 3 (the row of the card-face sheet),
// rank 1 (ace) to 13 (king). A board place holds a card, emptyCode or, in a
// hand slot, cardBackCode. The drawing routine also takes highlightCode and
// a card + dimmedOffset; those two are never stored on the board.

namespace velmoran {

inline constexpr int emptyCode = 0;
inline constexpr int cardBackCode = 200;
inline constexpr int highlightCode = 300;
inline constexpr int dimmedOffset = 300;  // dimmedCardCode = card + dimmedOffset

inline constexpr int kingRank = 13;
inline constexpr int booksToWin = 12;
inline constexpr int deckSize = 48;  // every card but the kings
inline constexpr int maxMoves = 100; // undo snapshots kept

// Board columns 0..17 by rows 0..9; column 0 and row 0 are never used.
inline constexpr int boardColumns = 18;
inline constexpr int boardRows = 10;
inline constexpr int gapColumn = 13;
inline constexpr int firstHandColumn = 14;
inline constexpr int lastHandColumn = 17;
inline constexpr int handRow = 5;
inline constexpr int firstBooksRow = 7;

// (card - 1) mod 13 + 1 with a truncating remainder: rank(0) = 0, rank(200) = 5.
constexpr int rank(int card) { return (card - 1) % 13 + 1; }

// (card - 1) / 13 truncated toward zero: suit(0) = 0, suit(200) = 15.
constexpr int suit(int card) { return (card - 1) / 13; }

constexpr bool isCard(int code) { return code >= 1 && code <= 52; }
constexpr bool isKing(int code) { return isCard(code) && rank(code) == kingRank; }
constexpr bool isHandPlace(int x, int y) {
  return y == handRow && x >= firstHandColumn && x <= lastHandColumn;
}

// Where the book of rank r is shown.
constexpr int bookColumn(int r) { return firstHandColumn + (r - 1) % 4; }
constexpr int bookRow(int r) { return firstBooksRow + (r - 1) / 4; }

}  // namespace velmoran
