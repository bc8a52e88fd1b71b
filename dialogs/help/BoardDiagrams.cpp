// Help diagrams of the board. Drawn by the main window's board drawing once
// the table window is merged into this branch; until then they are empty.
#include "dialogs/help/WindowDiagrams.h"

namespace velmoran {

QImage booksDiagram() { return {}; }
QImage handDiagram() { return {}; }
QImage legalPlacesDiagram() { return {}; }
QImage orphanDiagram() { return {}; }
QImage conflictDiagram() { return {}; }
std::function<QImage(int)> sampleCardBack() { return {}; }

}  // namespace velmoran
