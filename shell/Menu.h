#pragma once

#include <QMenuBar>
#include <array>

#include "engine/MenuItem.h"

class QAction;

namespace velmoran {

// The game's menu bar: File, Edit, Settings and Help, built once from the
// menu layout. Every item is a QAction; all start disabled but Quit, and
// the enabling pass decides what may be chosen.
//
// The menus can be used from the keyboard as in other desktop programs:
// Alt and a title's access key, or F10 for the first menu, then the arrow
// keys and Return. The access keys are underlined while Alt is held. The
// menus serve the whole game: the same keys open them from its other
// windows (the help window) too.
class Menu : public QMenuBar {
  Q_OBJECT
 public:
  explicit Menu(QWidget* parent = nullptr);
  ~Menu() override;

  QAction* item(MenuItem which) const { return items_[static_cast<size_t>(which)]; }

  bool showsAccessKeys() const { return altHeld_; }

 signals:
  // Before any of the four menus opens: time for the enabling pass.
  void aboutToShowMenu();

 private:
  void followAltKey(const QEvent* event);
  void serveOtherWindows();
  void openMenu(int index);

  std::array<QAction*, menuItemCount> items_{};
  QObject* altKeyWatch_ = nullptr;
  bool altHeld_ = false;
};

}  // namespace velmoran
