#include "dialogs/help/HelpDiagrams.h"

#include "dialogs/help/WindowDiagrams.h"
#include "assets/Assets.h"

namespace velmoran {

QImage fitDiagram(const QImage& picture) {
  if (picture.width() <= diagramLimit.width() && picture.height() <= diagramLimit.height()) {
    return picture;
  }
  return picture.scaled(diagramLimit, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void registerHelpDiagrams() {
  assets::registerPicture("PXbooks", booksDiagram);
  assets::registerPicture("PXhand", handDiagram);
  assets::registerPicture("PXshiftclick", legalPlacesDiagram);
  assets::registerPicture("PXorphan", orphanDiagram);
  assets::registerPicture("PXcheat", cheatDiagram);
  assets::registerPicture("PXstats", statsDiagram);
  assets::registerPicture("PXsettingsmenu", settingsMenuDiagram);
  assets::registerPicture("PXnewgameoptions", newGameOptionsDiagram);
  assets::registerPicture("PXcardbacksettings", cardBackSettingsDiagram);
  assets::registerPicture("PXotheroptions", otherOptionsDiagram);
  assets::registerPicture("PXconflict", conflictDiagram);
}

}  // namespace velmoran
