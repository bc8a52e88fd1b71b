#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "resources/sounds/Synth.h"
#include "resources/sounds/WavFile.h"

using namespace velmoran;
using namespace velmoran::sounds;

class SynthTests : public QObject {
  Q_OBJECT

 private slots:
  void fadedEdgesStartAndEndInSilence() {
    Samples s(1000, 0.5f);
    fadeEdges(s, 44100, 5, 5);
    QCOMPARE(s.front(), 0.0f);
    QVERIFY(std::abs(s.back()) < 1e-3f);
    QCOMPARE(s[500], 0.5f);  // the middle is untouched
    Samples tiny(3, 1.0f);
    fadeEdges(tiny, 44100, 50, 50);  // fades longer than the sound
    QVERIFY(tiny.front() < 0.5f);
  }

  void normalisingReachesThePeakAndLeavesSilenceAlone() {
    Samples s{0.1f, -0.4f, 0.2f};
    normalise(s, 0.8f);
    QCOMPARE(s[1], -0.8f);
    QCOMPARE(s[0], 0.2f);
    Samples silent(10, 0.0f);
    normalise(silent, 0.8f);
    QCOMPARE(silent[5], 0.0f);
  }

  void soundsAreTheSameOnEveryBuild() {
    for (const SoundEntry& entry : soundList) {
      const Samples a = synthesize(entry.sound, sampleCount(entry), sampleRate);
      QCOMPARE(a.size(), static_cast<size_t>(sampleCount(entry)));
      QVERIFY(a == synthesize(entry.sound, sampleCount(entry), sampleRate));
    }
  }

  void wavFilesHoldTheirSamples() {
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("t.wav")).toStdString();
    QVERIFY(writeWav(path, {0.0f, 1.0f, -1.0f, 2.0f}, 8000));
    QFile file(QString::fromStdString(path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    QCOMPARE(data.size(), 44 + 8);
    QCOMPARE(data.left(4), QByteArray("RIFF"));
    auto sample = [&](int i) { return qFromLittleEndian<qint16>(data.constData() + 44 + 2 * i); };
    QCOMPARE(sample(1), qint16(32767));
    QCOMPARE(sample(2), qint16(-32767));
    QCOMPARE(sample(3), qint16(32767));  // clipped
    QVERIFY(
        !writeWav(dir.filePath(QStringLiteral("no/such/folder.wav")).toStdString(), {0.0f}, 8000));
  }
};

QTEST_MAIN(SynthTests)
#include "SynthTests.moc"
