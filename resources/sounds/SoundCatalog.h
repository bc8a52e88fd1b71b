#pragma once

#include <array>
#include <string_view>

// The game's eleven sounds: name, resource number, length and whether the
// game plays it as a loop. The synthesizer makes each sound exactly this
// long, and the sound layer times "is playing" by the same lengths.
// Entries follow the order of velmoran::Sound.
namespace velmoran::sounds {

struct SoundSpec {
  std::string_view name;
  int number;
  int milliseconds;
  bool loops;
};

inline constexpr int sampleRate = 44100;

inline constexpr std::array<SoundSpec, 11> catalog{{
    {"SNDslap", 168, 150, false},
    {"SNDbump", 169, 120, false},
    {"SNDfanfare", 170, 2500, false},
    {"SNDshuffle", 171, 1800, false},
    {"SNDhumloop", 172, 1000, true},
    {"SNDfuzz", 173, 300, false},
    {"SNDblipblip", 174, 320, false},
    {"SNDflick", 175, 80, false},
    {"SNDdrumrollloop", 176, 1000, true},
    {"SNDdeal", 177, 140, false},
    {"SNDflickslap", 178, 260, false},
}};

constexpr int sampleCount(const SoundSpec& s) { return sampleRate * s.milliseconds / 1000; }

}  // namespace velmoran::sounds
