#pragma once

// The player's settings, and one table that says for each of them what it
// may hold, what a first run starts with and which Settings-menu toggle
// switches it. The factory settings, the settings window's defaults, the
// menu's toggles and the file reader's ranges all come from that table.

#include <array>
#include <optional>

#include "engine/CardBacks.h"
#include "engine/MenuItem.h"

namespace velmoran {

// The codes the settings hold, as the preferences file stores them.
enum Difficulty : int { standardRules = 1, easyRules = 2 };
enum GridSize : int { grid12x9 = 1, grid10x9 = 2, grid12x7 = 3, grid10x7 = 4 };
enum KingsLayout : int {
  kingsCenter = 1,
  kingsStaggeredPairs = 2,
  kingsCorners = 3,
  kingsInsetCorners = 4,
  kingsRandom = 5,
  kingsCustom = 6,  // the kings start in the hand
};

struct Settings {
  int game = 0;    // a Difficulty
  int grid = 0;    // a GridSize
  int gKings = 0;  // a KingsLayout
  int delaySpeed = 0;
  int gCardBackNumber = 0;
  bool gSound = false;
  bool gShuffle = false;  // show shuffling and other card movement
  bool gCheatWarning = false;
  bool gDimUnplayables = false;
  bool gAutoDeal = false;
  bool gGiveUpWarning = false;
  bool gShowStats = false;
  bool gAlwaysShowInstructions = false;

  bool operator==(const Settings&) const = default;
};

// One setting: exactly one of `number` and `flag` is set.
struct SettingField {
  int Settings::*number = nullptr;
  bool Settings::*flag = nullptr;
  int low = 0, high = 1;  // the values it may hold; a flag is 0 or 1
  int factory = 0;
  std::optional<MenuItem> menuItem;  // its Settings-menu toggle, if it has one
  bool needsNewGame = false;  // a change only takes effect with a new game
  // Whether reading the file puts it into the settings window at once; the
  // window shows every other setting when it is first shown.
  bool mirroredAtStart = false;
};

namespace makeField {
constexpr SettingField number(int Settings::*member, int low, int high, int factory,
                              bool needsNewGame = false) {
  return {member, nullptr, low, high, factory, {}, needsNewGame, true};
}
constexpr SettingField flag(bool Settings::*member, bool factory,
                            std::optional<MenuItem> menuItem = std::nullopt,
                            bool mirroredAtStart = false) {
  return {nullptr, member, 0, 1, factory ? 1 : 0, menuItem, false, mirroredAtStart};
}
}  // namespace makeField

// number(member, lowest, highest, factory value, needs a new game); every
// number is mirrored into the settings window when the file is read
// flag(member, factory value, Settings-menu toggle, mirrored when the file is read)
// Where each setting lies in the preferences file: see PrefsLayout.h.
inline constexpr std::array<SettingField, 13> settingFields{{
    makeField::number(&Settings::game, standardRules, easyRules, standardRules, true),
    makeField::number(&Settings::grid, grid12x9, grid10x7, grid12x9, true),
    makeField::number(&Settings::gKings, kingsCenter, kingsCustom, kingsCenter, true),
    makeField::number(&Settings::delaySpeed, 0, 100, 40),
    makeField::number(&Settings::gCardBackNumber, 1, cardBackCount, 1),
    makeField::flag(&Settings::gSound, true, MenuItem::SettingsSound, true),
    makeField::flag(&Settings::gShuffle, true, MenuItem::SettingsShowShufflingEtc, true),
    makeField::flag(&Settings::gCheatWarning, true, MenuItem::SettingsCheatWarning, true),
    makeField::flag(&Settings::gDimUnplayables, true, MenuItem::SettingsDimUnplayables),
    makeField::flag(&Settings::gAutoDeal, true, MenuItem::SettingsAutomaticallyDeal),
    makeField::flag(&Settings::gGiveUpWarning, true, MenuItem::SettingsGiveUpWarning),
    makeField::flag(&Settings::gShowStats, false, MenuItem::SettingsShowStatsAutomatically),
    makeField::flag(&Settings::gAlwaysShowInstructions, true),
}};

constexpr int valueOf(const Settings& settings, const SettingField& field) {
  return field.number ? settings.*field.number : settings.*field.flag;
}

constexpr void setValue(Settings& settings, const SettingField& field, int value) {
  if (field.number) {
    settings.*field.number = value;
  } else {
    settings.*field.flag = value != 0;
  }
}

constexpr bool withinRange(const SettingField& field, int value) {
  return value >= field.low && value <= field.high;
}

constexpr Settings factorySettings() {
  Settings settings;
  for (const SettingField& field : settingFields) setValue(settings, field, field.factory);
  return settings;
}

// Whether `a` may become the settings of `b`'s game without a new game.
constexpr bool sameMainSettings(const Settings& a, const Settings& b) {
  for (const SettingField& field : settingFields) {
    if (field.needsNewGame && valueOf(a, field) != valueOf(b, field)) return false;
  }
  return true;
}

}  // namespace velmoran
