#pragma once

#include <QColor>
#include <QPainter>
#include <cstdint>
#include <functional>
#include <random>

// The drawing of each card-back design. Every function fills `area` (the
// inside of the card's white edge; the painter clips to it) and draws only
// from `rng`, which the caller seeds with the design's own number.
namespace velmoran::art::backs {

// Numbers from a fixed seed; the standard engine gives the same sequence
// everywhere, unlike the standard distributions.
class Rng {
 public:
  explicit Rng(std::uint32_t seed) : engine_(seed) {}
  qreal unit() { return engine_() / 4294967296.0; }  // [0, 1)
  qreal between(qreal low, qreal high) { return low + (high - low) * unit(); }
  int below(int n) { return static_cast<int>(unit() * n); }

 private:
  std::mt19937 engine_;
};

using Design = void (*)(QPainter&, const QRectF&, Rng&);

// Fills area pixel by pixel from a colour function of the position, given
// in card widths from the area's top-left corner (x in 0..1 across).
void paintField(QPainter& p, const QRectF& area, const std::function<QRgb(qreal, qreal)>& colour);

// Geometric patterns.
void classicRed(QPainter&, const QRectF&, Rng&);
void classicBlue(QPainter&, const QRectF&, Rng&);
void classicGreen(QPainter&, const QRectF&, Rng&);
void redWeave(QPainter&, const QRectF&, Rng&);
void greenWeave(QPainter&, const QRectF&, Rng&);
void blueWeave(QPainter&, const QRectF&, Rng&);
void basketWeave(QPainter&, const QRectF&, Rng&);
void tartan(QPainter&, const QRectF&, Rng&);
void cobblestone(QPainter&, const QRectF&, Rng&);
void stone(QPainter&, const QRectF&, Rng&);
void abstract(QPainter&, const QRectF&, Rng&);

// Pictures.
void sunburst(QPainter&, const QRectF&, Rng&);
void armadillo(QPainter&, const QRectF&, Rng&);
void turtle(QPainter&, const QRectF&, Rng&);
void fish(QPainter&, const QRectF&, Rng&);
void purplePeopleEater(QPainter&, const QRectF&, Rng&);
void seaAndSand(QPainter&, const QRectF&, Rng&);
void lake(QPainter&, const QRectF&, Rng&);
void pondLily(QPainter&, const QRectF&, Rng&);
void lighthouse(QPainter&, const QRectF&, Rng&);
void grapes(QPainter&, const QRectF&, Rng&);

// Fields computed per pixel.
void strangePink(QPainter&, const QRectF&, Rng&);
void strangeBlue(QPainter&, const QRectF&, Rng&);
void strangeGreen(QPainter&, const QRectF&, Rng&);
void strangeSomething(QPainter&, const QRectF&, Rng&);
void psychedelic(QPainter&, const QRectF&, Rng&);
void fractal1(QPainter&, const QRectF&, Rng&);
void fractal2(QPainter&, const QRectF&, Rng&);
void redShimmer(QPainter&, const QRectF&, Rng&);
void greenShimmer(QPainter&, const QRectF&, Rng&);
void purpleShimmer(QPainter&, const QRectF&, Rng&);
void vortex(QPainter&, const QRectF&, Rng&);

}  // namespace velmoran::art::backs
