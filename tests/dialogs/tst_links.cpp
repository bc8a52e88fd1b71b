#include <QPointer>
#include <QPushButton>

#include "tests/dialogs/DialogDriving.h"
#include "dialogs/URLcanvas.h"
#include "dialogs/Wabout.h"
#include "assets/Assets.h"

using namespace velmoran;
using namespace velmoran::testing;

using Path = QList<QPoint>;
Q_DECLARE_METATYPE(Path)

class LinksTest : public QObject {
  Q_OBJECT

 private slots:
  void pressDragRelease_data();
  void pressDragRelease();
  void linksSitOnTheBackdrop();
  void aboutBoxEndings_data();
  void aboutBoxEndings();
};

// A press at (20, 9) on a 170 x 18 link, moves along the path, a release at
// its last point. Only the strict inside counts: the top row and the left
// column are outside, the bottom row and the right column inside.
void LinksTest::pressDragRelease_data() {
  QTest::addColumn<Path>("path");
  QTest::addColumn<bool>("opens");
  QTest::newRow("release in place") << Path{{20, 9}} << true;
  QTest::newRow("drag off, release") << Path{{20, 40}} << false;
  QTest::newRow("drag off and back") << Path{{200, 9}, {60, 9}} << true;
  QTest::newRow("release on the top row") << Path{{20, 0}} << false;
  QTest::newRow("release on the left column") << Path{{0, 9}} << false;
  QTest::newRow("release on the bottom row") << Path{{20, 17}} << true;
  QTest::newRow("release on the right column") << Path{{169, 9}} << true;
  QTest::newRow("release just right of it") << Path{{170, 9}} << false;
}

void LinksTest::pressDragRelease() {
  QFETCH(Path, path);
  QFETCH(bool, opens);
  Wabout about;
  about.show();
  URLcanvas* link = about.CVweb;
  QList<QUrl> opened;
  link->setOpener([&](const QUrl& url) { opened << url; });
  const QColor blue(0, 0, 255), red(255, 0, 0);

  QCOMPARE(link->textColor(), blue);
  QTest::mousePress(link, Qt::LeftButton, {}, {20, 9});
  QCOMPARE(link->textColor(), red);
  for (const QPoint& point : path) {
    QTest::mouseMove(link, point);
    QCOMPARE(link->textColor(), link->isInside(point) ? red : blue);
  }
  QTest::mouseRelease(link, Qt::LeftButton, {}, path.last());
  QCOMPARE(opened, opens ? QList<QUrl>{QUrl(Wabout::webTarget)} : QList<QUrl>{});
  QCOMPARE(link->textColor(), blue);
}

// Beside its text a link shows the about box's picture, not a patch of
// plain window colour.
void LinksTest::linksSitOnTheBackdrop() {
  Wabout about;
  about.show();
  const QImage backdrop = assets::picture("PXaboutBox");
  const QImage shown = about.grab().toImage();
  for (const URLcanvas* link : {about.CVweb, about.CVemail}) {
    const QPoint beside = link->geometry().topRight() + QPoint(-2, 2);
    QCOMPARE(shown.pixelColor(beside), backdrop.pixelColor(beside));
  }
}

void LinksTest::aboutBoxEndings_data() {
  QTest::addColumn<QString>("how");
  QTest::addColumn<QString>("wanted");
  QTest::newRow("Done") << "done"
                        << "main";
  QTest::newRow("Return") << "return"
                          << "main";
  QTest::newRow("Escape") << "escape"
                          << "main";
  QTest::newRow("window manager") << "close"
                                  << "main";
  QTest::newRow("Instructions") << "instructions"
                                << "help";
}

// Every way out closes the box for good; Instructions asks for the help
// window, every other way for the main window.
void LinksTest::aboutBoxEndings() {
  QFETCH(QString, how);
  QFETCH(QString, wanted);
  QPointer<Wabout> about = new Wabout;
  QVERIFY(about->property("blocksQuit").toBool());
  QStringList asked;
  connect(about, &Wabout::mainWindowWanted, [&] { asked << "main"; });
  connect(about, &Wabout::instructionsWanted, [&] { asked << "help"; });
  about->show();
  if (how == "done") QTest::mouseClick(about->PBdone, Qt::LeftButton);
  if (how == "return") pressKey(about, Qt::Key_Return);
  if (how == "escape") pressKey(about, Qt::Key_Escape);
  if (how == "close") about->close();
  if (how == "instructions") QTest::mouseClick(about->PBinstructions, Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(about.isNull());
  QCOMPARE(asked, QStringList{wanted});
}

QTEST_MAIN(LinksTest)
#include "tst_links.moc"
