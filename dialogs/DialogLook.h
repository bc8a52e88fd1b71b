#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

// Small shared pieces of the look of the game's dialogs.
namespace velmoran::look {

// The dialogs give font sizes in pixels so that every control keeps its
// place whatever the screen's resolution.
inline QFont systemFont(int pixels, bool bold = false) {
  QFont font;  // the application font
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

// The version label shared by the splash and the about box.
inline QString versionLabelText() {
  return QStringLiteral("Velmoran v. 2.2\nFree to play and to share.");
}

// Windows that stand in front of the table and must not let the game quit
// under them carry this mark; the menu-enabling pass looks for it on the
// active or modal window and disables Quit.
inline constexpr const char* blocksQuitProperty = "blocksQuit";

inline void markBlocksQuit(QWidget* window) { window->setProperty(blocksQuitProperty, true); }

// The frame of a small fixed dialog: a title bar without close, minimise or
// maximise buttons.
inline Qt::WindowFlags fixedDialogFlags() {
  return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
}

}  // namespace velmoran::look
