#pragma once

#include <filesystem>

namespace velmoran {

// Where the preferences file lives: the user's configuration folder,
// ~/.config unless XDG_CONFIG_HOME gives an absolute path.
std::filesystem::path preferencesFolder();

}  // namespace velmoran
