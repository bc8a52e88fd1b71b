// The game started where its windows have no desktop to open on, or where
// Qt would first try a window system it cannot use there.
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include "shell/DesktopSession.h"

using namespace velmoran;

namespace {

// A Wayland display that takes connections: the game only knocks.
class ListeningSocket {
 public:
  explicit ListeningSocket(const QByteArray& path)
      : path_(path), fd_(socket(AF_UNIX, SOCK_STREAM, 0)) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof(address.sun_path) - 1);
    listening_ = bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
                 listen(fd_, 4) == 0;
  }
  ~ListeningSocket() {
    close(fd_);
    unlink(path_.constData());
  }
  bool listening() const { return listening_; }

 private:
  QByteArray path_;
  int fd_;
  bool listening_ = false;
};

// Whether Qt as installed here has a plugin for Wayland.
bool systemHasWaylandPlugin() {
  const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms");
  return !platforms.entryList({"*wayland*"}, QDir::Files).isEmpty();
}

}  // namespace

class DesktopSessionTest : public QObject {
  Q_OBJECT

  QProcess xServer_;
  QByteArray xDisplay_;  // empty when no X server could be started here
  QTemporaryDir runtimeDir_;
  QTemporaryDir fakePlugins_;
  QByteArray liveWayland_ = "wayland-live";
  QByteArray deadWayland_ = "wayland-739";

  // A named display, as the test's rows name them: "live", "dead" or none.
  QByteArray display(const QByteArray& row) const {
    return row == "live" ? xDisplay_ : row == "dead" ? QByteArray(":739") : QByteArray();
  }
  QByteArray wayland(const QByteArray& row) const {
    return row == "live" ? liveWayland_ : row == "dead" ? deadWayland_ : QByteArray();
  }

  QProcessEnvironment gameEnvironment(const QTemporaryDir& config) const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
      env.remove(name);
    env.insert("XDG_CONFIG_HOME", config.path());
    env.insert("XDG_RUNTIME_DIR", runtimeDir_.path());
    return env;
  }

 private slots:
  void initTestCase() {
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    if (!xvfb.isEmpty()) {
      // The server names the display it found free on its output.
      // It stays up between the rows' connections instead of starting over.
      xServer_.start(xvfb, {"-displayfd", "1", "-noreset", "-nolisten", "tcp"});
      if (xServer_.waitForReadyRead(10000))
        xDisplay_ = ':' + xServer_.readAllStandardOutput().trimmed();
    }
    QDir(fakePlugins_.path()).mkpath("platforms");
    QFile plugin(fakePlugins_.path() + "/platforms/libqwayland-generic.so");
    QVERIFY(plugin.open(QIODevice::WriteOnly));
  }

  void cleanupTestCase() {
    xServer_.terminate();
    xServer_.waitForFinished();
  }

  // Left to Qt, the start would end in an abort and advice to reinstall.
  // A display named but not there (a session's stale DISPLAY or
  // WAYLAND_DISPLAY) is no display.
  void withoutADisplayTheGameSaysSoInOneLineAndFails_data() {
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("waylandDisplay");
    QTest::newRow("none named") << QByteArray() << QByteArray();
    QTest::newRow("X11 named, no server there") << QByteArray("dead") << QByteArray();
    QTest::newRow("Wayland named, no compositor there") << QByteArray() << QByteArray("dead");
  }

  void withoutADisplayTheGameSaysSoInOneLineAndFails() {
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, waylandDisplay);
    QTemporaryDir config;
    QProcessEnvironment env = gameEnvironment(config);
    if (!display.isEmpty()) env.insert("DISPLAY", this->display(display));
    if (!waylandDisplay.isEmpty()) env.insert("WAYLAND_DISPLAY", wayland(waylandDisplay));
    QProcess game;
    game.setProcessEnvironment(env);
    game.start(QStringLiteral(VELMORAN_EXECUTABLE_PATH), {});
    QVERIFY(game.waitForFinished(20000));
    QCOMPARE(game.exitStatus(), QProcess::NormalExit);
    QVERIFY(game.exitCode() != 0);
    const QList<QByteArray> lines = game.readAllStandardError().trimmed().split('\n');
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.first().contains("needs a desktop session"), lines.first().constData());
  }

  // A Wayland desktop that runs X11 programs too, where Qt has no Wayland
  // plugin or the compositor is gone: the game opens on X11 without a word.
  void onAWaylandDesktopWithX11TheGameStartsQuietly() {
    if (xDisplay_.isEmpty()) QSKIP("no X server to start here (Xvfb)");
    QTemporaryDir config;
    QProcessEnvironment env = gameEnvironment(config);
    env.insert("DISPLAY", xDisplay_);
    env.insert("WAYLAND_DISPLAY", deadWayland_);
    env.insert("XDG_SESSION_TYPE", "wayland");
    env.insert("QT_AUDIO_BACKEND", "none");
    QProcess game;
    game.setProcessEnvironment(env);
    game.start(QStringLiteral(VELMORAN_EXECUTABLE_PATH), {});
    QVERIFY(game.waitForStarted());
    QTest::qWait(2000);
    QCOMPARE(game.state(), QProcess::Running);
    game.terminate();
    QVERIFY(game.waitForFinished(20000));
    QCOMPARE(game.exitCode(), 0);
    const QByteArray said = game.readAllStandardError();
    QVERIFY2(!said.contains("platform plugin") && !said.contains("wayland"), said.constData());
  }

  // What "-platform" or QT_QPA_PLATFORM asks for is looked for and never
  // changed. Left to its own choice, Qt tries Wayland first wherever one is
  // named and says so when it cannot use it: then X11 is chosen for it.
  void theWindowSystemAskedForIsTheOneLookedFor_data() {
    QTest::addColumn<QByteArray>("platform");
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("waylandDisplay");
    QTest::addColumn<bool>("waylandPlugin");
    QTest::addColumn<QByteArray>("argument");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QByteArray>("chosen");
    const QByteArray none, live("live"), dead("dead");
    QTest::newRow("offscreen needs no display")
        << QByteArray("offscreen") << none << none << true << none << true
        << QByteArray("offscreen");
    QTest::newRow("X11 asked for, only Wayland there")
        << QByteArray("xcb") << none << live << true << none << false << QByteArray("xcb");
    QTest::newRow("the command line before the environment")
        << QByteArray("xcb") << none << none << true << QByteArray("offscreen") << true
        << QByteArray("xcb");
    QTest::newRow("Wayland asked for and there")
        << QByteArray("wayland") << none << live << true << none << true << QByteArray("wayland");
    QTest::newRow("Wayland asked for, no compositor there")
        << QByteArray("wayland") << none << dead << true << none << false << QByteArray("wayland");
    QTest::newRow("Qt's own choice, only Wayland there")
        << none << none << live << true << none << true << none;
    QTest::newRow("Qt's own choice, Wayland named, no compositor there")
        << none << none << dead << true << none << false << none;
    QTest::newRow("Qt's own choice, Wayland without Qt's plugin")
        << none << none << live << false << none << false << none;
    QTest::newRow("Qt's own choice, only X11 there")
        << none << live << none << true << none << true << none;
    QTest::newRow("Qt's own choice, both there: Wayland")
        << none << live << live << true << none << true << none;
    QTest::newRow("Qt's own choice, X11 and Wayland without Qt's plugin: X11")
        << none << live << live << false << none << true << QByteArray("xcb");
    QTest::newRow("Qt's own choice, X11 and a Wayland gone: X11")
        << none << live << dead << true << none << true << QByteArray("xcb");
    QTest::newRow("a list asked for is kept")
        << QByteArray("wayland;xcb") << live << live << true << none << true
        << QByteArray("wayland;xcb");
  }

  void theWindowSystemAskedForIsTheOneLookedFor() {
    QFETCH(QByteArray, platform);
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, waylandDisplay);
    QFETCH(bool, waylandPlugin);
    QFETCH(QByteArray, argument);
    QFETCH(bool, found);
    QFETCH(QByteArray, chosen);
    if (display == "live" && xDisplay_.isEmpty()) QSKIP("no X server to start here (Xvfb)");
    if (!waylandPlugin && systemHasWaylandPlugin()) QSKIP("Qt here has a Wayland plugin");
    ListeningSocket compositor(QFile::encodeName(runtimeDir_.filePath(liveWayland_)));
    QVERIFY(compositor.listening());
    qputenv("QT_QPA_PLATFORM", platform);
    qputenv("DISPLAY", this->display(display));
    qputenv("WAYLAND_DISPLAY", wayland(waylandDisplay));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir_.path()));
    qputenv("QT_PLUGIN_PATH", waylandPlugin ? QFile::encodeName(fakePlugins_.path()) : "");
    QByteArray program("velmoran"), option("-platform");
    std::vector<char*> argv{program.data()};
    if (!argument.isEmpty()) argv.insert(argv.end(), {option.data(), argument.data()});
    QCOMPARE(desktopSessionFound(static_cast<int>(argv.size()), argv.data()), found);
    QCOMPARE(qgetenv("QT_QPA_PLATFORM"), chosen);
  }
};

QTEST_GUILESS_MAIN(DesktopSessionTest)
#include "DesktopSessionTest.moc"
