#include "assets/SoundBank.h"

#include <QElapsedTimer>
#include <array>

#include "resources/sounds/SoundFiles.h"
#include "assets/SoundModule.h"

namespace velmoran::assets {

namespace {

const SoundEntry& entryOf(Sound sound) {
  return soundList[static_cast<size_t>(sound) % soundList.size()];
}

}  // namespace

// Playing is timed here, not asked of the back end: without an audio device
// it reports a sound as playing for ever.
struct SoundBank::Impl {
  struct Voice {
    std::unique_ptr<SoundOutput> output;  // made at the first load; may stay null
    bool made = false;
    bool preloaded = false;
    QElapsedTimer started;
    bool playing = false;
    bool looping = false;
  };
  std::array<Voice, soundList.size()> voices;
  SoundModule module;
};

SoundBank::SoundBank() : d(std::make_unique<Impl>()) {}

SoundBank::~SoundBank() = default;

SoundBank& SoundBank::instance() {
  static SoundBank* bank = new SoundBank;  // lives for the whole run, like the app
  return *bank;
}

SoundOutput* SoundBank::loaded(Sound sound) {
  auto& voice = d->voices[static_cast<size_t>(sound) % d->voices.size()];
  if (!voice.made) {
    voice.output = d->module.make(QStringLiteral("qrc") + sounds::soundFile(entryOf(sound).name));
    voice.made = true;
  }
  return voice.output.get();
}

void SoundBank::preload(Sound sound) {
  d->voices[static_cast<size_t>(sound) % d->voices.size()].preloaded = true;
  d->module.startLoading([this] {
    QMetaObject::invokeMethod(this, &SoundBank::loadPreloaded, Qt::QueuedConnection);
  });
}

// The back end is loaded: the sounds preloaded meanwhile are read now.
void SoundBank::loadPreloaded() {
  for (size_t i = 0; i < d->voices.size(); ++i)
    if (d->voices[i].preloaded) loaded(static_cast<Sound>(i));
}

void SoundBank::play(Sound sound) { start(sound, false); }

void SoundBank::playLooping(Sound sound) { start(sound, true); }

void SoundBank::start(Sound sound, bool looping) {
  if (SoundOutput* output = loaded(sound)) output->play(looping);
  auto& voice = d->voices[static_cast<size_t>(sound) % d->voices.size()];
  voice.started.start();
  voice.playing = true;
  voice.looping = looping;
}

void SoundBank::stop(Sound sound) {
  auto& voice = d->voices[static_cast<size_t>(sound) % d->voices.size()];
  if (voice.output) voice.output->stop();
  voice.playing = false;
  voice.looping = false;
}

bool SoundBank::isPlaying(Sound sound) const {
  const auto& voice = d->voices[static_cast<size_t>(sound) % d->voices.size()];
  if (!voice.playing) return false;
  if (voice.looping) return true;
  // A wait for the sound lasts its own length; the device's start-up lag is
  // a few milliseconds and not worth holding the game for.
  return std::chrono::milliseconds(voice.started.elapsed()) < duration(sound);
}

std::chrono::milliseconds SoundBank::duration(Sound sound) const {
  return std::chrono::milliseconds(entryOf(sound).milliseconds);
}

int SoundBank::soundNumber(Sound sound) const { return entryOf(sound).number; }

}  // namespace velmoran::assets
