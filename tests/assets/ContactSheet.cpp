// Writes contact sheets of the game's pictures, for a person to look at:
// the card faces and backs at the smallest and largest sizes, the labels on
// the tapestry, the banner and the panels. (The help diagrams are made from
// the real windows: help_shots saves those.)
//
//   asset_contact_sheet OUTPUT_FOLDER
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>
#include <string>
#include <vector>

#include "assets/Assets.h"

namespace {

using velmoran::assets::picture;

QImage onTapestry(const std::vector<QImage>& labels) {
  int height = 10, width = 0;
  for (const QImage& l : labels) {
    height += l.height() + 10;
    width = std::max(width, l.width() + 20);
  }
  QImage out(width, height, QImage::Format_RGB32);
  QPainter p(&out);
  p.fillRect(out.rect(), QBrush(picture("bluetile")));
  int y = 10;
  for (const QImage& l : labels) {
    // Labels are shown as the board shows them: white does not draw.
    QImage masked = l.convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < masked.height(); ++row) {
      auto* line = reinterpret_cast<QRgb*>(masked.scanLine(row));
      for (int x = 0; x < masked.width(); ++x) {
        if ((line[x] & 0xffffff) == 0xffffff) line[x] = 0;
      }
    }
    p.drawImage(10, y, masked);
    y += l.height() + 10;
  }
  return out;
}

QImage stack(const std::vector<QImage>& parts, QColor background) {
  int width = 0, height = 0;
  for (const QImage& part : parts) {
    width = std::max(width, part.width());
    height += part.height() + 8;
  }
  QImage out(width + 16, height + 8, QImage::Format_RGB32);
  out.fill(background);
  QPainter p(&out);
  int y = 8;
  for (const QImage& part : parts) {
    p.drawImage(8, y, part);
    y += part.height() + 8;
  }
  return out;
}

// Three times the size, each pixel a square of nine.
QImage enlarged(const QImage& image) { return image.scaled(image.size() * 3); }

bool save(const QImage& image, const QDir& folder, const char* name) {
  const bool ok = image.save(folder.filePath(QString::fromLatin1(name)));
  std::printf("%s %s (%dx%d)\n", ok ? "wrote" : "FAILED", name, image.width(), image.height());
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  QDir folder(QString::fromLocal8Bit(argv[1]));
  folder.mkpath(QStringLiteral("."));
  const QColor baize(20, 90, 50);
  bool ok = true;
  ok &= save(stack({picture("deck40"), picture("backs40")}, baize), folder, "cards40.png");
  ok &= save(stack({picture("deck90")}, baize), folder, "faces90.png");
  // The faces of every width, and the smallest and largest three times
  // enlarged, where a pixel more or less between two signs shows.
  std::vector<QImage> decks;
  for (int w = 40; w <= 90; w += 5) decks.push_back(picture("deck" + std::to_string(w)));
  ok &= save(stack(decks, baize), folder, "faces-every-width.png");
  ok &= save(enlarged(stack({picture("deck40")}, baize)), folder, "faces40-x3.png");
  ok &= save(enlarged(stack({picture("deck90")}, baize)), folder, "faces90-x3.png");
  ok &= save(stack({picture("backs90")}, baize), folder, "backs90.png");
  ok &= save(onTapestry({picture("logo160"), picture("books160"), picture("hand160"),
                         picture("logo360"), picture("books360"), picture("hand360")}),
             folder, "labels.png");
  ok &=
      save(stack({picture("victory400"), picture("victory900")}, Qt::black), folder, "banners.png");
  QImage tiles(300, 300, QImage::Format_RGB32);
  QPainter(&tiles).fillRect(tiles.rect(), QBrush(picture("bluetile")));
  ok &= save(stack({tiles, picture("PXaboutBox"), picture("PXicon")}, Qt::gray), folder,
             "panels.png");
  return ok ? 0 : 1;
}
