#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/MainRoutines.h"
#include "engine/NullTable.h"

namespace velmoran::testing {

// A table that draws and plays nothing and keeps the messages it was asked to show.
class MessageTable final : public NullTable {
 public:
  std::vector<std::string> messages;
  void showMessage(const std::string& text) override { messages.push_back(text); }
};

// A fresh game object on its own table, factory settings set.
struct Fixture {
  MessageTable table;
  SystemRandom random{1};
  MainRoutines routines{table, random};
  Fixture() { routines.setAllDefaults(); }
};

// A game in progress after `moves` moves (0 to 100), every move recorded in
// the undo store, with settings and counters away from their factory values.
std::unique_ptr<Fixture> gameAfterMoves(int moves);

// Ends the game of gameAfterMoves won: every book out, the kings alone on
// the grid, the deck used up.
void finishWon(MainRoutines& r);

// Line n (from 1) of a file's text, and the text with line n replaced.
std::string lineOf(const std::string& text, int n);
std::string withLine(const std::string& text, int n, const std::string& value);
// The first n lines of the text.
std::string firstLines(const std::string& text, int n);

}  // namespace velmoran::testing
