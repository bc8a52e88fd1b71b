#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace velmoran::testing {

// Runs act on the modal dialog of type T once its event loop is running
// (tests of exec()-style sheets).
template <typename T>
void whenModal(std::function<void(T*)> act) {
  QTimer::singleShot(0, [act] {
    auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    QVERIFY2(dialog, "the expected sheet is not up");
    act(dialog);
  });
}

// A key press as the player makes it: to the focused control of the
// window, or to the window itself when nothing in it has the focus.
inline void pressKey(QWidget* window, Qt::Key key) {
  QWidget* focus = window->focusWidget();
  QTest::keyClick(focus ? focus : window, key);
}

}  // namespace velmoran::testing
