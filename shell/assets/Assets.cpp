#include "Assets.h"

namespace velmoran::assets {

namespace {
const QImage& none() {
  static const QImage empty;
  return empty;
}
}  // namespace

const QImage& picture(std::string_view) { return none(); }
const QImage& deckSheet(int) { return none(); }
const QImage& backsSheet(int) { return none(); }
const QImage& logoLabel(int) { return none(); }
const QImage& booksLabel(int) { return none(); }
const QImage& handLabel(int) { return none(); }
const QImage& victoryBanner(int) { return none(); }
int pictureNumber(std::string_view) { return 0; }

}  // namespace velmoran::assets

namespace velmoran::assets {
void registerPicture(std::string_view, std::function<QImage()>) {}
}  // namespace velmoran::assets
