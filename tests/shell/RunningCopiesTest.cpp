// The game as real processes: one copy per preferences file, and the
// termination signals, which must save like the close box.
#include <signal.h>
#include <sys/stat.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "engine/NullTable.h"
#include "engine/PrefsFile.h"
#include "shell/SingleInstance.h"

using namespace velmoran;

namespace {

// The executable under test; VELMORAN_EXECUTABLE may name another build.
QString executable() {
  const QString other = qEnvironmentVariable("VELMORAN_EXECUTABLE");
  return other.isEmpty() ? QStringLiteral(VELMORAN_EXECUTABLE_PATH) : other;
}

struct FileState {
  ino_t inode = 0;
  QByteArray bytes;
  bool operator==(const FileState&) const = default;
};

}  // namespace

class RunningCopiesTest : public QObject {
  Q_OBJECT

  QTemporaryDir config_;
  QString prefsPath() const {
    return config_.filePath(QString::fromStdString(std::string(prefsFileName)));
  }

  FileState fileState() const {
    struct stat status {};
    FileState state;
    if (::stat(QFile::encodeName(prefsPath()).constData(), &status) == 0) state.inode = status.st_ino;
    QFile file(prefsPath());
    if (file.open(QIODevice::ReadOnly)) state.bytes = file.readAll();
    return state;
  }

  // A saved file with seven wins in it, as an earlier run left it.
  void writeEarlierRun() {
    NullTable table;
    SystemRandom random(1);
    MainRoutines game(table, random);
    game.setAllDefaults();
    game.stats.wins = 7;
    QVERIFY(prefsWrite(game, config_.path().toStdString()));
  }

  void start(QProcess& copy) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", config_.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_AUDIO_BACKEND", "none");
    copy.setProcessEnvironment(env);
    copy.start(executable(), {});
    QVERIFY(copy.waitForStarted());
  }

  // The running copy answers a later start once its event loop runs.
  void waitUntilRunning() {
    SingleInstance probe(config_.path().toStdString());
    QTRY_VERIFY_WITH_TIMEOUT(probe.raiseRunningCopy(), 20000);
  }

  // Sends `signal`; true when the copy then ended by itself, with status 0,
  // within `limitMs`.
  bool endsCleanlyOn(QProcess& copy, int signal, int limitMs, qint64* tookMs = nullptr) {
    QElapsedTimer clock;
    clock.start();
    ::kill(static_cast<pid_t>(copy.processId()), signal);
    const bool ended = copy.waitForFinished(limitMs);
    if (tookMs) *tookMs = clock.elapsed();
    if (!ended) {
      copy.kill();
      copy.waitForFinished();
    }
    return ended && copy.exitStatus() == QProcess::NormalExit && copy.exitCode() == 0;
  }

 private slots:
  void init() {
    QVERIFY(config_.isValid());
    QDir(config_.path()).removeRecursively();
    QDir().mkpath(config_.path());
  }

  // A second start does not play from the same saved game: it tells the
  // player and ends without touching the file.
  void aSecondCopyLeavesTheFileAlone() {
    writeEarlierRun();
    QProcess first, second;
    start(first);
    waitUntilRunning();
    const FileState before = fileState();

    start(second);
    QTest::qWait(1500);
    QCOMPARE(second.state(), QProcess::Running);  // telling the player
    QVERIFY(endsCleanlyOn(second, SIGTERM, 2000));
    QVERIFY(fileState() == before);

    QVERIFY(endsCleanlyOn(first, SIGTERM, 2000));
    QVERIFY(!(fileState() == before));  // the first copy saved at its end
  }

  // A copy that died leaves no lock that keeps the next one out.
  void aCrashedCopyLeavesNoLockBehind() {
    QProcess crashed, next;
    start(crashed);
    waitUntilRunning();
    ::kill(static_cast<pid_t>(crashed.processId()), SIGKILL);
    QVERIFY(crashed.waitForFinished());
    QVERIFY(QFile::exists(prefsPath() + ".lock"));

    start(next);
    waitUntilRunning();
    QCOMPARE(next.state(), QProcess::Running);
    QVERIFY(endsCleanlyOn(next, SIGTERM, 2000));
  }

  void aTerminationSignalSavesLikeQuit_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
    QTest::newRow("SIGINT") << SIGINT;
  }

  void aTerminationSignalSavesLikeQuit() {
    QFETCH(int, signal);
    writeEarlierRun();
    QProcess copy;
    start(copy);
    waitUntilRunning();
    const FileState before = fileState();
    qint64 took = 0;
    QVERIFY(endsCleanlyOn(copy, signal, 5000, &took));
    QVERIFY2(took < 1000, qPrintable(QString("%1 ms").arg(took)));

    const FileState after = fileState();
    QVERIFY(after.inode != before.inode);  // written anew
    NullTable table;
    SystemRandom random(1);
    MainRoutines saved(table, random);
    saved.setAllDefaults();
    QVERIFY(applyPrefsText(saved, after.bytes.toStdString()));
    QCOMPARE(saved.stats.wins, 7);
  }
};

QTEST_GUILESS_MAIN(RunningCopiesTest)
#include "RunningCopiesTest.moc"
