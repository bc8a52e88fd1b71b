#include "shell/Menu.h"

#include <QAction>
#include <QMenu>

#include "shell/MenuLayout.h"

namespace velmoran {

namespace {

QString toQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QAction* addItem(QMenu* menu, const MenuItemLayout& layout) {
  QAction* action = menu->addAction(toQString(layout.text));
  action->setShortcut(QKeySequence(toQString(layout.shortcut)));
  // The menu bar serves the whole game: its shortcuts also work while the
  // help window is in front (a sheet still blocks them).
  action->setShortcutContext(Qt::ApplicationShortcut);
  action->setCheckable(layout.kind == MenuItemKind::Toggle);
  // Only Quit is enabled by default; the enabling pass owns the others.
  action->setEnabled(layout.kind == MenuItemKind::Quit);
  // Keep the platform from moving Quit and About into an application menu
  // or renaming them: the menus read as laid out.
  action->setMenuRole(QAction::NoRole);
  return action;
}

}  // namespace

Menu::Menu(QWidget* parent) : QMenuBar(parent) {
  for (const MenuLayout& layout : menuLayouts) {
    QMenu* menu = addMenu(toQString(layout.title));
    for (const MenuItemLayout& entry : layout.items) {
      if (entry.kind == MenuItemKind::Separator) {
        menu->addSeparator();
      } else {
        items_[static_cast<size_t>(entry.item)] = addItem(menu, entry);
      }
    }
    connect(menu, &QMenu::aboutToShow, this, &Menu::aboutToShowMenu);
  }
}

}  // namespace velmoran
