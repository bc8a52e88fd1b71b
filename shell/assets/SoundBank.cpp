#include "SoundBank.h"

#include <QElapsedTimer>
#include <QSoundEffect>
#include <QUrl>
#include <array>

#include "SoundCatalog.h"
#include "SoundFiles.h"

namespace velmoran::assets {

namespace {

const sounds::SoundEntry& entryOf(Sound sound) {
  return sounds::catalog[static_cast<size_t>(sound) % sounds::catalog.size()];
}

}  // namespace

// Playing is timed here, not asked of QSoundEffect: without an audio device
// it reports a sound as playing for ever.
struct SoundBank::Impl {
  struct Voice {
    QSoundEffect* effect = nullptr;  // made at the first play, owned by the bank
    QElapsedTimer started;
    bool playing = false;
    bool looping = false;
  };
  std::array<Voice, sounds::catalog.size()> voices;
};

SoundBank::SoundBank() : d(std::make_unique<Impl>()) {}

SoundBank::~SoundBank() = default;

SoundBank& SoundBank::instance() {
  static SoundBank* bank = new SoundBank;  // lives for the whole run, like the app
  return *bank;
}

namespace {

QSoundEffect* loadedEffect(QObject* owner, QSoundEffect*& effect, Sound sound) {
  if (!effect) {
    effect = new QSoundEffect(owner);
    effect->setSource(QUrl(QStringLiteral("qrc") + sounds::soundFile(entryOf(sound).name)));
  }
  return effect;
}

}  // namespace

void SoundBank::preload(Sound sound) {
  auto& voice = d->voices[static_cast<size_t>(sound) % d->voices.size()];
  loadedEffect(this, voice.effect, sound);
}

void SoundBank::play(Sound sound) {
  auto& voice = d->voices[static_cast<size_t>(sound) % d->voices.size()];
  QSoundEffect* effect = loadedEffect(this, voice.effect, sound);
  effect->setLoopCount(1);
  effect->play();
  voice.started.start();
  voice.playing = true;
  voice.looping = false;
}

void SoundBank::playLooping(Sound sound) {
  auto& voice = d->voices[static_cast<size_t>(sound) % d->voices.size()];
  QSoundEffect* effect = loadedEffect(this, voice.effect, sound);
  effect->setLoopCount(QSoundEffect::Infinite);
  effect->play();
  voice.started.start();
  voice.playing = true;
  voice.looping = true;
}

void SoundBank::stop(Sound sound) {
  auto& voice = d->voices[static_cast<size_t>(sound) % d->voices.size()];
  if (voice.effect) voice.effect->stop();
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
