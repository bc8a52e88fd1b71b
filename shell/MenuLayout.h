#pragma once

#include <array>
#include <span>
#include <string_view>

#include "engine/MenuItem.h"

namespace velmoran {

// The menu bar as data: each menu's title and its items in order.
enum class MenuItemKind { Command, Toggle, Separator, Quit, About };

struct MenuItemLayout {
  MenuItem item;  // not read for a separator
  std::string_view text;
  std::string_view shortcut;  // Qt's notation; empty for none
  MenuItemKind kind;
};

struct MenuLayout {
  std::string_view title;
  char accessKey;  // with Alt, opens the menu; a letter of the title
  std::span<const MenuItemLayout> items;
};

inline constexpr MenuItemLayout separator{{}, "-", "", MenuItemKind::Separator};

inline constexpr std::array<MenuItemLayout, 5> fileMenu{{
    {MenuItem::GameNewGame, "New Game", "Ctrl+N", MenuItemKind::Command},
    separator,
    {MenuItem::GameStatistics, "Statistics", "Ctrl+T", MenuItemKind::Command},
    separator,
    {MenuItem::FileQuit, "Quit", "Ctrl+Q", MenuItemKind::Quit},
}};

inline constexpr std::array<MenuItemLayout, 6> editMenu{{
    {MenuItem::EditUndo, "Undo", "Ctrl+Z", MenuItemKind::Command},
    separator,
    {MenuItem::EditCut, "Cut", "Ctrl+X", MenuItemKind::Command},
    {MenuItem::EditCopy, "Copy", "Ctrl+C", MenuItemKind::Command},
    {MenuItem::EditPaste, "Paste", "Ctrl+V", MenuItemKind::Command},
    {MenuItem::EditClear, "Clear", "", MenuItemKind::Command},
}};

inline constexpr std::array<MenuItemLayout, 11> settingsMenu{{
    {MenuItem::GameGameSettings, "All Game Settings...", "Ctrl+G", MenuItemKind::Command},
    separator,
    {MenuItem::SettingsSound, "Sound", "Ctrl+D", MenuItemKind::Toggle},
    separator,
    {MenuItem::SettingsCheatWarning, "Warn Before Cheating", "", MenuItemKind::Toggle},
    {MenuItem::SettingsGiveUpWarning, "Warn Before Giving Up", "", MenuItemKind::Toggle},
    separator,
    {MenuItem::SettingsDimUnplayables, "Dim Unplayable Cards", "", MenuItemKind::Toggle},
    {MenuItem::SettingsShowShufflingEtc, "Show Shuffling, Etc.", "", MenuItemKind::Toggle},
    {MenuItem::SettingsAutomaticallyDeal, "Automatically Deal", "", MenuItemKind::Toggle},
    {MenuItem::SettingsShowStatsAutomatically, "Show Stats Automatically", "",
     MenuItemKind::Toggle},
}};

inline constexpr std::array<MenuItemLayout, 2> helpMenu{{
    {MenuItem::HelpInstructions, "Game Instructions", "Ctrl+?", MenuItemKind::Command},
    {MenuItem::AppleAbout, "About Velmoran\u2026", "", MenuItemKind::About},
}};

inline constexpr std::array<MenuLayout, 4> menuLayouts{{
    {"File", 'F', fileMenu},
    {"Edit", 'E', editMenu},
    {"Settings", 'S', settingsMenu},
    {"Help", 'H', helpMenu},
}};

// Every item stands in the menus exactly once, so each has one action.
inline constexpr bool eachItemLaidOutOnce = [] {
  std::array<int, menuItemCount> seen{};
  for (const MenuLayout& menu : menuLayouts) {
    for (const MenuItemLayout& entry : menu.items) {
      if (entry.kind != MenuItemKind::Separator) ++seen[static_cast<size_t>(entry.item)];
    }
  }
  for (int count : seen) {
    if (count != 1) return false;
  }
  return true;
}();
static_assert(eachItemLaidOutOnce, "every menu item must stand in the menus exactly once");

// Each menu's access key is a letter of its title and opens no other menu.
inline constexpr bool accessKeysDistinctAndInTheirTitles = [] {
  for (size_t i = 0; i < menuLayouts.size(); ++i) {
    if (menuLayouts[i].title.find(menuLayouts[i].accessKey) == std::string_view::npos) return false;
    for (size_t j = 0; j < i; ++j) {
      if (menuLayouts[j].accessKey == menuLayouts[i].accessKey) return false;
    }
  }
  return true;
}();
static_assert(accessKeysDistinctAndInTheirTitles, "each menu needs an access key of its own");

}  // namespace velmoran
