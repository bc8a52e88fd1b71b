// The game started where its windows have no desktop to open on.
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "shell/DesktopSession.h"

using namespace velmoran;

class DesktopSessionTest : public QObject {
  Q_OBJECT

 private slots:
  // Left to Qt, the start would end in an abort and advice to reinstall.
  // A display named but not there (a session's stale DISPLAY) is no display.
  void withoutADisplayTheGameSaysSoInOneLineAndFails_data() {
    QTest::addColumn<QString>("display");
    QTest::newRow("none named") << QString();
    QTest::newRow("named, no server there") << QStringLiteral(":739");
  }

  void withoutADisplayTheGameSaysSoInOneLineAndFails() {
    QFETCH(QString, display);
    QTemporaryDir config;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    if (!display.isEmpty()) env.insert("DISPLAY", display);
    env.insert("XDG_CONFIG_HOME", config.path());
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

  void theWindowSystemAskedForIsTheOneLookedFor_data() {
    QTest::addColumn<QByteArray>("platform");
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("waylandDisplay");
    QTest::addColumn<QByteArray>("argument");
    QTest::addColumn<bool>("found");
    QTest::newRow("offscreen needs no display")
        << QByteArray("offscreen") << QByteArray() << QByteArray() << QByteArray() << true;
    QTest::newRow("X11 asked for, only Wayland there")
        << QByteArray("xcb") << QByteArray() << QByteArray("wayland-0") << QByteArray() << false;
    QTest::newRow("Qt's own choice, only Wayland there")
        << QByteArray() << QByteArray() << QByteArray("wayland-0") << QByteArray() << true;
    QTest::newRow("the command line before the environment")
        << QByteArray("xcb") << QByteArray() << QByteArray() << QByteArray("offscreen") << true;
  }

  void theWindowSystemAskedForIsTheOneLookedFor() {
    QFETCH(QByteArray, platform);
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, waylandDisplay);
    QFETCH(QByteArray, argument);
    QFETCH(bool, found);
    qputenv("QT_QPA_PLATFORM", platform);
    qputenv("DISPLAY", display);
    qputenv("WAYLAND_DISPLAY", waylandDisplay);
    QByteArray program("velmoran"), option("-platform");
    std::vector<char*> argv{program.data()};
    if (!argument.isEmpty()) argv.insert(argv.end(), {option.data(), argument.data()});
    QCOMPARE(desktopSessionFound(static_cast<int>(argv.size()), argv.data()), found);
  }
};

QTEST_GUILESS_MAIN(DesktopSessionTest)
#include "DesktopSessionTest.moc"
