// Card backs whose colour is worked out for every pixel: interference
// patterns, fractals, shimmering silk and a vortex.
#include <QImage>
#include <cmath>
#include <complex>
#include <numbers>

#include "resources/BackDesigns.h"

namespace velmoran::art::backs {

namespace {

using std::numbers::pi;

QRgb mix(QRgb a, QRgb b, qreal t) {
  t = std::clamp(t, 0.0, 1.0);
  auto channel = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
  return qRgb(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)),
              channel(qBlue(a), qBlue(b)));
}

// A colour from a palette of stops spread evenly over 0..1, wrapping round.
QRgb palette(std::initializer_list<QRgb> stops, qreal t) {
  const auto n = static_cast<qreal>(stops.size());
  t = t - std::floor(t);
  const qreal at = t * n;
  const auto i = static_cast<size_t>(at) % stops.size();
  const auto j = (i + 1) % stops.size();
  return mix(stops.begin()[i], stops.begin()[j], at - std::floor(at));
}

// Rings spreading from two centres, overlapping into a moire.
std::function<QRgb(qreal, qreal)> moire(Rng& rng, std::initializer_list<QRgb> colours) {
  const qreal ax = rng.between(0.0, 0.4), ay = rng.between(0.1, 0.6);
  const qreal bx = rng.between(0.6, 1.0), by = rng.between(0.8, 1.3);
  const qreal k = rng.between(26, 34);
  const std::vector<QRgb> stops(colours);
  return [=](qreal x, qreal y) {
    const qreal a = std::sin(k * std::hypot(x - ax, y - ay));
    const qreal b = std::sin(k * std::hypot(x - bx, y - by));
    const qreal t = 0.25 * (a + b) + 0.5;
    return palette({stops[0], stops[1], stops[2], stops[1]}, t * 0.75);
  };
}

qreal escapeTime(std::complex<double> z, std::complex<double> c, int limit) {
  for (int i = 0; i < limit; ++i) {
    z = z * z + c;
    const double size = std::norm(z);
    if (size > 16.0) return i + 1 - std::log2(std::log2(size) / 2.0);
  }
  return -1;
}

std::function<QRgb(qreal, qreal)> shimmer(QRgb dark, QRgb base, QRgb light, Rng& rng) {
  const qreal k1 = rng.between(10, 13), k2 = rng.between(5, 7), phase = rng.between(0, 6);
  return [=](qreal x, qreal y) {
    const qreal fold = std::sin(k1 * (x + 0.55 * y) + 0.8 * std::sin(k2 * y + phase));
    const qreal rise = 0.5 + 0.5 * fold;
    const qreal sheen = rise * rise * rise;
    const qreal shade = 0.5 + 0.5 * std::sin(2.2 * (x - y) + phase);
    return mix(mix(dark, base, shade), light, sheen * 0.8);
  };
}

}  // namespace

void paintField(QPainter& p, const QRectF& area, const std::function<QRgb(qreal, qreal)>& colour,
                int step) {
  const QRect pixels = area.toAlignedRect();
  QImage field((pixels.width() + step - 1) / step, (pixels.height() + step - 1) / step,
               QImage::Format_RGB32);
  const qreal unit = area.width();
  for (int y = 0; y < field.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(field.scanLine(y));
    for (int x = 0; x < field.width(); ++x) {
      line[x] = colour((x + 0.5) * step / unit, (y + 0.5) * step / unit);
    }
  }
  if (step > 1) {
    field = field.scaled(field.width() * step, field.height() * step, Qt::IgnoreAspectRatio,
                         Qt::SmoothTransformation);
  }
  p.drawImage(pixels.topLeft(), field);
}

void strangePink(QPainter& p, const QRectF& a, Rng& rng) {
  paintField(p, a, moire(rng, {qRgb(120, 20, 70), qRgb(236, 90, 160), qRgb(255, 214, 236)}));
}

void strangeBlue(QPainter& p, const QRectF& a, Rng& rng) {
  paintField(p, a, moire(rng, {qRgb(10, 20, 90), qRgb(40, 110, 220), qRgb(200, 236, 255)}));
}

void strangeGreen(QPainter& p, const QRectF& a, Rng& rng) {
  paintField(p, a, moire(rng, {qRgb(10, 60, 20), qRgb(60, 180, 70), qRgb(220, 255, 170)}));
}

void strangeSomething(QPainter& p, const QRectF& a, Rng& rng) {
  const qreal k = rng.between(9, 11);
  paintField(p, a, [k](qreal x, qreal y) {
    const qreal v = std::sin(k * x) * std::cos(k * y) + std::sin(k * std::hypot(x - 0.5, y - 0.7));
    return palette({qRgb(250, 210, 40), qRgb(220, 40, 110), qRgb(40, 30, 120), qRgb(20, 170, 150)},
                   v * 0.35);
  });
}

void psychedelic(QPainter& p, const QRectF& a, Rng&) {
  const qreal cy = a.height() / a.width() / 2;
  paintField(p, a, [cy](qreal x, qreal y) {
    const qreal dx = x - 0.5, dy = y - cy;
    const qreal r = std::hypot(dx, dy);
    const qreal angle = std::atan2(dy, dx);
    const qreal t = 3.2 * r + angle / pi + 0.25 * std::sin(9 * r + 3 * angle);
    return QColor::fromHsvF(static_cast<float>(t - std::floor(t)), 0.95f, 1.0f).rgb();
  });
}

void fractal1(QPainter& p, const QRectF& a, Rng&) {
  const qreal height = a.height() / a.width();
  paintField(
      p, a,
      [height](qreal x, qreal y) {
        // The whole set, standing upright.
        const std::complex<double> c(0.55 - y / height * 2.75, (x - 0.5) * 2.1);
        const qreal n = escapeTime(0.0, c, 50);
        if (n < 0) return qRgb(10, 10, 40);
        return palette(
            {qRgb(20, 30, 110), qRgb(60, 150, 230), qRgb(250, 240, 200), qRgb(240, 150, 30)},
            std::sqrt(n / 30.0));
      },
      1);
}

void fractal2(QPainter& p, const QRectF& a, Rng&) {
  const qreal height = a.height() / a.width();
  paintField(p, a, [height](qreal x, qreal y) {
    const std::complex<double> z((y / height - 0.5) * 2.6, (x - 0.5) * 1.85);
    const qreal n = escapeTime(z, {-0.8, 0.156}, 50);
    if (n < 0) return qRgb(20, 0, 40);
    return palette({qRgb(60, 10, 100), qRgb(170, 60, 200), qRgb(80, 230, 210), qRgb(255, 250, 220)},
                   std::sqrt(n / 40.0));
  });
}

void redShimmer(QPainter& p, const QRectF& a, Rng& rng) {
  paintField(p, a, shimmer(qRgb(70, 0, 10), qRgb(190, 20, 40), qRgb(255, 190, 170), rng), 3);
}

void greenShimmer(QPainter& p, const QRectF& a, Rng& rng) {
  paintField(p, a, shimmer(qRgb(0, 50, 20), qRgb(20, 150, 70), qRgb(200, 255, 200), rng), 3);
}

void purpleShimmer(QPainter& p, const QRectF& a, Rng& rng) {
  paintField(p, a, shimmer(qRgb(40, 0, 60), qRgb(120, 40, 170), qRgb(240, 200, 255), rng), 3);
}

void vortex(QPainter& p, const QRectF& a, Rng&) {
  const qreal cy = a.height() / a.width() / 2;
  paintField(
      p, a,
      [cy](qreal x, qreal y) {
        const qreal dx = x - 0.5, dy = y - cy;
        const qreal r = std::hypot(dx, dy) + 1e-6;
        const qreal arms = std::sin(4 * std::atan2(dy, dx) + 7 * std::log(r));
        const qreal depth = std::clamp(r * 2.2, 0.0, 1.0);
        const QRgb swirl = mix(qRgb(6, 20, 70), qRgb(80, 200, 255), 0.5 + 0.5 * arms);
        return mix(qRgb(0, 0, 10), swirl, std::sqrt(depth));
      },
      3);
}

}  // namespace velmoran::art::backs
