#include "HelpDiagrams.h"

#include <QPainter>
#include <cstring>
#include <functional>
#include <map>

#include "BackPainter.h"
#include "CardPainter.h"
#include "DiagramSketch.h"
#include "Fonts.h"
#include "Labels.h"
#include "Panels.h"

namespace velmoran::art {

namespace {

using namespace sketch;

constexpr int C = 0, D = 1, H = 2, S = 3;  // suit rows
constexpr int card(int suit, int rank) { return suit * 13 + rank; }

const QColor highlight(240, 200, 40);
const QColor warning(210, 30, 40);

QImage canvas(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(QColor(246, 246, 246));
  return image;
}

void ring(QPainter& p, const QRectF& r, const QColor& colour) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(colour, 3));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(r.adjusted(-3, -3, 3, 3), 9, 9);
  p.restore();
}

QImage books() {
  QImage image = canvas(435, 195);
  QPainter p(&image);
  const int grid[] = {card(C, 5), card(C, 7), card(D, 7), card(D, 9),  //
                      card(H, 5), card(H, 7), card(S, 7), card(S, 9),  //
                      0,          card(H, 4), card(S, 4), 0};
  const QPointF origin(8, 2);
  board(p, origin, 4, 3, grid);
  ring(p, QRectF(placeAt(origin, 1, 0), QSizeF(2 * cardW + 1, 2 * cardH + 1)), highlight);
  const QRectF panel(232, 2, 200, 172);
  tapestry(p, panel);
  caption(p, QRectF(panel.left(), 20, panel.width(), 30), QStringLiteral("Books"), 20,
          Qt::AlignCenter, QColor(240, 200, 90));
  const QPointF shelf(panel.left() + 15, 60);
  const int done[] = {card(S, 1), card(H, 2), 0, 0};
  for (int i = 0; i < 4; ++i) {
    const QRectF r = placeRect(shelf, i, 0);
    if (done[i]) {
      paintCardFace(p, r, done[i]);
    } else {
      emptyPlace(p, r, true);
    }
  }
  arrow(p, placeAt(origin, 3, 0) + QPointF(cardW, 20), QPointF(shelf.x() + 2 * 41 + 20, 58),
        highlight);
  caption(p, QRectF(panel.left(), 124, panel.width(), 48),
          QStringLiteral("Books leave the grid\naces first"), 12, Qt::AlignCenter, Qt::white);
  caption(p, QRectF(0, 174, 435, 21),
          QStringLiteral("A book is four of one rank in a square; twelve books win"), 11);
  return image;
}

QImage hand() {
  QImage image = canvas(435, 195);
  QPainter p(&image);
  const int grid[] = {0, 0,          0,           0,  //
                      0, card(H, 8), card(C, 8),  0,  //
                      0, 0,          card(C, 11), 0};
  const QPointF origin(8, 2);
  board(p, origin, 4, 3, grid);
  legalFrame(p, placeRect(origin, 0, 1));
  const QRectF panel(200, 2, 232, 172);
  tapestry(p, panel);
  caption(p, QRectF(panel.left(), 30, panel.width(), 30), QStringLiteral("Hand"), 20,
          Qt::AlignCenter, QColor(240, 200, 90));
  const QPointF handPlaces(panel.left() + 33, 100);
  const int cards[] = {card(C, 3), card(D, 8), card(S, 13), card(H, 12)};
  for (int i = 0; i < 4; ++i) paintCardFace(p, placeRect(handPlaces, i, 0), cards[i]);
  ring(p, placeRect(handPlaces, 1, 0), highlight);
  arrow(p, placeAt(handPlaces, 1, 0) + QPointF(10, 0),
        placeAt(origin, 0, 1) + QPointF(cardW / 2, 0), highlight);
  caption(p, QRectF(0, 174, 435, 21),
          QStringLiteral("Drag a card from the hand to a place where it fits"), 11);
  return image;
}

QImage shiftClick() {
  QImage image = canvas(435, 195);
  QPainter p(&image);
  const int grid[] = {0, card(S, 5), card(H, 5), 0,          0, 0,  //
                      0, 0,          card(H, 9), card(C, 9), 0, 0,  //
                      0, 0,          0,          0,          0, 0};
  const QPointF origin(4, 2);
  board(p, origin, 6, 3, grid);
  for (auto [x, y] : {std::pair{0, 0}, {1, 1}, {2, 2}, {3, 2}, {4, 1}}) {
    legalFrame(p, placeRect(origin, x, y));
  }
  paintCardFace(p, QRectF(330, 40, cardW * 1.5, cardH * 1.5), card(S, 9));
  caption(p, QRectF(268, 130, 167, 44), QStringLiteral("Shift-click the 9 to see\nwhere it may go"),
          11);
  caption(p, QRectF(0, 174, 435, 21),
          QStringLiteral("Each framed place touches a card and matches all it touches"), 11);
  return image;
}

QImage orphan() {
  QImage image = canvas(435, 195);
  QPainter p(&image);
  const int grid[] = {card(C, 6),  card(D, 6), 0, 0, card(D, 12), 0,  //
                      card(C, 10), 0,          0, 0, 0,           0,  //
                      0,           0,          0, 0, card(D, 4),  0};
  const QPointF origin(4, 2);
  board(p, origin, 6, 3, grid);
  p.save();
  p.setPen(QPen(QColor(200, 200, 200), 1, Qt::DashLine));
  p.drawRect(QRectF(placeAt(origin, 2, 0), QSizeF(2 * cardW + 1, 2 * cardH + 1)));
  p.restore();
  caption(p, QRectF(placeAt(origin, 2, 0), QSizeF(2 * cardW + 1, 2 * cardH + 1)),
          QStringLiteral("book\nremoved"), 11, Qt::AlignCenter, QColor(220, 220, 220));
  ring(p, placeRect(origin, 4, 0), warning);
  ring(p, placeRect(origin, 4, 2), warning);
  caption(p, QRectF(258, 30, 177, 120),
          QStringLiteral("The queen and the four touch no other card now: they are orphans and "
                         "must be joined to the grid again"),
          11, Qt::AlignLeft | Qt::AlignVCenter);
  caption(p, QRectF(0, 174, 435, 21), QStringLiteral("Diagonal contact does not count"), 11);
  return image;
}

QImage cheat() {
  QImage image = canvas(404, 147);
  QPainter p(&image);
  const QRectF body = window(p, QRectF(1, 1, 402, 145), QStringLiteral("Cheat Warning"));
  p.drawImage(QPointF(body.left() + 33, body.top() + 18), drawIcon());
  p.save();
  p.setFont(font(Face::SansBold, 12));
  p.drawText(QRectF(body.left() + 103, body.top() + 18, 284, 61), Qt::TextWordWrap,
             QStringLiteral("Dealing more cards when you still have playable cards in your hand "
                            "is considered \"cheating\"."));
  p.restore();
  checkBox(p, QPointF(body.left() + 12, body.top() + 94),
           QStringLiteral("Never warn about cheating"), false);
  button(p, QRectF(body.left() + 212, body.top() + 90, 69, 20), QStringLiteral("Cheat"));
  button(p, QRectF(body.left() + 297, body.top() + 90, 90, 20), QStringLiteral("Don't Cheat"),
         true);
  return image;
}

QImage stats() {
  QImage image = canvas(332, 195);
  QPainter p(&image);
  const QRectF body = window(p, QRectF(1, 1, 330, 193), QStringLiteral("Statistics"));
  p.drawImage(QPointF(body.left() + 10, body.top() + 4), drawIcon());
  caption(p, QRectF(body.left() + 64, body.top() + 8, 205, 16), QStringLiteral("Game Statistics"),
          13, Qt::AlignLeft);
  const QString labels = QStringLiteral("Games won:\nGames won with \"cheating\":\nGames lost:");
  const QString values[] = {QStringLiteral("5\n1\n3"), QStringLiteral("2\n0\n1")};
  const QString titles[] = {QStringLiteral("Standard Games"), QStringLiteral("Easy Games")};
  for (int i = 0; i < 2; ++i) {
    const QRectF group(body.left() + 160 * i + 6, body.top() + 84, 156, 58);
    groupBox(p, group, titles[i]);
    caption(p, group.adjusted(5, 4, -16, -4), labels, 9, Qt::AlignLeft | Qt::AlignVCenter);
    caption(p, group.adjusted(5, 4, -6, -4), values[i], 9, Qt::AlignRight | Qt::AlignVCenter);
  }
  button(p, QRectF(body.left() + 136, body.top() + 150, 90, 20), QStringLiteral("Clear Stats"));
  button(p, QRectF(body.left() + 240, body.top() + 150, 69, 20), QStringLiteral("OK"), true);
  return image;
}

QImage settingsMenu() {
  QImage image = canvas(300, 195);
  QPainter p(&image);
  p.fillRect(QRectF(0, 0, 300, 20), QColor(230, 230, 234));
  const char* titles[] = {"File", "Edit", "Settings", "Help"};
  qreal x = 8;
  for (const char* t : titles) {
    const qreal width = 16 + 7 * std::strlen(t);
    if (std::string_view(t) == "Settings")
      p.fillRect(QRectF(x - 4, 0, width, 20), QColor(60, 110, 200));
    caption(p, QRectF(x, 0, width - 8, 20), QString::fromLatin1(t), 12, Qt::AlignCenter,
            std::string_view(t) == "Settings" ? Qt::white : Qt::black);
    x += width;
  }
  const QRectF menu(72, 20, 220, 173);
  p.setPen(QColor(150, 150, 160));
  p.setBrush(Qt::white);
  p.drawRect(menu);
  struct Item {
    const char* text;
    bool ticked;
  };
  const Item items[] = {{"All Game Settings...", false},
                        {"-", false},
                        {"Sound", true},
                        {"-", false},
                        {"Warn Before Cheating", true},
                        {"Warn Before Giving Up", true},
                        {"-", false},
                        {"Dim Unplayable Cards", true},
                        {"Show Shuffling, Etc.", true},
                        {"Automatically Deal", true},
                        {"Show Stats Automatically", false}};
  qreal y = menu.top() + 4;
  for (const Item& item : items) {
    if (std::string_view(item.text) == "-") {
      p.setPen(QColor(210, 210, 214));
      p.drawLine(QPointF(menu.left() + 6, y + 3), QPointF(menu.right() - 6, y + 3));
      y += 7;
      continue;
    }
    if (item.ticked) caption(p, QRectF(menu.left() + 4, y, 14, 18), QStringLiteral("\u2713"), 12);
    caption(p, QRectF(menu.left() + 22, y, 190, 18), QString::fromLatin1(item.text), 12,
            Qt::AlignLeft | Qt::AlignVCenter);
    y += 18;
  }
  return image;
}

QRectF tabPanel(QPainter& p, const QRectF& r, const QString& tab) {
  groupBox(p, r.adjusted(0, 10, 0, 0), QString());
  button(p, QRectF(r.center().x() - 50, r.top(), 100, 20), tab, true);
  return r.adjusted(8, 30, -8, -8);
}

QImage newGameOptions() {
  QImage image = canvas(300, 195);
  QPainter p(&image);
  const QRectF area = tabPanel(p, QRectF(4, 4, 292, 186), QStringLiteral("Main Settings"));
  const char* labels[] = {"Difficulty:", "Grid Size:", "Kings Start In:"};
  const char* values[] = {"Standard", "12 x 9", "Center"};
  for (int i = 0; i < 3; ++i) {
    caption(p, QRectF(area.left() + 6, area.top() + 8 + 30 * i, 100, 20),
            QString::fromLatin1(labels[i]), 12, Qt::AlignLeft | Qt::AlignVCenter);
    popup(p, QRectF(area.left() + 110, area.top() + 8 + 30 * i, 150, 20),
          QString::fromLatin1(values[i]));
  }
  p.save();
  p.setFont(font(Face::SansBold, 10));
  p.setPen(QColor(188, 4, 17));
  p.drawText(
      QRectF(area.left(), area.top() + 100, area.width(), 34), Qt::AlignCenter,
      QStringLiteral("The changes made to these main settings\nrequire starting a new game."));
  p.restore();
  return image;
}

QImage cardBackSettings() {
  QImage image = canvas(300, 195);
  QPainter p(&image);
  const QRectF area = tabPanel(p, QRectF(4, 4, 292, 186), QStringLiteral("Card Backs"));
  const QRectF sample(area.left() + 6, area.top() + 6, 94, 130);
  p.fillRect(sample, Qt::black);
  paintCardBack(p, sample.adjusted(2, 2, -2, -2), 1);
  const QRectF list(area.left() + 110, area.top() + 6, 160, 130);
  p.fillRect(list, Qt::white);
  p.setPen(QColor(150, 150, 160));
  p.drawRect(list);
  const char* names[] = {"Sunburst (Default)", "Classic Red", "Classic Blue", "Classic Green",
                         "Cobblestone",        "Armadillo",   "Turtle",       "Fish"};
  for (int i = 0; i < 8; ++i) {
    const QRectF row(list.left() + 1, list.top() + 1 + 16 * i, list.width() - 2, 16);
    if (i == 0) p.fillRect(row, QColor(60, 110, 200));
    caption(p, row.adjusted(6, 0, 0, 0), QString::fromLatin1(names[i]), 12,
            Qt::AlignLeft | Qt::AlignVCenter, i == 0 ? Qt::white : Qt::black);
  }
  return image;
}

QImage otherOptions() {
  QImage image = canvas(435, 195);
  QPainter p(&image);
  const QRectF area = tabPanel(p, QRectF(4, 4, 427, 186), QStringLiteral("Other Options"));
  const char* left[] = {"Play sounds", "Warn before cheating", "Dim unplayable cards"};
  const char* right[] = {"Automatically deal cards", "Warn before giving up",
                         "Show statistics after each game"};
  for (int i = 0; i < 3; ++i) {
    checkBox(p, area.topLeft() + QPointF(14, 8 + 24 * i), QString::fromLatin1(left[i]), true);
    checkBox(p, area.topLeft() + QPointF(210, 8 + 24 * i), QString::fromLatin1(right[i]), i < 2);
  }
  checkBox(p, area.topLeft() + QPointF(90, 86),
           QStringLiteral("Show card shuffling and other movement"), true);
  const qreal sliderY = area.top() + 126;
  caption(p, QRectF(area.left() + 40, sliderY - 8, 60, 16), QStringLiteral("Slow"), 10,
          Qt::AlignRight | Qt::AlignVCenter);
  caption(p, QRectF(area.left() + 330, sliderY - 8, 60, 16), QStringLiteral("Fast"), 10,
          Qt::AlignLeft | Qt::AlignVCenter);
  p.setPen(QPen(QColor(150, 150, 160), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(area.left() + 110, sliderY), QPointF(area.left() + 320, sliderY));
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QColor(110, 110, 120));
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(area.left() + 110 + 210 * 0.6, sliderY), 7, 7);
  return image;
}

QImage conflict() {
  QImage image = canvas(435, 195);
  QPainter p(&image);
  const int grid[] = {0, card(C, 3),  card(D, 3), card(D, 5), 0,  //
                      0, card(H, 3),  0,          card(D, 8), 0,  //
                      0, card(H, 10), 0,          0,          0};
  const QPointF origin(4, 2);
  board(p, origin, 5, 3, grid);
  const QRectF blocked = placeRect(origin, 2, 1);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(warning, 4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(blocked.topLeft() + QPointF(10, 14), blocked.bottomRight() - QPointF(10, 14));
  p.drawLine(blocked.topRight() + QPointF(-10, 14), blocked.bottomLeft() + QPointF(10, -14));
  p.restore();
  paintCardFace(p, QRectF(240, 20, cardW * 1.5, cardH * 1.5), card(S, 3));
  caption(p, QRectF(310, 14, 125, 96),
          QStringLiteral("The 3 of spades cannot go in its place: it would touch the 8 of "
                         "diamonds"),
          11, Qt::AlignLeft | Qt::AlignVCenter);
  caption(p, QRectF(214, 118, 221, 56),
          QStringLiteral("This book can never be finished, so the game is lost"), 12,
          Qt::AlignCenter, warning);
  caption(p, QRectF(0, 174, 435, 21),
          QStringLiteral("Mind where you play when a book is nearly complete"), 11);
  return image;
}

}  // namespace

QImage drawHelpDiagram(std::string_view name) {
  static const std::map<std::string_view, std::function<QImage()>> makers{
      {"PXbooks", books},
      {"PXhand", hand},
      {"PXshiftclick", shiftClick},
      {"PXorphan", orphan},
      {"PXcheat", cheat},
      {"PXstats", stats},
      {"PXsettingsmenu", settingsMenu},
      {"PXnewgameoptions", newGameOptions},
      {"PXcardbacksettings", cardBackSettings},
      {"PXotheroptions", otherOptions},
      {"PXconflict", conflict},
  };
  const auto found = makers.find(name);
  return found == makers.end() ? QImage() : found->second();
}

}  // namespace velmoran::art
