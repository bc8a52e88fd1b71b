#include "dialogs/Wsplash.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "dialogs/Backdrop.h"
#include "dialogs/DialogLook.h"
#include "assets/Assets.h"

namespace velmoran {

Wsplash::Wsplash(const MainRoutines& routines, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen), routines_(routines) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Velmoran"));
  setWindowModality(Qt::ApplicationModal);
  setFixedSize(496, 132);
  // A window manager places a splash window wherever it likes (icewm: the
  // top-left corner): it stands in the middle of the main screen, where
  // the main window will open.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  setFocusPolicy(Qt::StrongFocus);
  look::markBlocksQuit(this);

  StaticText1 = new QLabel(look::versionLabelText(), this);
  StaticText1->setGeometry(184, 90, 296, 34);
  StaticText1->setFont(look::systemFont(11));
  StaticText1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  StaticText1->setStyleSheet(QStringLiteral("color: black"));

  // The pause counts from the moment the splash is built.
  Tpause.setSingleShot(true);
  Tpause.setTimerType(Qt::PreciseTimer);  // never end before the full pause
  Tpause.setInterval(pauseMilliseconds);
  connect(&Tpause, &QTimer::timeout, this, &Wsplash::end);
  Tpause.start();
}

void Wsplash::end() {
  if (ended_) return;
  ended_ = true;
  Tpause.stop();
  emit mainWindowWanted();
  if (routines_.gAlwaysShowInstructions) emit instructionsWanted();
  close();
}

void Wsplash::paintEvent(QPaintEvent*) {
  look::paintBackdrop(this, assets::picture("PXaboutBox"));
  emit painted();
}

void Wsplash::keyPressEvent(QKeyEvent* event) {
  event->accept();
  end();
}

void Wsplash::mousePressEvent(QMouseEvent* event) {
  event->accept();
  end();
}

// A close from the window manager ends the splash like any other ending, so
// the main window never stays hidden.
void Wsplash::closeEvent(QCloseEvent* event) {
  end();
  event->accept();
}

}  // namespace velmoran
