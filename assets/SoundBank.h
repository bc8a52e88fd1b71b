#pragma once

#include <QObject>
#include <chrono>
#include <memory>

#include "engine/TableInterface.h"

namespace velmoran::assets {

class SoundOutput;

// Plays the game's sounds. "Playing" means started, not stopped, and
// not yet past the sound's known length, so it also ends without an audio
// device. Looping sounds play until stopped.
class SoundBank : public QObject {
  Q_OBJECT
 public:
  static SoundBank& instance();

  // Loads the sound so its first play starts at once; nothing is heard.
  // The audio back end is loaded on another thread meanwhile, so this
  // returns at once; a play that comes first waits for the loading.
  void preload(Sound sound);
  void play(Sound sound);
  void playLooping(Sound sound);
  void stop(Sound sound);
  bool isPlaying(Sound sound) const;
  std::chrono::milliseconds duration(Sound sound) const;
  int soundNumber(Sound sound) const;

 private:
  SoundBank();
  ~SoundBank() override;
  SoundOutput* loaded(Sound sound);  // null when there is no back end
  void loadPreloaded();
  void start(Sound sound, bool looping);
  struct Impl;
  std::unique_ptr<Impl> d;
};

}  // namespace velmoran::assets
