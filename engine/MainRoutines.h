#pragma once

#include <array>
#include <string>

#include "engine/BoardGeometry.h"
#include "engine/Codes.h"
#include "engine/GameCommands.h"
#include "engine/RandomSource.h"
#include "engine/Settings.h"
#include "engine/StateListener.h"
#include "engine/Statistics.h"
#include "engine/TableInterface.h"

namespace velmoran {

// Board places indexed [column][row]; column 0 and row 0 are never used.
using Board = std::array<std::array<int, boardRows>, boardColumns>;

// What a press on the board means (the hints are the table window's own).
enum class PressOutcome {
  Ignored,        // nothing more happens for this press
  DealOnRelease,  // an empty or face-down hand slot: deal once the button is up
  PickUp,         // the card under the pointer may be picked up (or hinted)
};

// How a dragged card came down.
enum class DropResult {
  PutBack,  // outside the playable grid: back to where it came from, silently
  Refused,  // the rules refuse the place: back, with a buzz
  Played,   // the move was made
};

// The whole state of the game and its rules. The member names are the
// game's own vocabulary (gDeck, gPlayingGrid, moveNumber, ...), so the rules
// read like the game's description. Drawing, sounds and questions go
// through the TableInterface; random numbers through the RandomSource. The
// settings (game, grid, gKings, gSound, ...) are members of its Settings base.
// Windows read the state and change it only by the commands below; only the
// preferences file is read into it directly. The game tells its
// StateListener what changed, and when a command has run to its end.
class MainRoutines final : public Settings, public GameCommands {
 public:
  MainRoutines(TableInterface& table, RandomSource& random);
  // For a start-up that builds the window after the game state: call
  // setTable before any rule runs.
  explicit MainRoutines(RandomSource& random) : table_(nullptr), random_(&random) {}

  // Start-up may build the window after the game state.
  void setTable(TableInterface& table) { table_ = &table; }
  TableInterface& table() { return *table_; }
  void setListener(StateListener& listener) { listener_ = &listener; }

  // --- Geometry -----------------------------------------------------------
  int gridMinX = 0, gridMaxX = 0, gridMinY = 0, gridMaxY = 0;  // the activeGrid
  int cardwidth = 0, cardheight = 0;

  // --- The game in progress ----------------------------------------------
  Board gPlayingGrid{};
  std::array<int, deckSize + 1> gDeck{};  // entries 1..48 in dealing order
  int gDeckPtr = 0;                       // next deck entry; 0 = no game yet, 49 = used up
  int gCheatDeckPtr = 0;                  // gDeckPtr when the current deal began
  int gNumBooks = 0;
  int moveNumber = 0;
  std::array<Board, maxMoves + 1> undoGrid{};  // snapshot m = board before move m
  int undoPtr = 0;
  int undoNumBooks = 0;
  bool gUndoOk = false;
  bool gVictory = false;
  bool gNoOrphans = false;
  bool gCheated = false;
  bool gGameCounts = false;  // not yet counted in the statistics
  bool gFlashOrphans = false;
  std::string userResponse;  // the cheat warning's last answer
  Statistics stats;

  // --- Geometry and set-up ------------------------------------------------
  int whereInGridX(int px) const;
  int whereInGridY(int py) const;
  bool inActiveGrid(int x, int y) const;
  void setActiveGrid();  // from grid; an unknown code keeps the bounds
  std::string title() const;
  void clearGrid();
  void setAllDefaults();
  const Settings& settings() const { return *this; }
  // Every setting but the main ones (game, grid, gKings), which only a new
  // game changes.
  void applySettings(const Settings& chosen);

  // --- Rules ----------------------------------------------------------------
  bool legalMove(int card, int x, int y) const;
  bool isOrphan(int x, int y) const;
  void checkForOrphans();
  bool hasLegalPlace(int card) const;  // any place of the activeGrid

  // --- Books -----------------------------------------------------------------
  bool checkForBook(int x, int y);
  void bookPass(int dx, int dy);  // after a legal drop at (dx, dy)

  // --- New game and dealing ------------------------------------------------
  void newGame();
  void shuffleCards();
  void deal();
  void dealDown();

  // --- Mouse play --------------------------------------------------------------
  PressOutcome press(int x, int y);
  DropResult dropCard(int card, int fromX, int fromY, int toX, int toY);

  // --- Undo ------------------------------------------------------------------
  void updateUndo();
  bool editUndo();  // true when nothing was undone (refused or unavailable)

  // --- Commands from the menus and windows ----------------------------------
  bool newGameCommand();  // true when the player declined to give up
  // The settings sheet's New Game, before the sheet stores its other
  // settings and closes: asks the give-up question by the sheet's own
  // warning box, counts the game being replaced and takes the three main
  // settings. newGame() then starts the game; until it does, the game is
  // not whole and no move is told to have ended. False when the player
  // declined to give up; nothing has changed then.
  bool giveUpForNewGame(int difficulty, int gridSize, int kingsLayout, bool giveUpWarning);
  void neverWarnAboutCheating() override;
  void clearStatistics() override;
  void setAlwaysShowInstructions(bool on) override;
  void setCardSize(int width, int height);

  // --- Game end and counting ------------------------------------------------
  void victoryNoAnimation();
  void updateStats();

  // --- Animations --------------------------------------------------------------
  void animationDelay(int units);
  void flashOrphans();
  void fanfare();

 private:
  // Held by each command from outside for as long as it runs. Commands may
  // run inside one another (a deal starts the first game, a sheet opened
  // in the middle of a move offers its own); when the outermost ends, the
  // StateListener is told the move ended.
  class Command {
   public:
    explicit Command(MainRoutines& game) : game_(game) { ++game_.commandsRunning_; }
    ~Command();
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

   private:
    MainRoutines& game_;
  };

  bool askCheat(const std::string& reason);
  bool playerGivesUp(bool giveUpWarning);  // asks only when a game is worth one
  void announce(void (StateListener::*change)());
  void playSound(Sound sound);  // only while sound is on
  void placeKings(RandomSource& random);
  void dealFaceDown();

  bool onBoard(int x, int y) const;
  int neighbour(int x, int y, int dx, int dy) const;  // 0 outside the activeGrid
  bool hasFreeHandSlot() const;                       // empty or face down
  bool hasPlayableHandCard() const;
  bool dealAllowed();  // asks the cheat question when needed; false when declined
  void standardBookChain();
  void easyBookPass();
  void orphanStep();
  void emptyGridArea();
  bool fanfarePass(int drawCode);  // false when a held button cut it short
  void removeBookSquare(int x, int y, int r);

  TableInterface* table_;
  RandomSource* random_;
  StateListener* listener_ = nullptr;
  int commandsRunning_ = 0;
  bool newGameDue_ = false;  // a game was given up; its new game has not begun
};

}  // namespace velmoran
