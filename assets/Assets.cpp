#include "assets/Assets.h"

#include <map>
#include <string>

#include "resources/Artwork.h"
#include "resources/Fonts.h"

namespace velmoran::assets {

namespace {

constexpr size_t pictureCount = pictureTable.size();

// The drawn pictures, one slot per table entry, kept until the program
// ends. Callers hold references into the slots, so a slot is only ever
// overwritten, never moved.
struct Cache {
  std::array<QImage, pictureCount> images;
  std::array<bool, pictureCount> loaded{};
  std::map<std::string, std::function<QImage()>, std::less<>> makers;
};

Cache& cache() {
  static Cache c;
  return c;
}

const QImage& none() {
  static const QImage empty;
  return empty;
}

int indexOf(std::string_view name) {
  for (size_t i = 0; i < pictureCount; ++i) {
    if (pictureTable[i].name == name) return static_cast<int>(i);
  }
  return -1;
}

QImage make(std::string_view name) {
  Cache& c = cache();
  const auto maker = c.makers.find(name);
  return maker != c.makers.end() ? maker->second() : art::drawPicture(name);
}

std::string familyMember(std::string_view family, int size) {
  return std::string(family) + std::to_string(size);
}

// The card widths that have picture families: 40, 45, ..., 90.
bool isCardWidth(int w) { return w >= 40 && w <= 90 && w % 5 == 0; }

}  // namespace

const QImage& picture(std::string_view name) {
  const int index = indexOf(name);
  if (index < 0) return none();
  Cache& c = cache();
  const auto i = static_cast<size_t>(index);
  if (!c.loaded[i]) {
    QImage drawn = make(name);
    // A failed drawing is not kept, so the next request tries again.
    if (drawn.isNull()) return none();
    c.images[i] = std::move(drawn);
    c.loaded[i] = true;
  }
  return c.images[i];
}

namespace {

// The asset name of a family member: sheets by card width, labels by four
// card widths, the banner by ten.
std::string familyName(Family family, int w) {
  switch (family) {
    case Family::Deck: return familyMember("deck", w);
    case Family::Backs: return familyMember("backs", w);
    case Family::Logo: return familyMember("logo", 4 * w);
    case Family::Books: return familyMember("books", 4 * w);
    case Family::Hand: return familyMember("hand", 4 * w);
    case Family::Victory: return familyMember("victory", 10 * w);
  }
  return {};
}

}  // namespace

QImage drawFamilyMember(Family family, int w) {
  return isCardWidth(w) ? art::drawPicture(familyName(family, w)) : QImage();
}

void startPreparingPictures() { art::startLoadingFonts(); }

int pictureNumber(std::string_view name) {
  const int index = indexOf(name);
  return index < 0 ? 0 : pictureTable[static_cast<size_t>(index)].number;
}

void registerPicture(std::string_view name, std::function<QImage()> maker) {
  const int index = indexOf(name);
  if (index < 0 || !maker) return;
  Cache& c = cache();
  c.makers[std::string(name)] = std::move(maker);
  c.loaded[static_cast<size_t>(index)] = false;
}

}  // namespace velmoran::assets
