#include <QPainter>
#include <QtTest>
#include <vector>

#include "resources/Artwork.h"
#include "resources/CardPainter.h"
#include "resources/CourtFigure.h"
#include "resources/FaceLayout.h"
#include "resources/Labels.h"
#include "resources/Panels.h"

using namespace velmoran::art;
using velmoran::CardSize;
using velmoran::cardHeightFor;

namespace {

QImage face(int card, int w) {
  QImage image(w, cardHeightFor(w), QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  paintCardFace(p, QRectF(0, 0, w, cardHeightFor(w)), card);
  return image;
}

// Separate blots of ink (dark or red) inside the columns between the two
// corner indexes: the pips of a number card.
int inkBlots(const QImage& card) {
  const int left = qRound(card.width() * 0.24), right = qRound(card.width() * 0.76);
  // The card's grey edge is left out: two rows at the top and the bottom.
  const int width = right - left, height = card.height() - 4;
  auto ink = [&](int x, int y) {
    const QColor c = card.pixelColor(left + x, y + 2);
    return c.alpha() == 255 && c.lightness() < 150;
  };
  std::vector<char> seen(static_cast<size_t>(width * height), 0);
  int blots = 0;
  for (int y0 = 0; y0 < height; ++y0) {
    for (int x0 = 0; x0 < width; ++x0) {
      if (seen[static_cast<size_t>(y0 * width + x0)] || !ink(x0, y0)) continue;
      ++blots;
      std::vector<QPoint> todo{{x0, y0}};
      seen[static_cast<size_t>(y0 * width + x0)] = 1;
      while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        for (QPoint n : {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)}) {
          if (n.x() < 0 || n.y() < 0 || n.x() >= width || n.y() >= height) continue;
          auto& mark = seen[static_cast<size_t>(n.y() * width + n.x())];
          if (!mark && ink(n.x(), n.y())) {
            mark = 1;
            todo.push_back(n);
          }
        }
      }
    }
  }
  return blots;
}

// The white between two boxes: the larger of the gaps across and down, or
// a negative number when they overlap.
qreal gapBetween(const QRectF& a, const QRectF& b) {
  const qreal across = std::max(a.left() - b.right(), b.left() - a.right());
  const qreal down = std::max(a.top() - b.bottom(), b.top() - a.bottom());
  return std::max(across, down);
}

qreal distanceToBox(QPointF point, const QRectF& box) {
  const qreal dx = std::max({box.left() - point.x(), 0.0, point.x() - box.right()});
  const qreal dy = std::max({box.top() - point.y(), 0.0, point.y() - box.bottom()});
  return std::hypot(dx, dy);
}

// How far apart two colours look: the distance in RGB with the channels
// weighted as the eye weighs them.
double colourDistance(const QColor& a, const QColor& b) {
  const double redMean = (a.red() + b.red()) / 2.0;
  const int dr = a.red() - b.red(), dg = a.green() - b.green(), db = a.blue() - b.blue();
  return std::sqrt((2 + redMean / 256) * dr * dr + 4 * dg * dg + (2 + (255 - redMean) / 256) * db * db);
}

}  // namespace

class ArtworkTests : public QObject {
  Q_OBJECT

 private slots:
  // A two shows two pips, a ten ten: the classic layouts, in every suit.
  void numberCardsShowAsManyPipsAsTheirRank() {
    for (int w : {60, 90}) {
      for (int suit = 0; suit < 4; ++suit) {
        // (The ace of spades wears a ring that these columns cut in two.)
        for (int rank = suit == 3 ? 2 : 1; rank <= 10; ++rank) {
          QCOMPARE(inkBlots(face(suit * 13 + rank, w)), rank);
        }
      }
    }
  }

  // At the smallest size the suit signs of the index and of the pips are
  // crisp signs of at least seven pixels, and a club does not look like a
  // spade.
  void smallSuitSignsAreCrispAndDistinct() {
    const int w = 40;
    const FaceLayout two = faceLayout(QSizeF(w, cardHeightFor(w)), 2);
    for (const QRectF& box : {two.indexSuit, two.pips.front().box}) {
      const QRect sign = box.adjusted(-1, -1, 1, 1).toRect();  // with a ring of paper
      auto inkMask = [&](int card) {
        const QImage c = face(card, w);
        std::vector<bool> mask;
        int inkRows = 0;
        for (int y = sign.top(); y <= sign.bottom(); ++y) {
          bool rowHasInk = false;
          for (int x = sign.left(); x <= sign.right(); ++x) {
            const QRgb px = c.pixel(x, y);
            const bool ink = px == suitInk(Suit::Spades).rgb();
            if (!ink && px != qRgb(255, 255, 255)) return std::pair{std::vector<bool>{}, 0};
            mask.push_back(ink);
            rowHasInk = rowHasInk || ink;
          }
          inkRows += rowHasInk;
        }
        return std::pair{mask, inkRows};
      };
      const auto [club, clubRows] = inkMask(2);     // the two of clubs
      const auto [spade, spadeRows] = inkMask(41);  // the two of spades
      QVERIFY2(!club.empty() && !spade.empty(), "the sign has shades between ink and paper");
      QVERIFY(clubRows >= 7 && spadeRows >= 7);
      int differing = 0;
      for (size_t i = 0; i < club.size(); ++i) differing += club[i] != spade[i];
      QVERIFY(differing >= 6);
    }
  }

  // Each of the twelve court cards has a figure of its own: the courts of
  // one rank differ across their middle, not only in the corner index.
  void everyCourtHasItsOwnFigure() {
    for (int rank = 11; rank <= 13; ++rank) {
      for (int a = 0; a < 4; ++a) {
        for (int b = a + 1; b < 4; ++b) {
          const QImage one = face(a * 13 + rank, 40), other = face(b * 13 + rank, 40);
          const QRect middle(12, 17, 16, 22);
          int differing = 0;
          for (int y = middle.top(); y <= middle.bottom(); ++y)
            for (int x = middle.left(); x <= middle.right(); ++x)
              differing += one.pixel(x, y) != other.pixel(x, y);
          QVERIFY2(differing > middle.width() * middle.height() / 5,
                   qPrintable(QStringLiteral("rank %1, suits %2 and %3").arg(rank).arg(a).arg(b)));
        }
      }
    }
  }

  // Court cards carry a coloured picture, not just a letter.
  void courtCardsShowAFigure() {
    for (int card : {11, 12, 13, 24, 25, 26, 37, 38, 39, 50, 51, 52}) {
      const QImage c = face(card, 40);
      const QRectF frame = faceLayout(c.size(), card).courtFrame;
      int coloured = 0;
      for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
          if (QColor(c.pixel(x, y)).hsvSaturation() > 100) ++coloured;
        }
      }
      QVERIFY2(coloured > frame.width() * frame.height() / 4, qPrintable(QString::number(card)));
    }
    QVERIFY(face(11, 60) != face(12, 60));
    QVERIFY(face(12, 60) != face(13, 60));
  }

  // At every size the corner indexes stand clear of the pips, the ace's
  // ring and the court picture, and no pip touches another: a four shows
  // four pips beside its index, not an index of "4 and two clubs".
  void nothingOnAFaceTouchesAnythingElse() {
    constexpr qreal clearGap = 2;
    for (int w = 40; w <= 90; w += 5) {
      const QRectF card(0, 0, w, cardHeightFor(w));
      for (int code = 1; code <= 52; ++code) {
        const FaceLayout face = faceLayout(card.size(), code);
        const QString where = QStringLiteral("card %1 at width %2").arg(code).arg(w);
        const std::vector<QRectF> index = face.indexBoxes();
        for (const QRectF& box : index) QVERIFY2(card.contains(box), qPrintable(where));
        QVERIFY2(gapBetween(face.rank, face.indexSuit) >= 1, qPrintable(where));
        for (const QRectF& own : index) {
          for (const QRectF& picture : face.pictureBoxes())
            QVERIFY2(gapBetween(own, picture) >= clearGap, qPrintable(where));
          if (face.ringRadius > 0) {
            const qreal ringOuter = face.ringRadius + face.ringPen / 2;
            QVERIFY2(distanceToBox(face.pips.front().box.center(), own) >= ringOuter + clearGap,
                     qPrintable(where));
          }
        }
        for (size_t i = 0; i < face.pips.size(); ++i) {
          QVERIFY2(card.contains(face.pips[i].box), qPrintable(where));
          for (size_t j = i + 1; j < face.pips.size(); ++j)
            QVERIFY2(gapBetween(face.pips[i].box, face.pips[j].box) >= 0, qPrintable(where));
        }
      }
    }
  }

  // No two court cards wear robes of colours that could be taken for each
  // other.
  void twelveCourtsWearTwelveColours() {
    std::vector<QColor> robes;
    for (int suit = 0; suit < 4; ++suit)
      for (int rank = 11; rank <= 13; ++rank) robes.push_back(robeColour(suitOfRow(suit), rank));
    for (size_t i = 0; i < robes.size(); ++i) {
      for (size_t j = i + 1; j < robes.size(); ++j) {
        QVERIFY2(colourDistance(robes[i], robes[j]) > 100,
                 qPrintable(QStringLiteral("%1 and %2").arg(robes[i].name(), robes[j].name())));
      }
    }
  }

  void codesOutsideTheDeckPaintNothing() {
    for (int code : {0, 53, 200, -1}) {
      const QImage c = face(code, 40);
      QCOMPARE(qAlpha(c.pixel(20, 28)), 0);
    }
  }

  // Laid out by the board's formulas, the logo, the hand label and the books
  // label stay inside the panel beside the grid and never overlap.
  void labelsFitTheirPlacesOnTheBoard() {
    for (int w = 40; w <= 90; w += 5) {
      const CardSize cards = CardSize::ofWidth(w);
      const int h = cards.height;
      const int gridWidth = cards.boardWidth();
      const int panelLeft = cards.tapestryLeft();
      const QImage logo = drawLogoLabel(4 * w), books = drawBooksLabel(4 * w),
                   hand = drawHandLabel(4 * w);
      const QRect logoAt(static_cast<int>(gridWidth - w / 2.0 - logo.width()), h / 5, logo.width(),
                         logo.height());
      const QRect handAt(gridWidth - w - hand.width(), 4 * (h + 1) - hand.height(), hand.width(),
                         hand.height());
      const QRect booksAt(gridWidth - w - books.width(), 6 * (h + 1) - books.height(),
                          books.width(), books.height());
      for (const QRect& r : {logoAt, handAt, booksAt}) QVERIFY(r.left() >= panelLeft);
      QVERIFY(!logoAt.intersects(handAt));
      // The books label sits in the rows above the books area, below the hand row.
      QVERIFY(booksAt.top() > 5 * (h + 1));
    }
  }

  // The about box keeps the place of its version text, links and buttons
  // plain, so that they can be read on it.
  void aboutBoxLeavesRoomForItsText() {
    const QImage box = drawAboutBox();
    const QRect textArea(183, 87, 303, 75);
    int lightest = 255, darkest = 0;
    for (int y = textArea.top(); y <= textArea.bottom(); ++y) {
      for (int x = textArea.left(); x <= textArea.right(); ++x) {
        const int l = QColor(box.pixel(x, y)).lightness();
        lightest = std::min(lightest, l);
        darkest = std::max(darkest, l);
      }
    }
    QVERIFY(lightest > 200);
    QVERIFY(darkest - lightest < 40);
  }

  void iconIsTransparentAroundItsCards() {
    const QImage icon = drawIcon();
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(icon.pixel(45, 0)), 0);
    QCOMPARE(qAlpha(icon.pixel(23, 30)), 255);
  }

  void picturesAreDrawnByName() {
    QCOMPARE(drawPicture("deck55").size(), QSize(13 * 55, 4 * 77));
    QCOMPARE(drawPicture("victory500").width(), 500);
    QVERIFY(drawPicture("deck").isNull());
    QVERIFY(drawPicture("deck5x").isNull());
    QVERIFY(drawPicture("logo-40").isNull());
    QVERIFY(drawPicture("PXconflict").isNull());  // made by the help window, not here
    // The same name draws the same picture every time.
    QCOMPARE(drawPicture("backs40"), drawPicture("backs40"));
  }
};

QTEST_MAIN(ArtworkTests)
#include "ArtworkTests.moc"
