#pragma once

#include <QString>
#include <filesystem>
#include <string>

#include "engine/PrefsFile.h"

namespace velmoran {

// The preferences file as one run uses it: read once at start, written
// whenever the run ends (or the desktop asks for a save before logging
// out), and never written twice with the same state, so that every way of
// ending writes once and tells of a failure at most once. A file that could
// not be read whole is kept aside before it is first replaced.
class PrefsStore {
 public:
  PrefsStore(MainRoutines& routines, std::filesystem::path folder);

  PrefsReadOutcome read();
  void save();
  // Writes `state`, a text made by prefsText earlier.
  void save(std::string state);

  // What to tell the player about a file that could not be read whole;
  // empty when it was read whole or there was none.
  QString damagedNotice() const;

 private:
  MainRoutines& routines_;
  std::filesystem::path folder_;
  PrefsReadOutcome outcome_ = PrefsReadOutcome::NoFile;
  bool keepBeforeWriting_ = false;
  std::string lastSaved_;  // the state last written, or tried
};

}  // namespace velmoran
