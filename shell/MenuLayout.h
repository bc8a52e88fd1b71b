#pragma once

#include <array>
#include <string_view>

namespace velmoran {

// The menu bar as data: each menu's title and its items in order. An item's
// name is the key its handler and the enabling pass find it by.
enum class MenuItemKind { Command, Toggle, Separator, Quit, About };

struct MenuItemLayout {
  std::string_view name;
  std::string_view text;
  std::string_view shortcut;  // Qt's notation; empty for none
  MenuItemKind kind;
};

struct MenuLayout {
  std::string_view name;
  std::string_view title;
  std::array<MenuItemLayout, 11> items;  // the longest menu; unused slots have no name
};

inline constexpr MenuItemLayout separator(std::string_view name) {
  return {name, "-", "", MenuItemKind::Separator};
}

inline constexpr std::array<MenuLayout, 4> menuLayouts{{
    {"UntitledMenu7",
     "File",
     {{{"GameNewGame", "New Game", "Ctrl+N", MenuItemKind::Command},
       separator("UntitledMenu9"),
       {"GameStatistics", "Statistics", "Ctrl+T", MenuItemKind::Command},
       separator("UntitledMenu8"),
       {"FileQuit", "Quit", "Ctrl+Q", MenuItemKind::Quit}}}},
    {"UntitledMenu5",
     "Edit",
     {{{"EditUndo", "Undo", "Ctrl+Z", MenuItemKind::Command},
       separator("UntitledMenu6"),
       {"EditCut", "Cut", "Ctrl+X", MenuItemKind::Command},
       {"EditCopy", "Copy", "Ctrl+C", MenuItemKind::Command},
       {"EditPaste", "Paste", "Ctrl+V", MenuItemKind::Command},
       {"EditClear", "Clear", "", MenuItemKind::Command}}}},
    {"UntitledMenu1",
     "Settings",
     {{{"GameGameSettings", "All Game Settings...", "Ctrl+G", MenuItemKind::Command},
       separator("UntitledMenu4"),
       {"SettingsSound", "Sound", "Ctrl+D", MenuItemKind::Toggle},
       separator("UntitledMenu3"),
       {"SettingsCheatWarning", "Warn Before Cheating", "", MenuItemKind::Toggle},
       {"SettingsGiveUpWarning", "Warn Before Giving Up", "", MenuItemKind::Toggle},
       separator("UntitledMenu2"),
       {"SettingsDimUnplayables", "Dim Unplayable Cards", "", MenuItemKind::Toggle},
       {"SettingsShowShufflingEtc", "Show Shuffling, Etc.", "", MenuItemKind::Toggle},
       {"SettingsAutomaticallyDeal", "Automatically Deal", "", MenuItemKind::Toggle},
       {"SettingsShowStatsAutomatically", "Show Stats Automatically", "",
        MenuItemKind::Toggle}}}},
    {"UntitledMenu0",
     "Help",
     {{{"HelpInstructions", "Game Instructions", "Ctrl+?", MenuItemKind::Command},
       {"AppleAbout", "About Velmoran\u2026", "", MenuItemKind::About}}}},
}};

}  // namespace velmoran
