#include "assets/SoundModule.h"

#include <QCoreApplication>
#include <QLibrary>

namespace velmoran::assets {

namespace {

// Next to the program first, then where the build put it (the tests run
// from folders of their own).
NewSoundOutput loadEntry() {
  const QString besideProgram =
      QCoreApplication::applicationDirPath() + QStringLiteral("/" VELMORAN_SOUND_OUTPUT_NAME);
  for (const QString& path : {besideProgram, QStringLiteral(VELMORAN_SOUND_OUTPUT_BUILT)}) {
    if (auto entry = reinterpret_cast<NewSoundOutput>(QLibrary::resolve(path, newSoundOutputSymbol)))
      return entry;
  }
  qWarning("The sound module %s cannot be loaded: the game stays silent", VELMORAN_SOUND_OUTPUT_NAME);
  return nullptr;
}

}  // namespace

void SoundModule::startLoading(std::function<void()> then) {
  if (entry_.valid()) return;
  entry_ = std::async(std::launch::async, [then = std::move(then)] {
             const NewSoundOutput entry = loadEntry();
             if (then) then();
             return entry;
           }).share();
}

std::unique_ptr<SoundOutput> SoundModule::make(const QString& source) {
  startLoading();
  const NewSoundOutput entry = entry_.get();
  return std::unique_ptr<SoundOutput>(entry ? entry(source) : nullptr);
}

}  // namespace velmoran::assets
