#include "resources/Fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <QThreadPool>
#include <array>

namespace velmoran::art {

namespace {

struct FaceFile {
  const char* path;
  bool bold;
};

constexpr std::array<FaceFile, 4> faceFiles{{
    {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", false},
    {"/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", true},
    {"/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf", false},
    {"/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf", true},
}};

// The family name each file registers under, or empty when it failed.
const std::array<QString, 4>& loadedFamilies() {
  static const std::array<QString, 4> families = [] {
    std::array<QString, 4> names;
    for (size_t i = 0; i < faceFiles.size(); ++i) {
      const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(faceFiles[i].path));
      const QStringList found = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
      if (!found.isEmpty()) names[i] = found.first();
    }
    return names;
  }();
  return families;
}

}  // namespace

QFont font(Face face, qreal pixelSize) {
  const auto index = static_cast<size_t>(face);
  QFont f;
  const QString& family = loadedFamilies()[index];
  if (!family.isEmpty()) f = QFont(family);
  f.setBold(faceFiles[index].bold);
  f.setPixelSize(std::max(1, qRound(pixelSize)));
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

void startLoadingFonts() {
  QThreadPool::globalInstance()->start([] { loadedFamilies(); });
}

}  // namespace velmoran::art
