#pragma once

// The preferences and saved-game file "Velmoran Preferences": the settings, the
// six statistics counters and the whole game in progress (board, undo store,
// deck and flags), one plain-text value a line. See PrefsLayout.h for where
// each value lives.
//
// How the shell uses it
// ---------------------
// Start-up, in this order:
//     routines.setAllDefaults();
//     PrefsReadOutcome outcome = prefsRead(routines, folder);
//   `folder` is the user's configuration folder (the file lies directly in it).
//   prefsRead shows its own message box when the folder cannot be reached, so
//   the shell needs no message of its own; whatever the outcome, the state in
//   `routines` is complete and consistent (factory values where the file gave
//   none), and the shell goes on with its start-up from it: the screen check,
//   the window title (routines.title()), the settings window and the statistics
//   window (routines.stats) show the loaded values, then the splash.
//
// File > Quit:
//     prefsWrite(routines, folder);   // then quit, whatever it returned
//   On failure prefsWrite has already told the player, and the file of the
//   previous quit is still whole.
//
// Messages go through routines.table().showMessage().

#include <filesystem>
#include <string>
#include <string_view>

#include "engine/MainRoutines.h"

namespace velmoran {

inline constexpr std::string_view prefsFileName = "Velmoran Preferences";
// Written first and renamed over the real file once complete.
inline constexpr std::string_view prefsTempFileName = "Velmoran Preferences.saving";
// Where a file that could not be read whole is kept before it is replaced.
inline constexpr std::string_view prefsDamagedFileName = "Velmoran Preferences.damaged";

inline constexpr std::string_view prefsFolderMessage =
    "Error accessing preferences folder.\n\nPreferences were not loaded.";
inline constexpr std::string_view prefsWriteMessage =
    "Sorry, unable to create preferences file.\n\nYour settings cannot be saved.";

enum class PrefsReadOutcome {
  FolderUnreachable,  // the folder is missing and cannot be created; message shown
  NoFile,             // no file: factory settings
  Read,               // the file was read whole
  Damaged,            // the file was read; parts of it were refused as damaged
  Unreadable,         // a file is there but cannot be read: factory settings
};

// "on" / "off".
std::string Bool2Str(bool value);
// True for "on" or "true", whatever the letter case and surrounding blanks.
bool Str2Bool(std::string_view text);

// Reads the file from `folder`, creating the folder when it is missing.
PrefsReadOutcome prefsRead(MainRoutines& routines, const std::filesystem::path& folder);

// Replaces the file in `folder` (created when missing) with the current state.
// Returns false, after telling the player, when it cannot.
bool prefsWrite(MainRoutines& routines, const std::filesystem::path& folder);
// The same with the file's text already made by prefsText.
bool prefsWrite(MainRoutines& routines, const std::filesystem::path& folder,
                const std::string& text);

// The file's contents, for the two routines above, tests and tools.
//
// prefsText gives the whole file, LF line ends.
std::string prefsText(const MainRoutines& routines);
// applyPrefsText takes the text of a file (LF, CRLF or CR line ends), checks it
// whole and applies what makes sense:
//  - settings outside their ranges, or unreadable, keep their current values;
//  - a counter takes its second copy, else its first, else 0 (negative or
//    unreadable copies don't count);
//  - the saved game comes back whole or not at all (an empty board then);
//  - lines missing at the end of a short file: Booleans read False.
// Any input is safe. True when every line was taken as it stands; false when
// any line was refused, replaced by another value or dropped with the saved
// game, so that the file is kept and the player told before it is replaced.
bool applyPrefsText(MainRoutines& routines, std::string_view text);

}  // namespace velmoran
