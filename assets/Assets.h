#pragma once

#include <QImage>
#include <string_view>

// The game's pictures, each drawn by the project's own code the first time
// it is asked for and kept until the program ends. A name that is not an
// asset gives an empty picture, never a crash.
namespace velmoran::assets {

// Any picture by its asset name: "deck40" ... "deck90", "backs40" ...
// "backs90", "logo160" ... "logo360", "books160" ..., "hand160" ...,
// "victory400" ... "victory900", "bluetile", "PXaboutBox", "PXicon" and the
// help diagrams "PXbooks", "PXhand", ..., which are empty until the help
// window registers their makers.
const QImage& picture(std::string_view name);

// The picture families for a card width w (40, 45, ..., 90): the sheets at
// w, the labels at 4w, the banner at 10w. Drawn afresh and not kept, for a
// caller that keeps only the sizes it uses. Safe on any thread; another
// width gives an empty picture.
enum class Family { Deck, Backs, Logo, Books, Hand, Victory };
QImage drawFamilyMember(Family family, int cardWidth);

// Starts reading what every picture is drawn with (the typefaces) on
// another thread, so that the first pictures asked for do not wait for it.
void startPreparingPictures();

// The resource number of a picture name, 0 when unknown.
int pictureNumber(std::string_view name);

}  // namespace velmoran::assets

#include <functional>

#include "assets/PictureTable.h"

namespace velmoran::assets {

// Lets a later layer supply a picture that needs more than the painter
// (a help diagram made from real windows): the maker runs instead of the
// built-in drawing the first time the name is asked for. A maker registered
// after the picture was drawn replaces it at the next request; a name that
// is not a picture of the game is ignored.
void registerPicture(std::string_view name, std::function<QImage()> maker);

}  // namespace velmoran::assets
