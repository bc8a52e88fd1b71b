// The game as real processes: one copy per preferences file, and the
// termination signals, which must save like the close box.
#include <grp.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <limits>
#include <memory>

#include "engine/NullTable.h"
#include "engine/PrefsFile.h"
#include "shell/PrefsStore.h"
#include "shell/SingleInstance.h"

using namespace velmoran;

namespace {

// The executable under test; VELMORAN_EXECUTABLE may name another build.
QString executable() {
  const QString other = qEnvironmentVariable("VELMORAN_EXECUTABLE");
  return other.isEmpty() ? QStringLiteral(VELMORAN_EXECUTABLE_PATH) : other;
}

constexpr uid_t nobody = 65534;

// Whether `player` may run the game: a build in a private folder is out of
// another player's reach.
bool mayRun(uid_t player) {
  const QByteArray program = QFile::encodeName(executable());
  const pid_t child = ::fork();
  if (child == 0)
    ::_exit(::setgid(player) == 0 && ::setuid(player) == 0 && ::access(program, X_OK) == 0 ? 0 : 1);
  int status = 0;
  return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
         WEXITSTATUS(status) == 0;
}

// The lock a copy of the game from before kept, as it held it: its process,
// name, machine and boot.
QByteArray lockOfProcess(qint64 pid) {
  return QByteArray::number(pid) + "\nvelmoran\n" + QSysInfo::machineHostName().toUtf8() + "\n" +
         QSysInfo::machineUniqueId() + "\n" + QSysInfo::bootUniqueId() + "\n";
}

struct MessageCounter final : NullTable {
  int messages = 0;
  void showMessage(const std::string&) override { ++messages; }
};

// The preferences file in `folder`.
QString prefsFileIn(const QString& folder) {
  return folder + "/" + QString::fromStdString(std::string(prefsFileName));
}

// Leaves a socket at `path`, as a program that died while listening there.
bool leaveSocketAt(const QString& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray name = QFile::encodeName(path);
  if (static_cast<std::size_t>(name.size()) >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return bound;
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
  QString prefsPath() const { return prefsFileIn(config_.path()); }

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

  void start(QProcess& copy) { start(copy, config_.path()); }

  // A copy on the preferences in `folder`, run by the player `player`, in
  // the environment set on `copy` if any.
  void start(QProcess& copy, const QString& folder, uid_t player = ::getuid()) {
    QProcessEnvironment env = copy.processEnvironment();
    if (env.isEmpty()) env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", folder);
    if (player != ::getuid()) {
      env.insert("HOME", folder);
      copy.setChildProcessModifier([player] {
        if (::setgroups(0, nullptr) != 0 || ::setgid(player) != 0 || ::setuid(player) != 0)
          ::_exit(125);
      });
    }
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_AUDIO_BACKEND", "none");
    copy.setProcessEnvironment(env);
    copy.start(executable(), {});
    QVERIFY(copy.waitForStarted());
  }

  // The running copy answers a later start once its event loop runs.
  void waitUntilRunning() { waitUntilRunning(config_.path()); }
  void waitUntilRunning(const QString& folder) {
    SingleInstance probe(folder.toStdString());
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
    QFile leftover(prefsPath() + ".saving");  // as a copy killed while saving leaves it
    QVERIFY(leftover.open(QIODevice::WriteOnly));
    leftover.close();

    start(next);
    waitUntilRunning();
    QCOMPARE(next.state(), QProcess::Running);
    QVERIFY(!leftover.exists());
    QVERIFY(endsCleanlyOn(next, SIGTERM, 2000));
  }

  // Only a live copy on the same preferences keeps the game from starting
  // or from saving at its end: neither what lies at the lock's names nor
  // whose it is counts, and the lock is never made through a link.
  void nothingAtTheLockNamesKeepsTheGameFromSaving_data() {
    QTest::addColumn<QString>("kind");     // what lies at the lock's name
    QTest::addColumn<QByteArray>("lock");  // a file's bytes; "%pid": another running copy's
    QTest::addColumn<int>("rootsMode");    // a file of root's, for another player
    const QByteArray deadProcess = lockOfProcess(std::numeric_limits<pid_t>::max());
    QTest::newRow("empty") << "file" << QByteArray() << 0;
    QTest::newRow("junk") << "file" << QByteArray("hello") << 0;
    QTest::newRow("a folder") << "folder" << QByteArray() << 0;
    QTest::newRow("another machine")
        << "file"
        << QByteArray("1\nvelmoran\nelsewhere\n0123456789abcdef0123456789abcdef\n"
                      "01234567-89ab-cdef-0123-456789abcdef\n")
        << 0;
    QTest::newRow("another copy's process") << "file" << QByteArray("%pid") << 0;
    QTest::newRow("a link to itself") << "loop" << QByteArray() << 0;
    QTest::newRow("a link into a missing folder") << "missing" << QByteArray() << 0;
    QTest::newRow("a link to nothing") << "dangling" << QByteArray() << 0;
    QTest::newRow("a socket") << "socket" << QByteArray() << 0;
    QTest::newRow("root's, stale") << "file" << deadProcess << 0644;
    QTest::newRow("root's, stale, unreadable") << "file" << deadProcess << 0600;
    QTest::newRow("root's, unreadable, at both names") << "both" << deadProcess << 0600;
  }

  void nothingAtTheLockNamesKeepsTheGameFromSaving() {
    QFETCH(QString, kind);
    QFETCH(QByteArray, lock);
    QFETCH(int, rootsMode);
    if (rootsMode && (::getuid() != 0 || !mayRun(nobody)))
      QSKIP("another player's lock needs root to be made, and another player to run the game");
    const uid_t player = rootsMode ? nobody : ::getuid();
    QTemporaryDir folder;
    const QString prefs = prefsFileIn(folder.path());
    const QString lockPath = prefs + ".lock";
    const QString linkTarget = folder.filePath("target");
    QProcess other;
    QTemporaryDir otherFolder;
    if (lock == "%pid") {
      start(other, otherFolder.path());
      waitUntilRunning(otherFolder.path());
      lock = lockOfProcess(other.processId());
    }
    if (kind == "folder") QVERIFY(QDir().mkdir(lockPath));
    if (kind == "loop") QVERIFY(QFile::link(lockPath, lockPath));
    if (kind == "missing") QVERIFY(QFile::link(folder.filePath("missing/lock"), lockPath));
    if (kind == "dangling") QVERIFY(QFile::link(linkTarget, lockPath));
    if (kind == "socket") QVERIFY(leaveSocketAt(lockPath));
    QStringList files;
    if (kind == "file") files = {lockPath};
    if (kind == "both") files = {lockPath, lockPath + "-" + QString::number(player)};
    for (const QString& path : files) {
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(lock);
      file.close();
      if (rootsMode) QVERIFY(::chmod(QFile::encodeName(path), rootsMode) == 0);
    }
    QVERIFY(::chown(QFile::encodeName(folder.path()), player, player) == 0);

    QProcess copy;
    start(copy, folder.path(), player);
    waitUntilRunning(folder.path());
    if (player == ::getuid()) {  // and it keeps the next start out
      SingleInstance next(folder.path().toStdString());
      QCOMPARE(next.acquire(), SingleInstance::Start::AnotherCopyRuns);
    }
    QVERIFY(endsCleanlyOn(copy, SIGTERM, 2000));
    QVERIFY2(QFile::exists(prefs), "nothing was saved");
    QVERIFY(!QFile::exists(linkTarget));
    if (other.state() == QProcess::Running) QVERIFY(endsCleanlyOn(other, SIGTERM, 2000));
  }

  // A start beside a copy that dies while starting runs on by itself,
  // rather than tell of a copy that no longer runs: whether that copy dies
  // before it could answer or as soon as it has answered.
  void aStartBesideACopyThatDiesWhileStartingRunsOn_data() {
    QTest::addColumn<int>("diesAfterMs");
    QTest::addColumn<bool>("answersFirst");
    QTest::newRow("at once, before it answers") << 100 << false;
    QTest::newRow("later, before it answers") << 1000 << false;
    QTest::newRow("as soon as it has answered") << 100 << true;
  }

  void aStartBesideACopyThatDiesWhileStartingRunsOn() {
    QFETCH(int, diesAfterMs);
    QFETCH(bool, answersFirst);
    auto starting = std::make_unique<SingleInstance>(config_.path().toStdString());
    QCOMPARE(starting->acquire(), SingleInstance::Start::Alone);
    bool answered = false;
    if (answersFirst) {
      connect(starting.get(), &SingleInstance::raiseRequested, this, [&] { answered = true; });
      starting->answerLaterStarts();
    }
    QProcess next;
    start(next);
    if (answersFirst) QTRY_VERIFY_WITH_TIMEOUT(answered, 10000);
    QTest::qWait(diesAfterMs);
    starting.reset();  // its lock goes with it, as with a killed copy's
    waitUntilRunning();
    QVERIFY(endsCleanlyOn(next, SIGTERM, 2000));
  }

  // A folder that cannot be written lets the game start and tells the
  // player at once, and only then, that nothing will be saved.
  void aFolderThatCannotBeWrittenIsToldOfAtStart_data() {
    QTest::addColumn<bool>("holdsALock");  // as a folder the game once wrote
    QTest::newRow("empty") << false;
    QTest::newRow("holding a lock file") << true;
  }

  void aFolderThatCannotBeWrittenIsToldOfAtStart() {
    QFETCH(bool, holdsALock);
    QTemporaryDir folder;
    const QByteArray path = QFile::encodeName(folder.path());
    if (::mount("tmpfs", path.constData(), "tmpfs", 0, "size=64k") != 0)
      QSKIP("no file system can be mounted here");
    if (holdsALock) {
      QFile lock(prefsFileIn(folder.path()) + ".lock");
      QVERIFY(lock.open(QIODevice::WriteOnly));
    }
    QVERIFY(::mount(nullptr, path.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0);
    SingleInstance instance(folder.path().toStdString());
    const SingleInstance::Start start = instance.acquire();
    MessageCounter table;
    SystemRandom random(1);
    MainRoutines game(table, random);
    game.setAllDefaults();
    PrefsStore prefs(game, folder.path().toStdString());
    prefs.read();
    if (start == SingleInstance::Start::CannotSave) prefs.saveNothing();
    prefs.save();
    QVERIFY(::umount2(path.constData(), MNT_DETACH) == 0);  // the lock may still be open
    QCOMPARE(start, SingleInstance::Start::CannotSave);
    QCOMPARE(prefs.startNotices(),
             QStringList{"Velmoran cannot write to its preferences folder, so your settings and "
                         "this game will not be saved this time."});
    QCOMPARE(table.messages, 0);
  }

  // The notice of a damaged file names the copy that is then kept, next to
  // the copies kept before.
  void aDamagedFileIsKeptWhereTheNoticeSays() {
    QFile older(prefsPath() + ".damaged");
    QVERIFY(older.open(QIODevice::WriteOnly));
    older.write("an older copy\n");
    older.close();
    const QByteArray damaged = "1\n1\n1\n40\non\non\non\n3\nbroken\n";
    QFile file(prefsPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(damaged);
    file.close();

    MessageCounter table;
    SystemRandom random(1);
    MainRoutines game(table, random);
    game.setAllDefaults();
    PrefsStore prefs(game, config_.path().toStdString());
    QCOMPARE(prefs.read(), PrefsReadOutcome::Damaged);
    const QString notice = prefs.startNotices().value(0);
    prefs.save();
    const QString kept = prefsPath() + ".damaged-2";
    QVERIFY2(notice.contains(QStringLiteral("\u201c%1\u201d").arg(kept)), qPrintable(notice));
    QFile keptFile(kept);
    QVERIFY(keptFile.open(QIODevice::ReadOnly));
    QCOMPARE(keptFile.readAll(), damaged);
  }

  // A configuration folder given as a relative path means nothing: the
  // usual one in the home folder serves, wherever the game was started.
  void aRelativeConfigurationFolderIsIgnored() {
    QTemporaryDir home, startedIn;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    QProcess copy;
    copy.setProcessEnvironment(env);
    copy.setWorkingDirectory(startedIn.path());
    start(copy, "relative-config");
    const QString usual = home.filePath(".config");
    waitUntilRunning(usual);
    QVERIFY(endsCleanlyOn(copy, SIGTERM, 2000));
    QVERIFY(QFile::exists(prefsFileIn(usual)));
    const QString relative = startedIn.filePath("relative-config");
    QVERIFY(!QFile::exists(prefsFileIn(relative)));
    QVERIFY(!QFile::exists(prefsFileIn(relative) + ".lock"));
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
