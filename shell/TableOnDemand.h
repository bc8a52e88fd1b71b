#pragma once

#include <functional>

#include "engine/TableInterface.h"

namespace velmoran {

// The game's table until the main window is built: the game's first call
// builds it (the window stays hidden until it is shown) and every call goes
// on to the window's own table. Start-up shows the splash before it builds
// the main window, so the game may reach its table first.
class TableOnDemand final : public TableInterface {
 public:
  explicit TableOnDemand(std::function<TableInterface&()> table) : table_(std::move(table)) {}

  void placeCard(int drawCode, int x, int y) override { table_().placeCard(drawCode, x, y); }
  void setDrawTarget(DrawTarget target) override { table_().setDrawTarget(target); }
  void updateNow() override { table_().updateNow(); }
  void rebuildOffscreen() override { table_().rebuildOffscreen(); }
  void processEvents() override { table_().processEvents(); }
  void wait(std::chrono::microseconds duration) override { table_().wait(duration); }
  bool mouseButtonDown() override { return table_().mouseButtonDown(); }
  void play(Sound sound) override { table_().play(sound); }
  void playLooping(Sound sound) override { table_().playLooping(sound); }
  void stop(Sound sound) override { table_().stop(sound); }
  void waitWhilePlaying(Sound sound) override { table_().waitWhilePlaying(sound); }
  bool askCheat(const std::string& reason) override { return table_().askCheat(reason); }
  bool askYesNo(const std::string& text) override { return table_().askYesNo(text); }
  void showMessage(const std::string& text) override { table_().showMessage(text); }
  void beep() override { table_().beep(); }
  void showStatisticsSheet() override { table_().showStatisticsSheet(); }
  void setTitle(const std::string& title) override { table_().setTitle(title); }

 private:
  std::function<TableInterface&()> table_;
};

}  // namespace velmoran
