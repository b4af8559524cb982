// Text, copper traces, vias and pads: the small shapes the rest of the card is drawn with.

#include "primitives.h"

#include "colours.h"
#include "gradient.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QRadialGradient>

namespace cardphoto {

// Going through a path keeps fractional sizes exact at every scale.
void drawText(QPainter& p, const QString& text, QPointF at, double cap, const QColor& colour, Align align,
              double angle, bool bold, const QString& family)
{
    QFont font(family);
    font.setPixelSize(100);
    font.setBold(bold);
    const QFontMetricsF fm(font);
    const double scale = cap / fm.capHeight();
    const double width = fm.horizontalAdvance(text);
    QPainterPath path;
    double x0 = 0.0;
    if (align == Align::Centre)
        x0 = -width / 2;
    else if (align == Align::Right)
        x0 = -width;
    path.addText(x0, fm.capHeight() / 2, font, text);

    p.save();
    p.translate(at);
    p.rotate(angle);
    p.scale(scale, scale);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
    p.restore();
}

void drawTrace(QPainter& p, const std::vector<QPointF>& pts, double width)
{
    width *= 1.35;
    QPainterPath path(pts.front());
    for (std::size_t i = 1; i < pts.size(); ++i)
        path.lineTo(pts[i]);
    // Copper under the mask reads lighter, with a faint sheen on its upper edge.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kMaskCopper, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(QColor(90, 160, 105, 70), width * 0.35, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path.translated(-width * 0.2, -width * 0.2));
}

void drawVia(QPainter& p, QPointF c, double r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(withStops(QRadialGradient(c - QPointF(r * 0.3, r * 0.3), r * 1.3),
                         {{0, QColor(214, 216, 206)}, {1, QColor(140, 142, 132)}}));
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(18, 26, 18));
    p.drawEllipse(c, r * 0.42, r * 0.42);
}

void drawPad(QPainter& p, QPointF c, double r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(withStops(QRadialGradient(c - QPointF(r * 0.35, r * 0.35), r * 1.4),
                         {{0, QColor(226, 228, 220)}, {1, kTin.darker(125)}}));
    p.drawEllipse(c, r, r);
}

}  // namespace cardphoto
