#include <QDir>
#include <QFile>
#include <QMutex>
#include <QtEndian>
#include <QtTest>
#include <cmath>

#include "assets/SoundBank.h"
#include "resources/sounds/SoundFiles.h"
#include "resources/sounds/Synth.h"
#include "assets/SoundModule.h"

using namespace velmoran;
using namespace velmoran::assets;

namespace {

struct Wav {
  int channels = 0, rate = 0, bits = 0;
  std::vector<double> samples;  // -1 .. 1
};

// Reads the plain 44-byte-header PCM files the synthesizer writes.
bool readWav(const QString& path, Wav& wav) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray data = file.readAll();
  if (data.size() < 44 || !data.startsWith("RIFF") || data.mid(8, 8) != "WAVEfmt " ||
      data.mid(36, 4) != "data") {
    return false;
  }
  auto u16 = [&](int at) { return qFromLittleEndian<quint16>(data.constData() + at); };
  auto u32 = [&](int at) { return qFromLittleEndian<quint32>(data.constData() + at); };
  if (u16(20) != 1 || u32(4) != static_cast<quint32>(data.size() - 8)) return false;
  wav.channels = u16(22);
  wav.rate = static_cast<int>(u32(24));
  wav.bits = u16(34);
  const auto bytes = u32(40);
  if (bytes != static_cast<quint32>(data.size() - 44)) return false;
  for (quint32 i = 0; i + 1 < bytes; i += 2) {
    wav.samples.push_back(qFromLittleEndian<qint16>(data.constData() + 44 + i) / 32767.0);
  }
  return true;
}

// What is logged while it lives, from any thread.
class MessageLog {
 public:
  MessageLog() : passOn_(qInstallMessageHandler(record)) { current_ = this; }
  ~MessageLog() {
    qInstallMessageHandler(passOn_);
    current_ = nullptr;
  }
  QStringList lines() const {
    QMutexLocker lock(&mutex_);
    return lines_;
  }

 private:
  static void record(QtMsgType, const QMessageLogContext&, const QString& text) {
    QMutexLocker lock(&current_->mutex_);
    current_->lines_ << text;
  }
  static inline MessageLog* current_ = nullptr;
  QtMessageHandler passOn_;
  mutable QMutex mutex_;
  QStringList lines_;
};

double largestStep(const std::vector<double>& s) {
  double step = 0;
  for (size_t i = 1; i < s.size(); ++i) step = std::max(step, std::abs(s[i] - s[i - 1]));
  return step;
}

}  // namespace

class SoundTests : public QObject {
  Q_OBJECT

 private slots:
  void everySoundIsAWavOfItsLength_data() {
    QTest::addColumn<int>("index");
    for (size_t i = 0; i < soundList.size(); ++i) {
      QTest::newRow(soundList[i].name.data()) << static_cast<int>(i);
    }
  }

  void everySoundIsAWavOfItsLength() {
    QFETCH(int, index);
    const SoundEntry& entry = soundList[static_cast<size_t>(index)];
    Wav wav;
    QVERIFY(readWav(sounds::soundFile(entry.name), wav));
    QCOMPARE(wav.channels, 1);
    QCOMPARE(wav.bits, 16);
    QCOMPARE(wav.rate, sounds::sampleRate);
    QCOMPARE(static_cast<int>(wav.samples.size() * 1000 / static_cast<size_t>(wav.rate)),
             entry.milliseconds);
    const auto sound = static_cast<Sound>(index);
    QCOMPARE(SoundBank::instance().duration(sound).count(), entry.milliseconds);
    QCOMPARE(SoundBank::instance().soundNumber(sound), 168 + index);
    double peak = 0;
    for (double s : wav.samples) peak = std::max(peak, std::abs(s));
    QVERIFY(peak > 0.3);  // audible
    // No click: a sound starts from (near) silence, and a one-shot ends in it.
    QVERIFY(std::abs(wav.samples.front()) < 0.01);
    if (entry.loops) {
      // The end joins the start no more abruptly than any step inside.
      QVERIFY(std::abs(wav.samples.back() - wav.samples.front()) <= largestStep(wav.samples));
    } else {
      QVERIFY(std::abs(wav.samples.back()) < 0.01);
    }
  }

  // The build embeds one WAV for each sound of the list, and nothing else.
  void theEmbeddedSoundsAreThoseOfTheList() {
    QStringList listed;
    for (const auto& entry : soundList)
      listed << QString::fromLatin1(entry.name.data(), static_cast<qsizetype>(entry.name.size())) +
                    QStringLiteral(".wav");
    listed.sort();
    QCOMPARE(QDir(QStringLiteral(":/sounds")).entryList(QDir::Files, QDir::Name), listed);
  }

  // The waits of the game depend on these lengths.
  void lengthsSuitTheirWaits() {
    auto ms = [](Sound s) { return SoundBank::instance().duration(s).count(); };
    QVERIFY(ms(Sound::SNDslap) >= 100 && ms(Sound::SNDslap) <= 200);
    QVERIFY(ms(Sound::SNDflick) >= 50 && ms(Sound::SNDflick) <= 110);
    QVERIFY(ms(Sound::SNDshuffle) >= 1500 && ms(Sound::SNDshuffle) <= 2100);
    QVERIFY(ms(Sound::SNDfanfare) >= 2200 && ms(Sound::SNDfanfare) <= 2800);
  }

  // The back end is a module of its own: when it cannot be found the game
  // would only fall silent, so its loading is checked here. Without an
  // audio output (a build machine) no sound is made, and a single line
  // says that the game is silent, not one line per sound.
  void theAudioBackEndLoadsAndReadsEverySound() {
    MessageLog log;
    SoundModule module;
    std::vector<std::unique_ptr<SoundOutput>> made;
    for (const auto& entry : soundList) {
      if (auto sound = module.make(QStringLiteral("qrc") + sounds::soundFile(entry.name)))
        made.push_back(std::move(sound));
    }
    QTest::qWait(1000);  // the sounds are read meanwhile
    if (made.empty()) {
      QCOMPARE(log.lines(), QStringList{"No audio output found: the game stays silent"});
    } else {
      QCOMPARE(made.size(), soundList.size());
      QCOMPARE(log.lines(), QStringList());
    }
  }

  // Preloading at start-up leaves the loading to another thread; a play
  // straight after it waits for the loading, plays and keeps its length.
  void aPlayStraightAfterPreloadingPlays() {
    SoundBank& bank = SoundBank::instance();
    for (int i = 0; i < soundCount; ++i) bank.preload(static_cast<Sound>(i));
    bank.play(Sound::SNDslap);
    QVERIFY(bank.isPlaying(Sound::SNDslap));
    QTRY_VERIFY_WITH_TIMEOUT(!bank.isPlaying(Sound::SNDslap), 1000);
  }

  void aSoundPlaysForItsLengthThenEnds() {
    SoundBank& bank = SoundBank::instance();
    QVERIFY(!bank.isPlaying(Sound::SNDflick));
    bank.play(Sound::SNDflick);
    QVERIFY(bank.isPlaying(Sound::SNDflick));
    QTRY_VERIFY_WITH_TIMEOUT(!bank.isPlaying(Sound::SNDflick), 1000);
    // A wait for a sound lasts the sound's own length, no longer: a bump
    // and the next one follow each other at the sound's pace.
    bank.play(Sound::SNDbump);
    QTest::qSleep(static_cast<int>(bank.duration(Sound::SNDbump).count()) + 10);
    QVERIFY(!bank.isPlaying(Sound::SNDbump));
  }

  void aStoppedSoundIsNotPlaying() {
    SoundBank& bank = SoundBank::instance();
    bank.play(Sound::SNDfanfare);
    QVERIFY(bank.isPlaying(Sound::SNDfanfare));
    bank.stop(Sound::SNDfanfare);
    QVERIFY(!bank.isPlaying(Sound::SNDfanfare));
    bank.stop(Sound::SNDbump);  // never played: nothing happens
    QVERIFY(!bank.isPlaying(Sound::SNDbump));
  }

  void aLoopPlaysUntilStopped() {
    SoundBank& bank = SoundBank::instance();
    bank.playLooping(Sound::SNDhumloop);
    QTest::qWait(static_cast<int>(bank.duration(Sound::SNDhumloop).count()) + 300);
    QVERIFY(bank.isPlaying(Sound::SNDhumloop));
    bank.stop(Sound::SNDhumloop);
    QVERIFY(!bank.isPlaying(Sound::SNDhumloop));
    // Played once again after looping, it ends by itself.
    bank.play(Sound::SNDhumloop);
    QTRY_VERIFY_WITH_TIMEOUT(!bank.isPlaying(Sound::SNDhumloop), 2000);
  }
};

QTEST_MAIN(SoundTests)
#include "SoundTests.moc"
