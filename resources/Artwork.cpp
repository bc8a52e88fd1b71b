#include "resources/Artwork.h"

#include <charconv>

#include "resources/BackPainter.h"
#include "resources/CardPainter.h"
#include "resources/Labels.h"
#include "resources/Panels.h"

namespace velmoran::art {

namespace {

// The size that follows a family word, or 0 when name is not that family.
int sizeAfter(std::string_view name, std::string_view family) {
  if (!name.starts_with(family)) return 0;
  const std::string_view digits = name.substr(family.size());
  int size = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), size);
  if (error != std::errc() || end != digits.data() + digits.size()) return 0;
  return size > 0 && size <= 2000 ? size : 0;
}

}  // namespace

QImage drawPicture(std::string_view name) {
  if (const int w = sizeAfter(name, "deck")) return drawDeckSheet(w);
  if (const int w = sizeAfter(name, "backs")) return drawBacksSheet(w);
  if (const int w = sizeAfter(name, "logo")) return drawLogoLabel(w);
  if (const int w = sizeAfter(name, "books")) return drawBooksLabel(w);
  if (const int w = sizeAfter(name, "hand")) return drawHandLabel(w);
  if (const int w = sizeAfter(name, "victory")) return drawVictoryBanner(w);
  if (name == "bluetile") return drawBlueTile();
  if (name == "PXaboutBox") return drawAboutBox();
  if (name == "PXicon") return drawIcon();
  return {};
}

}  // namespace velmoran::art
