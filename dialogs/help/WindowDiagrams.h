#pragma once

#include <QImage>
#include <functional>

namespace velmoran {

// Diagrams of the game's windows, drawn off the screen.
QImage newGameOptionsDiagram();
QImage cardBackSettingsDiagram();
QImage otherOptionsDiagram();
QImage cheatDiagram();
QImage statsDiagram();
QImage settingsMenuDiagram();

// Diagrams of the board, drawn by the game's own board drawing; no window
// is built for them.
QImage booksDiagram();
QImage handDiagram();
QImage legalPlacesDiagram();
QImage orphanDiagram();
QImage conflictDiagram();

// Card backs as the table draws them at the smallest card size.
std::function<QImage(int)> sampleCardBack();

}  // namespace velmoran
