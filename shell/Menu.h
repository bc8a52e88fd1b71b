#pragma once

#include <QMenuBar>

class QAction;

namespace velmoran {

// The game's menu bar: File, Edit, Settings and Help, built once from the
// menu layout. Every item is a QAction whose objectName is the item's name;
// all start disabled, and the enabling pass decides what may be chosen.
class Menu : public QMenuBar {
  Q_OBJECT
 public:
  explicit Menu(QWidget* parent = nullptr);

  // The item of that name, or nullptr.
  QAction* item(const QString& name) const;

 signals:
  // Before any of the four menus opens: time for the enabling pass.
  void aboutToShowMenu();
};

}  // namespace velmoran
