#pragma once

#include <cstdint>
#include <vector>

#include "engine/SoundList.h"

// The building blocks the game's sounds are made of, and the recipes that
// make each sound from them.
namespace velmoran::sounds {

using Samples = std::vector<float>;

inline constexpr int sampleRate = 44100;

constexpr int sampleCount(const SoundEntry& s) { return sampleRate * s.milliseconds / 1000; }

// White noise from a fixed seed, so that every build makes the same sounds.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1) {}
  float next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<float>(state_) / 2147483648.0f - 1.0f;
  }

 private:
  std::uint32_t state_;
};

// A one-pole low-pass filter; the high-pass is what the low-pass removes.
class LowPass {
 public:
  LowPass(double cutoffHz, int rate);
  float operator()(float x) { return y_ += a_ * (x - y_); }

 private:
  float a_;
  float y_ = 0;
};

// Raises the first and last samples smoothly from and to silence.
void fadeEdges(Samples& s, int rate, double inMs, double outMs);

// Scales the sound so that its loudest sample reaches peak.
void normalise(Samples& s, float peak);

// The samples of the sound, exactly `count` long at `rate`.
Samples synthesize(Sound sound, int count, int rate);

}  // namespace velmoran::sounds
