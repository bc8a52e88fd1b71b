#pragma once

#include <QImage>
#include <string_view>

namespace velmoran::art {

// The picture under a help topic ("PXbooks", "PXhand", ...), at most
// 435 x 195; an empty picture for any other name. Diagrams of the board are
// composed from the game's own card painter and board colours.
QImage drawHelpDiagram(std::string_view name);

}  // namespace velmoran::art
