#pragma once

#include <QImage>
#include <string_view>

namespace velmoran::art {

// Draws the picture of an asset name: a family word with its size
// ("deck70", "backs45", "logo240", "books160", "hand360", "victory650"),
// "bluetile", "PXaboutBox" or "PXicon". An empty picture for any other name:
// the help diagrams are made by the help window from the real windows.
QImage drawPicture(std::string_view name);

}  // namespace velmoran::art
