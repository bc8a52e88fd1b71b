#pragma once

#include <QImage>
#include <QSize>

namespace velmoran {

// Registers the help window's diagrams with the picture accessors. Each is
// made the first time its topic is shown, from the game's own board drawing
// and its real windows drawn off the screen. Call once at start-up.
void registerHelpDiagrams();

// The largest a diagram may be: the size of the help window's canvas.
inline constexpr QSize diagramLimit{435, 195};

// A picture made smaller, keeping its proportions, until it fits the canvas.
QImage fitDiagram(const QImage& picture);

}  // namespace velmoran
