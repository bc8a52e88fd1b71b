#include "shell/PrefsStore.h"

#include <utility>

#include "engine/DamagedPrefs.h"

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
  if (saveNothing_) return;
  if (state == lastSaved_) return;
  lastSaved_ = std::move(state);
  if (keepBeforeWriting_)
    keepBeforeWriting_ = !replaceDamagedPrefs(routines_, folder_, lastSaved_);
  else
    prefsWrite(routines_, folder_, lastSaved_);
}

QStringList PrefsStore::startNotices() const {
  QStringList notices;
  if (outcome_ == PrefsReadOutcome::Damaged || outcome_ == PrefsReadOutcome::Unreadable)
    notices << damagedNotice();
  if (saveNothing_)
    notices << QStringLiteral(
        "Velmoran cannot write to its preferences folder, so your settings "
        "and this game will not be saved this time.");
  return notices;
}

QString PrefsStore::damagedNotice() const {
  const QString kept = QString::fromStdString(freeDamagedName(folder_).string());
  return QStringLiteral(
             "The preferences file could not be read in full, so some settings, statistics "
             "or the saved game could not be restored.\n\n"
             "The file will be kept as \u201c%1\u201d before it is replaced.")
      .arg(kept);
}

}  // namespace velmoran
