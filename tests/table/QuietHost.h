#pragma once

#include <QWidget>

#include "table/TableHost.h"

namespace velmoran::testing {

// The application as a lone main window sees it: no other window to show,
// every question answered No ("Don't Cheat" for the cheat warning), the
// title set on the window.
class QuietHost : public TableHost {
 public:
  explicit QuietHost(QWidget& window) : window_(window) {}
  bool askCheat(const QString&) override { return false; }
  bool askYesNo(const QString&) override { return false; }
  void showMessage(const QString&) override {}
  void showStatisticsSheet() override {}
  void setTitle(const QString& title) override { window_.setWindowTitle(title); }

 private:
  QWidget& window_;
};

}  // namespace velmoran::testing
