#pragma once

#include <filesystem>

namespace velmoran {

// Removes from `folder` the temporary files that writes of the preferences
// file or of its kept copies left when their run was killed. Only the
// player's own regular files under those writes' own names go; kept copies always stay. Call it
// only while holding the lock, so that no running write loses its file.
void removePrefsLeftovers(const std::filesystem::path& folder);

}  // namespace velmoran
