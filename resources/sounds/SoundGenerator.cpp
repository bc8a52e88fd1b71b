// Build-time tool: synthesizes the game's sounds into WAV files.
//
//   velmoran_sound_generator OUTPUT_FOLDER
#include <cstdio>
#include <filesystem>
#include <string>

#include "SoundCatalog.h"
#include "Synth.h"
#include "WavFile.h"

int main(int argc, char** argv) {
  using namespace velmoran::sounds;
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder(argv[1]);
  std::filesystem::create_directories(folder);
  for (const SoundSpec& spec : catalog) {
    Samples samples = synthesize(spec.name, sampleCount(spec), sampleRate);
    normalise(samples, spec.loops ? 0.5f : 0.8f);
    // Loops are made to join end to start; the others rise from and fall to
    // silence so that they never click.
    if (!spec.loops) fadeEdges(samples, sampleRate, 1.0, 6.0);
    const std::string path = (folder / (std::string(spec.name) + ".wav")).string();
    if (!writeWav(path, samples, sampleRate)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
