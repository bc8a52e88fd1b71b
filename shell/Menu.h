#pragma once

#include <QMenuBar>
#include <array>

#include "engine/MenuItem.h"

class QAction;

namespace velmoran {

// The game's menu bar: File, Edit, Settings and Help, built once from the
// menu layout. Every item is a QAction; all start disabled but Quit, and
// the enabling pass decides what may be chosen.
class Menu : public QMenuBar {
  Q_OBJECT
 public:
  explicit Menu(QWidget* parent = nullptr);

  QAction* item(MenuItem which) const { return items_[static_cast<size_t>(which)]; }

 signals:
  // Before any of the four menus opens: time for the enabling pass.
  void aboutToShowMenu();

 private:
  std::array<QAction*, menuItemCount> items_{};
};

}  // namespace velmoran
