#pragma once

#include <QString>

namespace velmoran::assets {

// One sound as the audio back end plays it. The back end lives in a module
// of its own (velmoran_sound_output), loaded when the first sound is loaded:
// Qt Multimedia and the sound server's libraries would otherwise take a good
// part of the program's start before the first window shows.
class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  virtual void play(bool looping) = 0;
  virtual void stop() = 0;
};

// The module's one entry point: a sound read from source (a "qrc:" URL), or
// null when there is no audio output.
using NewSoundOutput = SoundOutput* (*)(const QString& source);
inline constexpr const char* newSoundOutputSymbol = "velmoranNewSoundOutput";

}  // namespace velmoran::assets
