#include "shell/Menu.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QProxyStyle>
#include <QShortcut>
#include <QWindow>
#include <functional>
#include <utility>

#include "shell/MenuLayout.h"

namespace velmoran {

namespace {

QString toQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The title as Qt marks an access key: "&File". Only the menu bar reads
// this form; it shows the title without the mark.
QString titleWithAccessKey(const MenuLayout& layout) {
  QString title = toQString(layout.title);
  return title.insert(title.indexOf(QChar::fromLatin1(layout.accessKey)), u'&');
}

// The desktop's style, except that the menu bar underlines its access keys
// only while Alt is held (the common style would underline them always).
class AccessKeyStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_UnderlineShortcut) {
      if (const auto* bar = qobject_cast<const Menu*>(widget)) return bar->showsAccessKeys();
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

// Sees every event of the program on its way: Alt is pressed and released
// wherever the keyboard focus is. (The menu bar cannot watch for itself:
// Qt's own Alt handling takes the bar off the program's event filters.)
class EveryEvent : public QObject {
 public:
  EveryEvent(QObject* owner, std::function<void(const QEvent*)> look)
      : QObject(owner), look_(std::move(look)) {
    setObjectName("altKeyWatch");  // found by the tests
    qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    look_(event);
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void(const QEvent*)> look_;
};

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
    QMenu* menu = addMenu(titleWithAccessKey(layout));
    for (const MenuItemLayout& entry : layout.items) {
      if (entry.kind == MenuItemKind::Separator) {
        menu->addSeparator();
      } else {
        items_[static_cast<size_t>(entry.item)] = addItem(menu, entry);
      }
    }
    connect(menu, &QMenu::aboutToShow, this, &Menu::aboutToShowMenu);
  }
  auto* style = new AccessKeyStyle;
  style->setParent(this);
  setStyle(style);
  altKeyWatch_ = new EveryEvent(this, [this](const QEvent* event) { followAltKey(event); });
  serveOtherWindows();
}

// What follows the whole program ends first: events and changes of the
// window in front still come while the main window and this bar are taken
// down, and both would call into the bar.
Menu::~Menu() {
  delete altKeyWatch_;
  disconnect(qApp, nullptr, this, nullptr);
}

// F10 opens the first menu from any of the game's windows that is not held
// by a sheet. Qt's own access keys work only in the bar's window; these
// stand in for them in the others, and stand aside in the bar's window,
// where two shortcuts alike would clash.
void Menu::serveOtherWindows() {
  new QShortcut(Qt::Key_F10, this, [this] { openMenu(0); }, Qt::ApplicationShortcut);
  QList<QShortcut*> accessKeys;
  for (int index = 0; index < static_cast<int>(menuLayouts.size()); ++index) {
    const auto letter = static_cast<Qt::Key>(menuLayouts[static_cast<size_t>(index)].accessKey);
    accessKeys << new QShortcut(Qt::ALT | letter, this, [this, index] { openMenu(index); },
                                Qt::ApplicationShortcut);
  }
  connect(qApp, &QGuiApplication::focusWindowChanged, this, [this, accessKeys](QWindow* front) {
    const bool barsWindow = front && front == window()->windowHandle();
    for (QShortcut* key : accessKeys) key->setEnabled(!barsWindow);
  });
}

// Alt may also be let go in another program; the underlines go when the
// game's window loses the keyboard.
void Menu::followAltKey(const QEvent* event) {
  bool held = altHeld_;
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (key->key() == Qt::Key_Alt) {
      held = event->type() == QEvent::KeyPress;
    } else if (!(key->modifiers() & Qt::AltModifier)) {
      held = false;
    }
  } else if (event->type() == QEvent::ApplicationDeactivate ||
             event->type() == QEvent::WindowDeactivate) {
    held = false;
  }
  if (held == altHeld_) return;
  altHeld_ = held;
  update();
}

// A menu opens on its first item that can be chosen, as with Alt and a
// title's letter in the bar's window (and, for the first menu, with F10 in
// other desktop programs); the arrow keys go on from there.
void Menu::openMenu(int index) {
  QAction* title = actions().value(index);
  if (!title) return;
  setActiveAction(title);  // the enabling pass runs as the menu opens
  for (QAction* item : title->menu()->actions()) {
    if (!item->isSeparator() && item->isEnabled()) {
      title->menu()->setActiveAction(item);
      return;
    }
  }
}

}  // namespace velmoran
