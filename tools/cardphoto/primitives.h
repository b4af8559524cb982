// Drawing primitives every piece of the card is made of: placement, text, traces, vias and pads.
#pragma once

#include "layout.h"

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

namespace cardphoto {

inline QRectF centred(QPointF c, double w, double h) { return {c.x() - w / 2, c.y() - h / 2, w, h}; }

// Where a jumper sits: the middle of the ring the application draws round it.
inline QPointF centreOf(const ShownRect& r) { return toPhoto(r).center(); }

enum class Align { Left, Centre, Right };

// Draws text whose capitals are `cap` pixels tall, vertically centred on
// `at`.
void drawText(QPainter& p, const QString& text, QPointF at, double cap, const QColor& colour,
              Align align = Align::Centre, double angle = 0.0, bool bold = true,
              const QString& family = QStringLiteral("DejaVu Sans Condensed"));

// Copper under the solder mask, as a polyline.
void drawTrace(QPainter& p, const std::vector<QPointF>& pts, double width = 0.8);

// Tinned via ring with its drilled hole.
void drawVia(QPainter& p, QPointF c, double r = 1.25);

// Round tinned pad of a through-hole pin.
void drawPad(QPainter& p, QPointF c, double r = 1.7);

}  // namespace cardphoto
