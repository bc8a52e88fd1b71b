#pragma once

#include <QObject>
#include <chrono>
#include <memory>

#include "TableInterface.h"

namespace velmoran::assets {

// Plays the game's eleven sounds. "Playing" means started, not stopped, and
// not yet past the sound's known length, so it also ends without an audio
// device. Looping sounds play until stopped.
class SoundBank : public QObject {
  Q_OBJECT
 public:
  static SoundBank& instance();

  // Loads the sound so its first play starts at once; nothing is heard.
  void preload(Sound sound);
  void play(Sound sound);
  void playLooping(Sound sound);
  void stop(Sound sound);
  bool isPlaying(Sound sound) const;
  std::chrono::milliseconds duration(Sound sound) const;
  int soundNumber(Sound sound) const;  // 168 .. 178

 private:
  SoundBank();
  ~SoundBank() override;
  struct Impl;
  std::unique_ptr<Impl> d;
};

}  // namespace velmoran::assets
