#include "shell/PreferencesFolder.h"

#include <QDir>
#include <QFile>

namespace velmoran {

// XDG_CONFIG_HOME counts only as an absolute path: a relative one would
// move the preferences with the folder the game happens to be started from.
std::filesystem::path preferencesFolder() {
  const QString chosen = qEnvironmentVariable("XDG_CONFIG_HOME");
  const QString folder = QDir::isAbsolutePath(chosen) ? chosen : QDir::homePath() + "/.config";
  return std::filesystem::path(QFile::encodeName(folder).toStdString());
}

}  // namespace velmoran
