// Large pictures on memory of their own: drawn on like any picture, and
// their memory given back as soon as the last copy goes.
#include <QFile>
#include <QPainter>
#include <QTest>

#include "table/LargeImage.h"

using namespace velmoran;

namespace {

double residentMb() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
  return 0;
}

const QSize largestBoard(1639, 1144);

}  // namespace

class LargeImageTest : public QObject {
  Q_OBJECT
 private slots:
  void drawnOnLikeAnyPicture();
  void memoryGoesWithTheLastCopy();
};

// Odd widths keep each line's own length; copies share the pixels until
// one is drawn on.
void LargeImageTest::drawnOnLikeAnyPicture() {
  for (const QSize size : {largestBoard, QSize(1639, 7), QSize(3, 3)}) {
    QImage image = largeImage(size, QImage::Format_RGB32);
    QCOMPARE(image.size(), size);
    QCOMPARE(image.bytesPerLine(), size.width() * 4);
    image.fill(Qt::black);
    QPainter(&image).fillRect(QRect(QPoint(size.width() - 1, 0), QSize(1, size.height())), Qt::red);
    QCOMPARE(image.pixel(size.width() - 1, size.height() - 1), qRgb(255, 0, 0));
    QCOMPARE(image.pixel(0, size.height() - 1), qRgb(0, 0, 0));

    const QImage copy = image;
    image.fill(Qt::white);
    QCOMPARE(copy.pixel(0, 0), qRgb(0, 0, 0));
  }
}

// Forty boards of the largest size, one after another: memory never holds
// more than a few of them.
void LargeImageTest::memoryGoesWithTheLastCopy() {
  if (residentMb() == 0) QSKIP("no /proc here");
  const double before = residentMb();
  for (int i = 0; i < 40; ++i) {
    QImage board = largeImage(largestBoard, QImage::Format_ARGB32_Premultiplied);
    board.fill(Qt::black);
    const QImage shown = board;  // released last
    QVERIFY(residentMb() > before + 6);
  }
  QVERIFY2(residentMb() < before + 4, qPrintable(QString::number(residentMb() - before)));
}

QTEST_GUILESS_MAIN(LargeImageTest)
#include "tst_largeimage.moc"
