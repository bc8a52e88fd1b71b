#include "resources/sounds/SoundFiles.h"

namespace velmoran::sounds {

QString soundFile(std::string_view name) {
  return QStringLiteral(":/sounds/") +
         QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())) +
         QStringLiteral(".wav");
}

}  // namespace velmoran::sounds
