// Build-time tool: synthesizes the game's sounds into WAV files.
//
//   velmoran_sound_generator OUTPUT_FOLDER
#include <cstdio>
#include <filesystem>
#include <string>

#include "resources/sounds/Synth.h"
#include "resources/sounds/WavFile.h"

int main(int argc, char** argv) {
  using namespace velmoran;
  using namespace velmoran::sounds;
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder(argv[1]);
  std::filesystem::create_directories(folder);
  for (const SoundEntry& entry : soundList) {
    Samples samples = synthesize(entry.sound, sampleCount(entry), sampleRate);
    normalise(samples, entry.loops ? 0.5f : 0.8f);
    // Loops are made to join end to start; the others rise from and fall to
    // silence so that they never click.
    if (!entry.loops) fadeEdges(samples, sampleRate, 1.0, 6.0);
    const std::string path = (folder / (std::string(entry.name) + ".wav")).string();
    if (!writeWav(path, samples, sampleRate)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
