#pragma once

#include <QString>
#include <QStringList>
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

  // Nothing is written this run (the folder cannot be written, or another
  // copy might write it too); the player is told at start instead of at
  // the end.
  void saveNothing() { saveNothing_ = true; }

  // What to tell the player once the game shows: a file that could not be
  // read whole, and that nothing will be saved.
  QStringList startNotices() const;

 private:
  QString damagedNotice() const;

  MainRoutines& routines_;
  std::filesystem::path folder_;
  PrefsReadOutcome outcome_ = PrefsReadOutcome::NoFile;
  bool keepBeforeWriting_ = false;
  bool saveNothing_ = false;
  std::string lastSaved_;  // the state last written, or tried
};

}  // namespace velmoran
