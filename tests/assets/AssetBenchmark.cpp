// How long drawing the pictures of one card size takes: the window draws
// them the first time it takes a size, while the player resizes it.
#include <QtTest>

#include "resources/Artwork.h"

class AssetBenchmark : public QObject {
  Q_OBJECT

 private slots:
  void drawOneFamilyMember_data() {
    QTest::addColumn<QString>("name");
    // The splash's picture is drawn as the splash first shows, the smallest
    // size while the splash is up; its small suit signs are drawn from pixel
    // patterns.
    for (const char* name : {"PXaboutBox", "deck40", "backs40", "deck90", "backs90", "logo360",
                             "books360", "hand360", "victory900"}) {
      QTest::newRow(name) << QString::fromLatin1(name);
    }
  }

  void drawOneFamilyMember() {
    QFETCH(QString, name);
    const std::string n = name.toStdString();
    QBENCHMARK { QVERIFY(!velmoran::art::drawPicture(n).isNull()); }
  }

  void drawAllSixAtTheLargestSize() {
    QBENCHMARK {
      for (const char* name :
           {"deck90", "backs90", "logo360", "books360", "hand360", "victory900"}) {
        QVERIFY(!velmoran::art::drawPicture(name).isNull());
      }
    }
  }
};

QTEST_MAIN(AssetBenchmark)
#include "AssetBenchmark.moc"
