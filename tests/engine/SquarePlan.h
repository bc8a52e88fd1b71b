#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "engine/MainRoutines.h"

namespace velmoran::testing {

// A plan that wins the Easy game with the kings in the hand: each rank's
// book is built as a square of its own. The first card of a rank starts a
// fresh square beside any card it matches (a king, or a card of another
// square); the rest of the rank fill that square, which touches nothing
// else, and the Easy game takes it away once it is complete.
class SquarePlan {
 public:
  using Cell = std::pair<int, int>;
  struct HandMove {
    int card;
    int fromColumn;  // of the hand
    Cell to;
  };

  explicit SquarePlan(const MainRoutines& g) : g_(g) {}

  // The hand card to play next and where; none when no card fits the plan.
  // A card that starts a square reserves the square's other places.
  std::optional<HandMove> choose() {
    std::erase_if(squares_, [&](const Square& sq) {
      return g_.gPlayingGrid[bookColumn(sq.rank)][bookRow(sq.rank)] == sq.rank;
    });
    for (int c = firstHandColumn; c <= lastHandColumn; ++c) {
      const int card = g_.gPlayingGrid[c][handRow];
      if (!isCard(card)) continue;
      const auto to = isKing(card) ? std::optional(kingPlace(card / 13)) : placeFor(card);
      if (to) return HandMove{card, c, *to};
    }
    return std::nullopt;
  }

  // The hand slot a press deals from: the first that holds no card.
  std::optional<int> freeSlot() const {
    for (int c = firstHandColumn; c <= lastHandColumn; ++c)
      if (!isCard(g_.gPlayingGrid[c][handRow])) return c;
    return std::nullopt;
  }

 private:
  struct Square {
    int rank;
    Cell topLeft;
  };
  static Cell kingPlace(int k) { return {k % 2 ? 3 : 10, k <= 2 ? 3 : 7}; }
  static std::array<Cell, 4> cells(Cell tl) {
    const auto [x, y] = tl;
    return {{{x, y}, {x + 1, y}, {x, y + 1}, {x + 1, y + 1}}};
  }
  static bool inside(Cell p, Cell tl) {
    return p.first >= tl.first && p.first <= tl.first + 1 && p.second >= tl.second &&
           p.second <= tl.second + 1;
  }
  int at(Cell p) const {
    return g_.inActiveGrid(p.first, p.second) ? g_.gPlayingGrid[p.first][p.second] : emptyCode;
  }
  static std::array<Cell, 4> around(Cell p) {
    const auto [x, y] = p;
    return {{{x, y - 1}, {x, y + 1}, {x - 1, y}, {x + 1, y}}};
  }
  // An empty place another square still waits to fill.
  bool reserved(Cell p) const {
    return std::any_of(squares_.begin(), squares_.end(), [&](const Square& sq) {
      return inside(p, sq.topLeft) && at(p) == emptyCode;
    });
  }
  std::optional<Cell> placeFor(int card) {
    for (const Square& sq : squares_) {
      if (sq.rank != rank(card)) continue;
      for (const Cell& p : cells(sq.topLeft))
        if (at(p) == emptyCode && g_.legalMove(card, p.first, p.second)) return p;
      return std::nullopt;
    }
    for (int y = g_.gridMinY; y < g_.gridMaxY; ++y)
      for (int x = g_.gridMinX; x < g_.gridMaxX; ++x)
        if (auto p = freshSquare(card, {x, y})) return p;
    return std::nullopt;
  }
  // A free square at tl whose one cell touching other cards takes card.
  std::optional<Cell> freshSquare(int card, Cell tl) {
    const auto square = cells(tl);
    for (const Cell& p : square)
      if (at(p) != emptyCode || reserved(p)) return std::nullopt;
    for (const Cell& anchor : square) {
      if (!g_.legalMove(card, anchor.first, anchor.second)) continue;
      bool clear = true;
      for (const Cell& q : square)
        for (const Cell& n : around(q))
          if (!inside(n, tl) && (reserved(n) || (q != anchor && at(n) != emptyCode))) clear = false;
      if (!clear) continue;
      squares_.push_back({rank(card), tl});
      return anchor;
    }
    return std::nullopt;
  }

  const MainRoutines& g_;
  std::vector<Square> squares_;
};

}  // namespace velmoran::testing
