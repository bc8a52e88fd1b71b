#include "assets/SoundModule.h"

#include "assets/RuntimeModule.h"

namespace velmoran::assets {

namespace {

NewSoundOutput loadEntry() {
  if (auto entry = reinterpret_cast<NewSoundOutput>(runtimeModuleEntry(
          VELMORAN_SOUND_OUTPUT_NAME, VELMORAN_SOUND_OUTPUT_BUILT, newSoundOutputSymbol)))
    return entry;
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
