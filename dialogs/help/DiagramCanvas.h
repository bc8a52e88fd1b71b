#pragma once

#include <QImage>
#include <QWidget>

namespace velmoran {

// Shows one picture at its natural size, centred across the canvas and
// aligned to its top; a picture wider than the canvas is cut at both sides.
class DiagramCanvas : public QWidget {
 public:
  explicit DiagramCanvas(QWidget* parent = nullptr);

  void setPicture(const QImage& picture);
  const QImage& picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace velmoran
