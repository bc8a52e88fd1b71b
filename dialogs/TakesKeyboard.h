#pragma once

#include <QString>

class QWidget;

namespace velmoran {

// A sheet or a message box must have the keyboard the moment it is up,
// whichever of the game's windows was in front when it was asked for. A
// window manager may leave the focus on the window that was in front (the
// help window) or hand it to the main window the sheet blocks; then Return,
// Escape and Tab would go nowhere until the player clicked the sheet.
//
// Once installed, every showing of window raises and activates it with the
// keyboard focus on focus (or on what Qt chose, when focus is null), and
// while it is up the window takes the keyboard back from any window it
// blocks that the window manager activates instead. When it goes away, the
// window that was in front before it is raised and activated again.
void takeKeyboardWhenShown(QWidget* window, QWidget* focus = nullptr);

// The two message boxes of the game, each with the keyboard as above: a
// question answered Yes or No (true for Yes) and a plain message with OK.
bool askYesNo(QWidget* parent, const QString& text);
void showMessage(QWidget* parent, const QString& text);

}  // namespace velmoran
