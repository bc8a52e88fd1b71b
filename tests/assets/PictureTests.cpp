#include <QColor>
#include <QPainter>
#include <QSet>
#include <QtTest>
#include <cmath>

#include "assets/Assets.h"
#include "resources/BackPainter.h"
#include "engine/CardBacks.h"
#include "resources/CardPainter.h"

using namespace velmoran;
using namespace velmoran::assets;

namespace {

constexpr int widths[] = {40, 45, 50, 55, 60, 65, 70, 75, 80, 85, 90};

QImage cell(const QImage& sheet, int column, int row, int w) {
  const int h = cardHeightFor(w);
  return sheet.copy(column * w, row * h, w, h).convertToFormat(QImage::Format_ARGB32);
}

// Mean difference per colour channel between two pictures of one size.
double difference(const QImage& a, const QImage& b) {
  double sum = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
             std::abs(qBlue(p) - qBlue(q));
    }
  }
  return sum / (3.0 * a.width() * a.height());
}

// A family member by card width, as kept once drawn.
const QImage& member(const char* family, int size) {
  return picture(family + std::to_string(size));
}

bool isPureWhite(QRgb c) { return (c & 0xffffff) == 0xffffff && qAlpha(c) == 255; }

}  // namespace

class PictureTests : public QObject {
  Q_OBJECT

 private slots:
  void everyFamilyMemberHasItsSize() {
    for (int w : widths) {
      const int h = cardHeightFor(w);
      QCOMPARE(h * 5, w * 7);
      QCOMPARE(member("deck", w).size(), QSize(13 * w, 4 * h));
      QCOMPARE(member("backs", w).size(), QSize(8 * w, 4 * h));
      for (const QImage* label : {&member("logo", 4 * w), &member("books", 4 * w), &member("hand", 4 * w)}) {
        QCOMPARE(label->width(), 4 * w);
        QVERIFY(label->height() > 0 && label->height() < 2 * h);
      }
      QCOMPARE(member("victory", 10 * w).width(), 10 * w);
      // The banner is centred on the grid: it must fit inside it.
      QVERIFY(member("victory", 10 * w).height() < 9 * (h + 1));
    }
  }

  void singlePicturesHaveTheirSizes() {
    QCOMPARE(picture("bluetile").size(), QSize(150, 150));
    QCOMPARE(picture("PXaboutBox").size(), QSize(500, 170));
    QCOMPARE(picture("PXicon").size(), QSize(46, 60));
  }

  // Each card fills its cell exactly: its edge runs along the cell's sides
  // and only the rounded corners are left transparent.
  void cardsFillTheirCells() {
    for (int w : {40, 65, 90}) {
      const int h = cardHeightFor(w);
      for (const QImage* sheet : {&member("deck", w), &member("backs", w)}) {
        const int columns = sheet->width() / w;
        for (int row = 0; row < 4; ++row) {
          for (int column = 0; column < columns; ++column) {
            const QImage c = cell(*sheet, column, row, w);
            for (QPoint corner :
                 {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
              QCOMPARE(qAlpha(c.pixel(corner)), 0);
            }
            for (QPoint edge :
                 {QPoint(w / 2, 0), QPoint(w / 2, h - 1), QPoint(0, h / 2), QPoint(w - 1, h / 2)}) {
              QVERIFY(qAlpha(c.pixel(edge)) > 200);
            }
            QCOMPARE(qAlpha(c.pixel(w / 2, h / 2)), 255);
          }
        }
      }
    }
  }

  // Hearts and diamonds are red, spades and clubs black, row by row.
  void suitRowsHaveTheirColours() {
    const int w = 60;
    for (int row = 0; row < 4; ++row) {
      const QImage two = cell(member("deck", w), 1, row, w);
      int red = 0;
      for (int y = 0; y < two.height(); ++y) {
        for (int x = 0; x < two.width(); ++x) {
          const QColor c = two.pixelColor(x, y);
          if (c.alpha() == 255 && c.red() > 150 && c.green() < 80) ++red;
        }
      }
      const bool redSuit = art::isRed(art::suitOfRow(row));
      QVERIFY2(redSuit ? red > 50 : red == 0, qPrintable(QString::number(row)));
    }
  }

  void everyFaceAndEveryBackIsDistinct() {
    const int w = 40;
    std::vector<QImage> faces, backs;
    for (int row = 0; row < 4; ++row) {
      for (int column = 0; column < 13; ++column)
        faces.push_back(cell(member("deck", w), column, row, w));
      for (int column = 0; column < 8; ++column)
        backs.push_back(cell(member("backs", w), column, row, w));
    }
    for (size_t i = 0; i < faces.size(); ++i) {
      for (size_t j = i + 1; j < faces.size(); ++j) QVERIFY(faces[i] != faces[j]);
    }
    for (size_t i = 0; i < backs.size(); ++i) {
      for (size_t j = i + 1; j < backs.size(); ++j) {
        QVERIFY2(difference(backs[i], backs[j]) > 12,
                 qPrintable(QStringLiteral("backs %1 and %2 look alike").arg(i).arg(j)));
      }
    }
  }

  // The cell a design's list entry names holds that design, and a design is
  // drawn the same every time.
  void backsSitInTheCellsOfTheirNames() {
    const int w = 50;
    const int h = cardHeightFor(w);
    for (int n : {1, 2, 3, 13, 19, 26, 32}) {
      QImage alone(w, h, QImage::Format_ARGB32_Premultiplied);
      alone.fill(Qt::transparent);
      QPainter p(&alone);
      art::paintCardBack(p, QRectF(0, 0, w, h), n);
      p.end();
      const QImage expected = alone.convertToFormat(QImage::Format_ARGB32);
      // Fine lines may be smoothed a little differently at another offset,
      // so the named cell need only be the closest of all 32 to the design.
      const CardBackDesign d = cardBackDesign(n);
      const double own = difference(cell(member("backs", w), d.column, d.row, w), expected);
      for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 8; ++column) {
          if (column == d.column && row == d.row) continue;
          QVERIFY(difference(cell(member("backs", w), column, row, w), expected) > 2 * own);
        }
      }
    }
  }

  // Labels are shown with white as the transparent colour: the background is
  // pure white, the lettering never is, and nothing next to the background
  // is so light that it would show as a pale fringe on the blue tapestry.
  void labelsVanishAroundTheirLetteringWithoutAFringe() {
    for (int w : {40, 90}) {
      for (const QImage* label : {&member("logo", 4 * w), &member("books", 4 * w), &member("hand", 4 * w)}) {
        const QImage l = label->convertToFormat(QImage::Format_ARGB32);
        QVERIFY(isPureWhite(l.pixel(0, 0)));
        QVERIFY(isPureWhite(l.pixel(l.width() - 1, l.height() - 1)));
        int lettering = 0;
        for (int y = 1; y + 1 < l.height(); ++y) {
          for (int x = 1; x + 1 < l.width(); ++x) {
            const QRgb c = l.pixel(x, y);
            if (isPureWhite(c)) continue;
            ++lettering;
            const bool bordersWhite =
                isPureWhite(l.pixel(x - 1, y)) || isPureWhite(l.pixel(x + 1, y)) ||
                isPureWhite(l.pixel(x, y - 1)) || isPureWhite(l.pixel(x, y + 1));
            if (bordersWhite) QVERIFY(QColor(c).lightness() < 200);
          }
        }
        QVERIFY(lettering > l.width());
      }
      // The banner is drawn whole, with no transparent parts.
      const QImage banner = member("victory", 10 * w).convertToFormat(QImage::Format_ARGB32);
      QVERIFY(!isPureWhite(banner.pixel(0, 0)));
      QCOMPARE(qAlpha(banner.pixel(banner.width() / 2, banner.height() / 2)), 255);
    }
  }

  // Tiles laid side by side show no seam: the step from the last column
  // (row) to the first is no larger than steps inside the tile.
  void blueTileRepeatsWithoutSeams() {
    const QImage tile = picture("bluetile").convertToFormat(QImage::Format_RGB32);
    auto step = [&](QPoint a, QPoint b) {
      const QColor p = tile.pixelColor(a), q = tile.pixelColor(b);
      return std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
             std::abs(p.blue() - q.blue());
    };
    int inside = 0, seam = 0;
    for (int i = 0; i < 150; ++i) {
      for (int j = 0; j + 1 < 150; ++j) {
        inside = std::max({inside, step({j, i}, {j + 1, i}), step({i, j}, {i, j + 1})});
      }
      seam = std::max({seam, step({149, i}, {0, i}), step({i, 149}, {i, 0})});
    }
    QVERIFY(seam <= inside);
  }

  void accessorsDrawOnceAndKeepThePicture() {
    const QImage& first = picture("deck70");
    const uchar* bits = first.constBits();
    QCOMPARE(&picture("deck70"), &first);
    QCOMPARE(picture("deck70").constBits(), bits);
  }

  void namesMeetTheirNumbers() {
    QCOMPARE(pictureNumber("deck70"), 168);
    QCOMPARE(pictureNumber("backs90"), 181);
    QCOMPARE(pictureNumber("logo240"), 194);
    QCOMPARE(pictureNumber("victory900"), 239);
    QCOMPARE(pictureNumber("bluetile"), 179);
    QCOMPARE(pictureNumber("PXicon"), 250);
    QCOMPARE(pictureNumber("nothing"), 0);
    QSet<int> numbers;
    QSet<QString> names;
    for (const PictureEntry& e : pictureTable) {
      numbers.insert(e.number);
      names.insert(QString::fromLatin1(e.name.data(), static_cast<qsizetype>(e.name.size())));
    }
    QCOMPARE(pictureTable.size(), size_t{80});
    QCOMPARE(numbers.size(), 80);
    QCOMPARE(names.size(), 80);
  }

  void unknownNamesAndWidthsGiveAnEmptyPicture() {
    QVERIFY(picture("deck42").isNull());
    QVERIFY(picture("").isNull());
    QVERIFY(picture("PXnothing").isNull());
    QVERIFY(drawFamilyMember(Family::Deck, 42).isNull());
    QVERIFY(drawFamilyMember(Family::Backs, 35).isNull());
    QVERIFY(drawFamilyMember(Family::Victory, 95).isNull());
  }

  // The help diagrams need the real windows, which this library has not got.
  void aHelpDiagramIsEmptyUntilItsMakerIsRegistered() {
    QVERIFY(picture("PXstats").isNull());
    registerPicture("PXstats", [] { return QImage(30, 15, QImage::Format_RGB32); });
    QCOMPARE(picture("PXstats").size(), QSize(30, 15));
  }

  void aRegisteredMakerWinsEvenOverADrawnPicture() {
    const QImage& drawn = picture("bluetile");
    QVERIFY(!drawn.isNull());
    int calls = 0;
    registerPicture("bluetile", [&calls] {
      ++calls;
      QImage grab(20, 10, QImage::Format_RGB32);
      grab.fill(Qt::green);
      return grab;
    });
    const QImage& replaced = picture("bluetile");
    QCOMPARE(&replaced, &drawn);  // references held by callers see the new picture
    QCOMPARE(replaced.size(), QSize(20, 10));
    picture("bluetile");
    QCOMPARE(calls, 1);
  }

  void aFailedMakerIsTriedAgainNextTime() {
    int calls = 0;
    registerPicture("PXhand", [&calls] {
      ++calls;
      return calls < 2 ? QImage() : QImage(5, 5, QImage::Format_RGB32);
    });
    QVERIFY(picture("PXhand").isNull());
    QCOMPARE(picture("PXhand").size(), QSize(5, 5));
    QCOMPARE(calls, 2);
    registerPicture("notAPicture", [] { return QImage(1, 1, QImage::Format_RGB32); });
    QVERIFY(picture("notAPicture").isNull());
  }
};

QTEST_MAIN(PictureTests)
#include "PictureTests.moc"
