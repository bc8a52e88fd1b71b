#pragma once

#include <QTimer>
#include <QWidget>

#include "engine/MainRoutines.h"

class QLabel;

namespace velmoran {

// The start-up splash. It ends after a short pause, at any key or at a
// click, and whatever ends it, it ends exactly once: it asks for the main
// window (and for the help window when the player wants it at start-up),
// then closes and deletes itself.
class Wsplash : public QWidget {
  Q_OBJECT

 public:
  static constexpr int pauseMilliseconds = 3300;

  Wsplash(const MainRoutines& routines, QWidget* parent = nullptr);

  QLabel* StaticText1;
  QTimer Tpause;

 signals:
  void mainWindowWanted();
  void instructionsWanted();
  void painted();  // the splash has just been drawn on the screen

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void end();

  const MainRoutines& routines_;
  bool ended_ = false;
};

}  // namespace velmoran
