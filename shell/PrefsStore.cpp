#include "shell/PrefsStore.h"

#include <utility>

namespace velmoran {

PrefsStore::PrefsStore(MainRoutines& routines, std::filesystem::path folder)
    : routines_(routines), folder_(std::move(folder)) {}

PrefsReadOutcome PrefsStore::read() {
  outcome_ = prefsRead(routines_, folder_);
  keepBeforeWriting_ =
      outcome_ == PrefsReadOutcome::Damaged || outcome_ == PrefsReadOutcome::Unreadable;
  return outcome_;
}

void PrefsStore::save() { save(prefsText(routines_)); }

void PrefsStore::save(std::string state) {
  if (state == lastSaved_) return;
  lastSaved_ = std::move(state);
  if (keepBeforeWriting_) {
    // What could not be read is never lost: no copy kept, no replacing.
    if (!keepDamagedPrefs(folder_)) {
      routines_.table().showMessage(std::string(prefsWriteMessage));
      return;
    }
    keepBeforeWriting_ = false;
  }
  prefsWrite(routines_, folder_, lastSaved_);
}

QString PrefsStore::damagedNotice() const {
  if (outcome_ != PrefsReadOutcome::Damaged && outcome_ != PrefsReadOutcome::Unreadable) return {};
  const QString kept = QString::fromStdString((folder_ / prefsDamagedFileName).string());
  return QStringLiteral(
             "The preferences file could not be read in full, so some settings, statistics "
             "or the saved game could not be restored.\n\n"
             "The file will be kept as \u201c%1\u201d before it is replaced.")
      .arg(kept);
}

}  // namespace velmoran
