#pragma once

#include <array>
#include <string_view>

// The game's sounds, in the order they are preloaded: name, resource number,
// length in milliseconds and whether the game plays it as a loop. This is the
// only list of them. The Sound names, the synthesizer, the sound bank and the
// build's embedded WAV files all come from it; the build reads the names
// with a pattern, so keep one X(...) to a line.
#define VELMORAN_SOUNDS(X)            \
  X(SNDslap, 168, 150, false)         \
  X(SNDbump, 169, 120, false)         \
  X(SNDfanfare, 170, 2500, false)     \
  X(SNDshuffle, 171, 1800, false)     \
  X(SNDhumloop, 172, 1000, true)      \
  X(SNDfuzz, 173, 300, false)         \
  X(SNDblipblip, 174, 320, false)     \
  X(SNDflick, 175, 80, false)         \
  X(SNDdrumrollloop, 176, 1000, true) \
  X(SNDdeal, 177, 140, false)         \
  X(SNDflickslap, 178, 260, false)

namespace velmoran {

enum class Sound {
#define VELMORAN_SOUND_ENUMERATOR(name, number, milliseconds, loops) name,
  VELMORAN_SOUNDS(VELMORAN_SOUND_ENUMERATOR)
#undef VELMORAN_SOUND_ENUMERATOR
};

// One sound of the list. The synthesizer makes each sound exactly this long,
// and the sound bank times "is playing" by the same length.
struct SoundEntry {
  Sound sound;
  std::string_view name;
  int number;
  int milliseconds;
  bool loops;
};

inline constexpr std::array soundList{
#define VELMORAN_SOUND_ENTRY(name, number, milliseconds, loops) \
  SoundEntry{Sound::name, #name, number, milliseconds, loops},
    VELMORAN_SOUNDS(VELMORAN_SOUND_ENTRY)
#undef VELMORAN_SOUND_ENTRY
};

inline constexpr int soundCount = static_cast<int>(soundList.size());

}  // namespace velmoran
