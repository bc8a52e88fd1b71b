#pragma once

namespace velmoran {

// Every menu item that does or shows something, named by its group word and
// its command. The group word need not be the menu that holds the item:
// GameNewGame stands in File, GameGameSettings in Settings, AppleAbout in Help.
// The settings table names its toggles with these, so it lives with the game.
enum class MenuItem {
  GameNewGame,
  GameStatistics,
  FileQuit,
  EditUndo,
  EditCut,
  EditCopy,
  EditPaste,
  EditClear,
  GameGameSettings,
  SettingsSound,
  SettingsCheatWarning,
  SettingsGiveUpWarning,
  SettingsDimUnplayables,
  SettingsShowShufflingEtc,
  SettingsAutomaticallyDeal,
  SettingsShowStatsAutomatically,
  HelpInstructions,
  AppleAbout,
};

inline constexpr int menuItemCount = static_cast<int>(MenuItem::AppleAbout) + 1;

}  // namespace velmoran
