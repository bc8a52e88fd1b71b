#pragma once

#include <filesystem>

namespace velmoran {

// Where the preferences file lives: the user's configuration folder
// (XDG_CONFIG_HOME moves it).
std::filesystem::path preferencesFolder();

}  // namespace velmoran
