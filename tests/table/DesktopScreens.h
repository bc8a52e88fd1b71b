#pragma once

// The offscreen platform with a desktop's screens in place of its small
// default (800 x 800), on which the window settles on small boards only.
#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace velmoran::testing {

// A 2000 x 1500 screen at the origin, the one most tests run on.
inline constexpr const char* desktopScreen =
    R"({"name": "desktop", "x": 0, "y": 0, "width": 2000, "height": 1500,
        "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1})";

// Runs the test with the offscreen platform showing the given screens, a
// JSON list of the platform's screen entries.
template <typename Test>
int runOnScreens(const QByteArray& screens, int argc, char** argv) {
  QTemporaryDir dir;
  const QString config = dir.filePath(QStringLiteral("screens.json"));
  QFile file(config);
  if (!file.open(QIODevice::WriteOnly)) return 1;
  file.write("{\"screens\": " + screens + "}");
  file.close();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
  QApplication app(argc, argv);
  Test test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace velmoran::testing
