#pragma once

#include <string>
#include <vector>

namespace velmoran::sounds {

// Writes mono 16-bit PCM samples (-1..1, clipped) as a WAV file.
bool writeWav(const std::string& path, const std::vector<float>& samples, int rate);

}  // namespace velmoran::sounds
