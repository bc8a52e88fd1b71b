#pragma once

#include "engine/TableInterface.h"

namespace velmoran {

class BoardCanvas;
class TableHost;

// The table the engine plays on: drawing goes to the board canvas, pauses
// to the waiting service, sounds to the sound bank, and questions,
// messages, the statistics window, the title and the menus to the
// application.
class GameTable : public TableInterface {
 public:
  GameTable(BoardCanvas& canvas, TableHost& host);

  void placeCard(int drawCode, int x, int y) override;
  void setDrawTarget(DrawTarget target) override;
  void updateNow() override;
  void rebuildOffscreen() override;
  void processEvents() override;
  void wait(std::chrono::microseconds duration) override;
  bool mouseButtonDown() override;
  void play(Sound sound) override;
  void playLooping(Sound sound) override;
  void stop(Sound sound) override;
  void waitWhilePlaying(Sound sound) override;
  bool askCheat(const std::string& reason) override;
  bool askYesNo(const std::string& text) override;
  void showMessage(const std::string& text) override;
  void beep() override;
  void showStatisticsSheet() override;
  void setTitle(const std::string& title) override;

 private:
  BoardCanvas& canvas_;
  TableHost& host_;
};

}  // namespace velmoran
