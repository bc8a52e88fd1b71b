#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "DialogDriving.h"
#include "dialogs/URLcanvas.h"
#include "dialogs/Wabout.h"

using namespace velmoran;
using namespace velmoran::testing;

namespace {

const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);

// A link 170 x 18 as the about box has them, opening into a list.
struct Link {
  QWidget window;
  URLcanvas* canvas = new URLcanvas(&window);
  QList<QUrl> opened;

  Link() {
    canvas->setGeometry(10, 10, 170, 18);
    canvas->URLtext = "velmoran.example";
    canvas->URLlinkColor = blue;
    canvas->URLclickColor = red;
    canvas->URLtarget = "https://velmoran.example/";
    canvas->setOpener([this](const QUrl& url) { opened << url; });
    window.show();
  }

  void press(QPoint at) { QTest::mousePress(canvas, Qt::LeftButton, {}, at); }
  void drag(QPoint to) { QTest::mouseMove(canvas, to); }
  void release(QPoint at) { QTest::mouseRelease(canvas, Qt::LeftButton, {}, at); }
};

}  // namespace

class LinksTest : public QObject {
  Q_OBJECT

 private slots:
  void pressAndReleaseInsideOpensOnce();
  void dragOffAndReleaseOpensNothing();
  void dragOffAndBackOpens();
  void releaseOnTheEdgeRows_data();
  void releaseOnTheEdgeRows();
  void aboutBoxLinksAndTexts();
  void aboutBoxEndings_data();
  void aboutBoxEndings();
};

void LinksTest::pressAndReleaseInsideOpensOnce() {
  Link link;
  QCOMPARE(link.canvas->textColor(), blue);
  link.press({20, 9});
  QCOMPARE(link.canvas->textColor(), red);
  link.release({20, 9});
  QCOMPARE(link.opened, QList<QUrl>{QUrl("https://velmoran.example/")});
  QCOMPARE(link.canvas->textColor(), blue);
}

void LinksTest::dragOffAndReleaseOpensNothing() {
  Link link;
  link.press({20, 9});
  link.drag({20, 40});
  QCOMPARE(link.canvas->textColor(), blue);
  link.release({20, 40});
  QVERIFY(link.opened.isEmpty());
  QCOMPARE(link.canvas->textColor(), blue);
}

void LinksTest::dragOffAndBackOpens() {
  Link link;
  link.press({20, 9});
  link.drag({200, 9});
  QCOMPARE(link.canvas->textColor(), blue);
  link.drag({60, 9});
  QCOMPARE(link.canvas->textColor(), red);
  link.release({60, 9});
  QCOMPARE(link.opened.size(), 1);
  QCOMPARE(link.canvas->textColor(), blue);
}

// Only the inner part counts: the top row and the left column are outside,
// the last row and column inside.
void LinksTest::releaseOnTheEdgeRows_data() {
  QTest::addColumn<QPoint>("at");
  QTest::addColumn<bool>("opens");
  QTest::newRow("top row") << QPoint(20, 0) << false;
  QTest::newRow("left column") << QPoint(0, 9) << false;
  QTest::newRow("bottom row") << QPoint(20, 17) << true;
  QTest::newRow("right column") << QPoint(169, 9) << true;
  QTest::newRow("just below") << QPoint(20, 18) << false;
  QTest::newRow("just right") << QPoint(170, 9) << false;
}

void LinksTest::releaseOnTheEdgeRows() {
  QFETCH(QPoint, at);
  QFETCH(bool, opens);
  Link link;
  link.press({20, 9});
  link.drag(at);
  link.release(at);
  QCOMPARE(link.opened.size(), opens ? 1 : 0);
  QCOMPARE(link.canvas->textColor(), blue);
}

void LinksTest::aboutBoxLinksAndTexts() {
  Wabout about;
  QCOMPARE(about.windowTitle(), QStringLiteral("About Velmoran"));
  QCOMPARE(about.size(), QSize(500, 170));
  QCOMPARE(about.minimumSize(), about.maximumSize());
  QVERIFY(!(about.windowFlags() & Qt::WindowCloseButtonHint));
  QVERIFY(about.property("blocksQuit").toBool());
  QVERIFY(about.StaticText1->text().startsWith("Velmoran v. 2.2\n"));
  QCOMPARE(about.PBdone->text(), QStringLiteral("Done"));
  QCOMPARE(about.PBinstructions->text(), QStringLiteral("Instructions"));
  QCOMPARE(about.CVweb->geometry(), QRect(183, 124, 170, 18));
  QCOMPARE(about.CVemail->geometry(), QRect(183, 142, 170, 18));
  QCOMPARE(about.CVemail->URLtarget, "mailto:" + about.CVemail->URLtext);
  for (URLcanvas* link : {about.CVweb, about.CVemail}) {
    QCOMPARE(link->textColor(), blue);
    QCOMPARE(link->URLclickColor, red);
    QCOMPARE(link->URLsize, 10);
    QCOMPARE(link->focusPolicy(), Qt::NoFocus);
  }
}

void LinksTest::aboutBoxEndings_data() {
  QTest::addColumn<QString>("how");
  QTest::addColumn<QStringList>("wanted");
  const QStringList main{"main"};
  QTest::newRow("Done") << "done" << main;
  QTest::newRow("Return") << "return" << main;
  QTest::newRow("Escape") << "escape" << main;
  QTest::newRow("window manager") << "close" << main;
  QTest::newRow("Instructions") << "instructions" << QStringList{"help"};
}

// Every way out closes the box for good; Instructions asks for the help
// window, every other way for the main window.
void LinksTest::aboutBoxEndings() {
  QFETCH(QString, how);
  QFETCH(QStringList, wanted);
  QPointer<Wabout> about = new Wabout;
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
  QCOMPARE(asked, wanted);
}

QTEST_MAIN(LinksTest)
#include "tst_links.moc"
