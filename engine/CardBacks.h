#pragma once

#include <array>
#include <string_view>

namespace velmoran {

// The 32 card-back designs: the name the settings list shows for design
// number n (1..32) and the cell of the backs sheet (8 columns x 4 rows)
// that holds it.
struct CardBackDesign {
  std::string_view name;
  int column;
  int row;
};

inline constexpr int cardBackCount = 32;

inline constexpr std::array<CardBackDesign, cardBackCount> cardBackDesigns{{
    {"Sunburst (Default)", 7, 3},  {"Classic Red", 2, 2},      {"Classic Blue", 1, 2},
    {"Classic Green", 0, 2},       {"Cobblestone", 5, 0},      {"Armadillo", 1, 0},
    {"Turtle", 5, 3},              {"Fish", 6, 0},             {"Red Weave", 7, 1},
    {"Green Weave", 2, 1},         {"Blue Weave", 3, 0},       {"Basket Weave", 2, 0},
    {"Abstract", 0, 0},            {"Purple People Eater", 6, 1}, {"Sea and Sand", 6, 2},
    {"Stone", 7, 2},               {"Lake", 3, 1},             {"Pond Lily", 6, 3},
    {"Lighthouse", 4, 1},          {"Grapes", 1, 1},           {"Strange Pink", 1, 3},
    {"Strange Blue", 2, 3},        {"Strange Green", 3, 3},    {"Strange Something", 0, 3},
    {"Psychedelic", 5, 1},         {"Tartan", 4, 0},           {"Fractal 1", 7, 0},
    {"Fractal 2", 0, 1},           {"Red Shimmer", 5, 2},      {"Green Shimmer", 3, 2},
    {"Purple Shimmer", 4, 2},      {"Vortex", 4, 3},
}};

// The design shown for number n; any number outside 1..32 shows the design
// in the sheet's first cell.
constexpr CardBackDesign cardBackDesign(int n) {
  if (n < 1 || n > cardBackCount) return {"", 0, 0};
  return cardBackDesigns[n - 1];
}

}  // namespace velmoran
