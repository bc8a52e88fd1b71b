#include "shell/PreferencesFolder.h"

#include <QStandardPaths>

namespace velmoran {

std::filesystem::path preferencesFolder() {
  const QString location = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return std::filesystem::path(location.toStdString());
}

}  // namespace velmoran
