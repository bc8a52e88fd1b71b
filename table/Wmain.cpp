// The main window. Its size is handled in WmainSize.cpp, mouse play in
// WmainMouse.cpp.
#include "table/Wmain.h"

#include <QCloseEvent>

#include "table/BoardView.h"

namespace velmoran {

Wmain::Wmain(MainRoutines& routines, QWidget* parent)
    : QMainWindow(parent),
      routines_(routines),
      canvas_(routines),
      board_(new BoardView(this)),
      CVdragger(new DragSprite(board_)) {
  InputHold::instance();  // input is held from the first animation on
  setCentralWidget(board_);
  canvas_.setView(board_);
  setUpResizing();
  setAttribute(Qt::WA_QuitOnClose, false);  // closing is closeRequested's
  connect(board_, &BoardView::pressed, this, &Wmain::boardPressed);
  connect(board_, &BoardView::moved, this, &Wmain::boardMoved);
  connect(board_, &BoardView::released, this, &Wmain::boardReleased);
  setupGraphics();
}

Wmain::~Wmain() = default;

QWidget* Wmain::board() const { return board_; }
QPoint Wmain::boardOrigin() const { return board_->boardOrigin(); }
QWidget* Wmain::dragSprite() const { return CVdragger; }

void Wmain::hurryToQuit() {
  InputHold::instance().holdButtonDown();
  for (int s = 0; s < soundCount; ++s) routines_.table().stop(static_cast<Sound>(s));
  if (gesture_ == Gesture::Hint) endHint();
  if (gesture_ == Gesture::Drag) {
    setDragging(false);
    CVdragger->hide();
    rebuildOffscreen();  // the card never left its place on the board
  }
  endGesture();
}

void Wmain::closeEvent(QCloseEvent* event) {
  event->accept();
  emit closeRequested();
}

}  // namespace velmoran
