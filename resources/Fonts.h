#pragma once

#include <QFont>

namespace velmoran::art {

// The typefaces every picture is drawn with. They are loaded from the files
// of the fonts-dejavu-core package, so a picture looks the same on every
// machine whatever fonts it has installed.
enum class Face { Sans, SansBold, Serif, SerifBold };

// A font of the given face at a size in pixels. When the font file cannot be
// read, Qt's default font stands in so that drawing still works.
QFont font(Face face, qreal pixelSize);

// Starts reading the font files on a pooled thread and returns at once, so
// that they are ready by the time the first picture is drawn. font() waits
// for a reading already under way.
void startLoadingFonts();

}  // namespace velmoran::art
