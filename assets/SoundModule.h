#pragma once

#include <QString>
#include <functional>
#include <future>
#include <memory>

#include "assets/SoundOutput.h"

namespace velmoran::assets {

// Finds and loads the audio back end's module. Loading maps Qt Multimedia
// and the sound server's libraries, so it runs on another thread; a sound
// made before it is done waits for it.
class SoundModule {
 public:
  // Starts loading on another thread, at most once; then runs on that
  // thread once the loading is over, loaded or not.
  void startLoading(std::function<void()> then = {});
  // A sound read from source, or null when the module cannot be loaded or
  // finds no audio output (the game then stays silent but keeps its pace).
  std::unique_ptr<SoundOutput> make(const QString& source);

 private:
  std::shared_future<NewSoundOutput> entry_;
};

}  // namespace velmoran::assets
