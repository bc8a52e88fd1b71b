#pragma once

#include <QString>
#include <string_view>

namespace velmoran::sounds {

// Where the synthesized WAV of a sound lies among the program's embedded
// resources (":/sounds/SNDslap.wav").
QString soundFile(std::string_view name);

}  // namespace velmoran::sounds
