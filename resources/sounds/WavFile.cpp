#include "resources/sounds/WavFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace velmoran::sounds {

namespace {

void put32(std::ofstream& out, std::uint32_t v) {
  const char bytes[] = {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                        static_cast<char>(v >> 24)};
  out.write(bytes, 4);
}

void put16(std::ofstream& out, std::uint16_t v) {
  const char bytes[] = {static_cast<char>(v), static_cast<char>(v >> 8)};
  out.write(bytes, 2);
}

}  // namespace

bool writeWav(const std::string& path, const std::vector<float>& samples, int rate) {
  std::ofstream out(path, std::ios::binary);
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  out.write("RIFF", 4);
  put32(out, 36 + dataBytes);
  out.write("WAVEfmt ", 8);
  put32(out, 16);  // size of the format block
  put16(out, 1);   // PCM
  put16(out, 1);   // mono
  put32(out, static_cast<std::uint32_t>(rate));
  put32(out, static_cast<std::uint32_t>(rate * 2));
  put16(out, 2);   // bytes per frame
  put16(out, 16);  // bits per sample
  out.write("data", 4);
  put32(out, dataBytes);
  for (float s : samples) {
    const long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
    put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
  }
  return static_cast<bool>(out);
}

}  // namespace velmoran::sounds
