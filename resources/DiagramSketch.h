#pragma once

#include <QPainter>
#include <QString>
#include <QStringList>

// Drawing helpers shared by the help diagrams: board places at the smallest
// card size, as the table draws them, and plain window furniture.
namespace velmoran::art::sketch {

inline constexpr int cardW = 40;
inline constexpr int cardH = 56;

// Top-left corner of board place (column, row) counted from origin.
QPointF placeAt(QPointF origin, int column, int row);
QRectF placeRect(QPointF origin, int column, int row);

void emptyPlace(QPainter& p, const QRectF& r, bool panel = false);
void legalFrame(QPainter& p, const QRectF& r);
// A block of board places with cards: codes row by row, 0 for empty.
void board(QPainter& p, QPointF origin, int columns, int rows, const int* codes);
void tapestry(QPainter& p, const QRectF& r);

void caption(QPainter& p, const QRectF& r, const QString& text, int pixelSize = 12,
             Qt::Alignment align = Qt::AlignCenter, const QColor& colour = Qt::black);
void arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour);

// A window of the desktop: frame, title bar and a light body.
QRectF window(QPainter& p, const QRectF& r, const QString& title);
void checkBox(QPainter& p, QPointF at, const QString& text, bool ticked);
void button(QPainter& p, const QRectF& r, const QString& text, bool isDefault = false);
void popup(QPainter& p, const QRectF& r, const QString& text);
void groupBox(QPainter& p, const QRectF& r, const QString& title);

}  // namespace velmoran::art::sketch
