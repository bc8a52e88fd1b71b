#pragma once

#include <QColor>
#include <QString>
#include <QUrl>
#include <QWidget>
#include <functional>

namespace velmoran {

// A one-line link. It shows its text in the link colour at rest and in the
// click colour while the button is held over it, and opens its target only
// when the button is released over it.
class URLcanvas : public QWidget {
  Q_OBJECT

 public:
  // How a target is opened; the system's browser or mail program by default.
  using Opener = std::function<void(const QUrl&)>;

  explicit URLcanvas(QWidget* parent = nullptr);

  QString URLtext;
  QColor URLlinkColor = Qt::black;
  QColor URLclickColor = Qt::black;
  QString URLfont;
  int URLsize = 12;
  QString URLtarget;
  bool URLisHilighted = false;

  void setOpener(Opener opener) { opener_ = std::move(opener); }

  // The colour the text is drawn in now.
  QColor textColor() const { return textColor_.isValid() ? textColor_ : URLlinkColor; }

  // A point counts as on the link only strictly inside it: the leftmost
  // column and the top row belong to the outside.
  bool isInside(const QPoint& point) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void drawIn(const QColor& color);

  Opener opener_;
  QColor textColor_;
  bool pressed_ = false;
};

}  // namespace velmoran
