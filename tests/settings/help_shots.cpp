// Saves pictures of the settings window, every help topic and every help
// diagram into a folder, for a look by eye: help_shots OUTDIR
#include <QApplication>
#include <QDir>
#include <QListWidget>

#include "tests/settings/FakeTable.h"
#include "dialogs/help/HelpDiagrams.h"
#include "dialogs/help/WindowDiagrams.h"
#include "dialogs/help/Winstructions.h"
#include "dialogs/settings/Wsettings.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QDir out(argc > 1 ? argv[1] : ".");
  FakeTable table;
  velmoran::SystemRandom random{1};
  velmoran::MainRoutines routines{table, random};
  routines.setAllDefaults();
  velmoran::registerHelpDiagrams();

  velmoran::Wsettings settings(routines, {velmoran::sampleCardBack(), {}});
  settings.showCurrentValues();
  settings.grab().save(out.filePath("settings.png"));

  auto* help = velmoran::Winstructions::showInstance(routines, nullptr);
  auto* list = help->findChild<QListWidget*>("LBcontents");
  for (int row = 0; row < list->count(); ++row) {
    list->setCurrentRow(row);
    help->grab().save(out.filePath(QString("help-%1.png").arg(row + 1, 2, 10, QChar('0'))));
  }

  const std::pair<const char*, QImage (*)()> diagrams[] = {
      {"PXbooks", velmoran::booksDiagram},
      {"PXhand", velmoran::handDiagram},
      {"PXshiftclick", velmoran::legalPlacesDiagram},
      {"PXorphan", velmoran::orphanDiagram},
      {"PXcheat", velmoran::cheatDiagram},
      {"PXstats", velmoran::statsDiagram},
      {"PXsettingsmenu", velmoran::settingsMenuDiagram},
      {"PXnewgameoptions", velmoran::newGameOptionsDiagram},
      {"PXcardbacksettings", velmoran::cardBackSettingsDiagram},
      {"PXotheroptions", velmoran::otherOptionsDiagram},
      {"PXconflict", velmoran::conflictDiagram},
  };
  for (const auto& [name, make] : diagrams) {
    const QImage picture = make();
    if (!picture.isNull()) picture.save(out.filePath(QString(name) + ".png"));
  }
  return 0;
}
