#pragma once

// A preferences file that could not be read whole is never lost: it is kept
// under a name of its own before a new file takes its place, and an older
// kept copy is never replaced.

#include <filesystem>
#include <string>

#include "engine/MainRoutines.h"

namespace velmoran {

// The name the next kept copy gets in `folder`: prefsDamagedFileName or,
// when that is taken, the first free one of that name followed by -2, -3, ...
std::filesystem::path freeDamagedName(const std::filesystem::path& folder);

// Replaces the file in `folder` with `text`, keeping it first under
// freeDamagedName. A file that can be opened is kept as a copy; one that
// cannot (a link to nowhere, a file the player may not read) is moved aside
// as it is. When no copy can be kept or the new file cannot be written, the
// player is told and the folder holds what it held before: the copy goes
// again, the file moved aside comes back.
bool replaceDamagedPrefs(MainRoutines& routines, const std::filesystem::path& folder,
                         const std::string& text);

}  // namespace velmoran
