#pragma once

#include <QString>

namespace velmoran {

// What the game's table asks of the application: the player's answers and
// messages, the statistics sheet and the main window's title.
// The application object implements it; the table holds input for the
// length of each question.
class TableHost {
 public:
  virtual bool askCheat(const QString& reason) = 0;  // true for "Cheat"
  virtual bool askYesNo(const QString& text) = 0;    // true for Yes
  virtual void showMessage(const QString& text) = 0;
  virtual void showStatisticsSheet() = 0;  // modal; returns when dismissed
  virtual void setTitle(const QString& title) = 0;

 protected:
  ~TableHost() = default;
};

}  // namespace velmoran
