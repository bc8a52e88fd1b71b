#include "resources/sounds/Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmoran::sounds {

namespace {

constexpr double twoPi = 2 * std::numbers::pi;

// Adds `part` into `s` from sample `at`, wrapping round the end when `wrap`
// is set (so that a loop's last sounds ring on into its start).
void mixIn(Samples& s, const Samples& part, long at, float gain, bool wrap = false) {
  const long n = static_cast<long>(s.size());
  for (size_t i = 0; i < part.size(); ++i) {
    long j = at + static_cast<long>(i);
    if (wrap) j = ((j % n) + n) % n;
    if (j >= 0 && j < n) s[static_cast<size_t>(j)] += gain * part[i];
  }
}

// A burst of filtered noise with a fast attack and an exponential decay.
Samples burst(int rate, double ms, double decayMs, double lowHz, double highHz,
              std::uint32_t seed) {
  const auto n = static_cast<size_t>(rate * ms / 1000);
  Samples s(n);
  Noise noise(seed);
  LowPass low(highHz, rate), rumble(lowHz, rate);
  for (size_t i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / rate;
    const double attack = std::min(1.0, t / 0.0008);
    const float band = low(noise.next());
    s[i] = static_cast<float>((band - rumble(band)) * attack * std::exp(-t * 1000 / decayMs));
  }
  return s;
}

// A sine whose pitch glides from f0 to f1, decaying.
Samples thump(int rate, double ms, double f0, double f1, double decayMs) {
  const auto n = static_cast<size_t>(rate * ms / 1000);
  Samples s(n);
  double phase = 0;
  for (size_t i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / rate;
    const double f = f1 + (f0 - f1) * std::exp(-t / 0.03);
    phase += twoPi * f / rate;
    s[i] = static_cast<float>(std::sin(phase) * std::exp(-t * 1000 / decayMs));
  }
  return s;
}

Samples slap(int count, int rate) {
  Samples s(static_cast<size_t>(count));
  mixIn(s, burst(rate, 150, 20, 300, 3500, 11), 0, 1.0f);
  mixIn(s, thump(rate, 150, 220, 120, 35), 0, 0.7f);
  return s;
}

Samples bump(int count, int rate) {
  Samples s(static_cast<size_t>(count));
  mixIn(s, thump(rate, 120, 190, 80, 32), 0, 1.0f);
  mixIn(s, burst(rate, 60, 10, 100, 1200, 23), 0, 0.4f);
  return s;
}

Samples flick(int count, int rate) {
  Samples s(static_cast<size_t>(count));
  mixIn(s, burst(rate, 80, 9, 1500, 9000, 37), 0, 1.0f);
  mixIn(s, thump(rate, 60, 2600, 2300, 8), 0, 0.25f);
  return s;
}

// A brassy note: harmonics falling off with order, a little vibrato.
void brass(Samples& s, int rate, double start, double length, double hz, float gain) {
  const auto from = static_cast<long>(start * rate);
  const auto n = static_cast<long>(length * rate);
  for (long i = 0; i < n && from + i < static_cast<long>(s.size()); ++i) {
    const double t = static_cast<double>(i) / rate;
    const double env = std::min(1.0, t / 0.025) * std::min(1.0, (length - t) / 0.06) *
                       (0.75 + 0.25 * std::exp(-t / 0.15));
    const double f = hz * (1 + 0.004 * std::sin(twoPi * 5.5 * t) * std::min(1.0, t / 0.3));
    double v = 0;
    for (int k = 1; k <= 8; ++k) v += std::sin(twoPi * f * k * t) / (k * (1.0 + 0.15 * k));
    s[static_cast<size_t>(from + i)] += static_cast<float>(gain * env * v);
  }
}

Samples fanfare(int count, int rate) {
  Samples s(static_cast<size_t>(count));
  const double g4 = 392.0, c5 = 523.25, e5 = 659.25, g5 = 783.99, c6 = 1046.5;
  brass(s, rate, 0.00, 0.17, g4, 0.5f);
  brass(s, rate, 0.18, 0.17, c5, 0.5f);
  brass(s, rate, 0.36, 0.17, e5, 0.5f);
  brass(s, rate, 0.54, 0.40, g5, 0.5f);
  brass(s, rate, 0.96, 0.14, e5, 0.5f);
  brass(s, rate, 1.12, 1.36, c6, 0.35f);
  brass(s, rate, 1.12, 1.36, g5, 0.35f);
  brass(s, rate, 1.12, 1.36, e5, 0.35f);
  brass(s, rate, 1.12, 1.36, c5, 0.4f);
  return s;
}

Samples shuffle(int count, int rate) {
  Samples s(static_cast<size_t>(count));
  Noise jitter(91);
  // The riffle: card edges flicking past each other, quickening.
  double t = 0.04;
  std::uint32_t seed = 100;
  while (t < 1.15) {
    const float gain = 0.45f + 0.25f * (jitter.next() + 1) / 2;
    mixIn(s, burst(rate, 12, 2.5, 1200, 7000, ++seed), static_cast<long>(t * rate), gain);
    t += 0.024 - 0.008 * t / 1.15 + 0.004 * jitter.next();
  }
  // The bridge: the halves pushed together, a soft rising and falling swish.
  Noise noise(7);
  LowPass low(2500, rate), rumble(400, rate);
  const double from = 1.2, to = 1.75;
  for (auto i = static_cast<size_t>(from * rate);
       i < static_cast<size_t>(to * rate) && i < s.size(); ++i) {
    const double u = (static_cast<double>(i) / rate - from) / (to - from);
    const float band = low(noise.next());
    s[i] += static_cast<float>(0.5 * std::sin(std::numbers::pi * u) * (band - rumble(band)));
  }
  return s;
}

// Whole-number frequencies repeat exactly once a second, so the loop's end
// meets its start.
Samples humLoop(int count, int rate) {
  Samples s(static_cast<size_t>(count));
  const double seconds = static_cast<double>(count) / rate;
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    const double swell = 0.8 + 0.2 * std::sin(twoPi * 2 / seconds * t);
    const double v = std::sin(twoPi * 110 * t) + 0.5 * std::sin(twoPi * 220 * t) +
                     0.3 * std::sin(twoPi * 330 * t) + 0.2 * std::sin(twoPi * 441 * t);
    s[i] = static_cast<float>(swell * v);
  }
  return s;
}

Samples fuzz(int count, int rate) {
  Samples s(static_cast<size_t>(count));
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    const double v =
        std::tanh(3 * std::sin(twoPi * 92 * t)) + 0.6 * std::tanh(3 * std::sin(twoPi * 98 * t));
    s[i] = static_cast<float>(v * std::min(1.0, t / 0.006));
  }
  LowPass soften(2200, rate);
  for (float& x : s) x = soften(x);
  return s;
}

Samples blipBlip(int count, int rate) {
  Samples s(static_cast<size_t>(count));
  for (double start : {0.0, 0.16}) {
    for (long i = 0; i < static_cast<long>(0.12 * rate); ++i) {
      const double t = static_cast<double>(i) / rate;
      const double env = std::min(1.0, t / 0.003) * std::exp(-t / 0.04);
      const double v = std::sin(twoPi * 1320 * t) + 0.3 * std::sin(twoPi * 2640 * t);
      const auto j = static_cast<size_t>(start * rate) + static_cast<size_t>(i);
      if (j < s.size()) s[j] += static_cast<float>(env * v);
    }
  }
  return s;
}

// Snare strokes, 24 to the second, alternately accented; each stroke's
// tail wraps round to the start, so the loop repeats without a seam.
Samples drumrollLoop(int count, int rate) {
  Samples s(static_cast<size_t>(count));
  const int strokes = 24;
  for (int k = 0; k < strokes; ++k) {
    const long at = static_cast<long>(count) * k / strokes + count / (strokes * 8);
    const float gain = k % 2 ? 0.6f : 0.85f;
    mixIn(s, burst(rate, 40, 7, 500, 6000, 300u + static_cast<std::uint32_t>(k)), at, gain, true);
    mixIn(s, thump(rate, 30, 200, 180, 6), at, gain * 0.5f, true);
  }
  return s;
}

Samples deal(int count, int rate) {
  Samples s(static_cast<size_t>(count));
  Noise noise(55);
  LowPass low(4000, rate), rumble(700, rate);
  const double swish = 0.1;
  for (auto i = size_t{0}; i < static_cast<size_t>(swish * rate); ++i) {
    const double u = static_cast<double>(i) / (swish * rate);
    const float band = low(noise.next());
    s[i] = static_cast<float>(0.6 * std::sin(std::numbers::pi * u) * (band - rumble(band)));
  }
  mixIn(s, burst(rate, 50, 8, 250, 3000, 66), static_cast<long>(0.085 * rate), 0.7f);
  return s;
}

Samples flickSlap(int count, int rate) {
  Samples s(static_cast<size_t>(count));
  mixIn(s, flick(rate * 80 / 1000, rate), 0, 0.8f);
  mixIn(s, slap(rate * 150 / 1000, rate), static_cast<long>(0.095 * rate), 1.0f);
  return s;
}

using Recipe = Samples (*)(int count, int rate);

// Every sound has a recipe: the compiler checks that the switch covers the list.
Recipe recipe(Sound sound) {
  switch (sound) {
    case Sound::SNDslap:
      return slap;
    case Sound::SNDbump:
      return bump;
    case Sound::SNDfanfare:
      return fanfare;
    case Sound::SNDshuffle:
      return shuffle;
    case Sound::SNDhumloop:
      return humLoop;
    case Sound::SNDfuzz:
      return fuzz;
    case Sound::SNDblipblip:
      return blipBlip;
    case Sound::SNDflick:
      return flick;
    case Sound::SNDdrumrollloop:
      return drumrollLoop;
    case Sound::SNDdeal:
      return deal;
    case Sound::SNDflickslap:
      return flickSlap;
  }
  // Not a sound of the list: silence.
  return [](int count, int) { return Samples(static_cast<size_t>(count)); };
}

}  // namespace

LowPass::LowPass(double cutoffHz, int rate)
    : a_(static_cast<float>(1 - std::exp(-twoPi * cutoffHz / rate))) {}

void fadeEdges(Samples& s, int rate, double inMs, double outMs) {
  const auto fadeIn = std::min(s.size(), static_cast<size_t>(rate * inMs / 1000));
  const auto fadeOut = std::min(s.size(), static_cast<size_t>(rate * outMs / 1000));
  for (size_t i = 0; i < fadeIn; ++i) {
    s[i] *= static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * i / fadeIn));
  }
  for (size_t i = 0; i < fadeOut; ++i) {
    s[s.size() - 1 - i] *= static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * i / fadeOut));
  }
}

void normalise(Samples& s, float peak) {
  float loudest = 0;
  for (float x : s) loudest = std::max(loudest, std::abs(x));
  if (loudest > 0) {
    for (float& x : s) x *= peak / loudest;
  }
}

Samples synthesize(Sound sound, int count, int rate) {
  Samples s = recipe(sound)(count, rate);
  s.resize(static_cast<size_t>(count));
  return s;
}

}  // namespace velmoran::sounds
