// The chips: DIP PPIs and counters, the oscillator can, the bus chip and its serial EEPROM.

#include "chips.h"

#include "colours.h"
#include "gradient.h"
#include "layout.h"
#include "primitives.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

namespace cardphoto {

DipGeometry dipGeometry(QPointF centre, int pins, bool upright)
{
    const int perSide = pins / 2;
    const double length = perSide * kPitch + 1.2;
    const double width = 32.0;
    const double rowHalf = 3 * kPitch;  // 600 mil between rows
    DipGeometry g;
    g.body = upright ? centred(centre, width, length) : centred(centre, length, width);
    const double first = -(perSide - 1) * kPitch / 2;
    for (int i = 0; i < perSide; ++i) {     // pins 1..n/2 down one side
        const double t = first + i * kPitch;
        g.pads.push_back(upright ? centre + QPointF(-rowHalf, t) : centre + QPointF(t, rowHalf));
    }
    for (int i = perSide - 1; i >= 0; --i) {  // and back up the other
        const double t = first + i * kPitch;
        g.pads.push_back(upright ? centre + QPointF(rowHalf, t) : centre + QPointF(t, -rowHalf));
    }
    return g;
}

namespace {

void drawDipLegs(QPainter& p, const DipGeometry& g, bool upright)
{
    const QPointF c = g.body.center();
    for (const QPointF& pad : g.pads) {
        drawPad(p, pad);
        // The shoulder of each leg leaves the body and bends down into its pad.
        QRectF leg;
        if (upright) {
            const bool left = pad.x() < c.x();
            const double x0 = left ? pad.x() - 0.4 : g.body.right();
            const double x1 = left ? g.body.left() : pad.x() + 0.4;
            leg = QRectF(QPointF(x0, pad.y() - 1.1), QPointF(x1, pad.y() + 1.1));
        } else {
            const bool bottom = pad.y() > c.y();
            const double y0 = bottom ? g.body.bottom() : pad.y() - 0.4;
            const double y1 = bottom ? pad.y() + 0.4 : g.body.top();
            leg = QRectF(QPointF(pad.x() - 1.1, y0), QPointF(pad.x() + 1.1, y1));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(withStops(QLinearGradient(leg.topLeft(), upright ? leg.bottomLeft() : leg.topRight()),
                             {{0.0, QColor(235, 236, 230)},
                              {0.5, QColor(190, 191, 186)},
                              {1.0, QColor(120, 121, 116)}}));
        p.drawRect(leg);
    }
}

// Matte epoxy block with a chamfered rim, lit from the upper left.
void drawEpoxyBody(QPainter& p, const QRectF& body)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kEpoxy.darker(115));
    p.drawRoundedRect(body, 0.8, 0.8);
    const QRectF top = body.adjusted(1.0, 1.0, -1.0, -1.0);
    p.setBrush(withStops(QLinearGradient(top.topLeft(), top.bottomRight()),
                         {{0, QColor(44, 44, 47)}, {1, QColor(30, 30, 32)}}));
    p.drawRect(top);
    // Chamfer catching the light on the upper and left edges.
    p.setPen(QPen(QColor(78, 78, 82, 160), 0.5));
    p.drawLine(QPointF(body.left() + 0.5, body.bottom() - 1), QPointF(body.left() + 0.5, body.top() + 0.5));
    p.drawLine(QPointF(body.left() + 0.5, body.top() + 0.5), QPointF(body.right() - 1, body.top() + 0.5));
}

void drawDip(QPainter& p, const DipGeometry& g, bool upright, const QStringList& marking, double cap)
{
    drawDipLegs(p, g, upright);
    drawEpoxyBody(p, g.body);

    const QPointF c = g.body.center();
    // Pin-1 notch at the top (upright) or left (lying) end, and the dimple.
    const QPointF notch = upright ? QPointF(c.x(), g.body.top() + 0.2) : QPointF(g.body.left() + 0.2, c.y());
    p.save();
    p.setClipRect(g.body);  // the notch is moulded into the end, not onto it
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(12, 12, 13));
    p.drawEllipse(notch, 2.6, 2.6);
    p.setPen(QPen(QColor(70, 70, 74), 0.4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(centred(notch, 5.2, 5.2), upright ? 180 * 16 : 270 * 16, 180 * 16);
    p.restore();
    const QPointF dimple = upright ? QPointF(g.body.left() + 4.5, g.body.top() + 4.5)
                                   : QPointF(g.body.left() + 4.5, g.body.bottom() - 4.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(22, 22, 24));
    p.drawEllipse(dimple, 1.5, 1.5);
    // Ejector-pin marks left by the mould.
    p.setBrush(QColor(36, 36, 39));
    const QPointF far = upright ? QPointF(c.x(), g.body.bottom() - 6) : QPointF(g.body.right() - 6, c.y());
    p.drawEllipse(far, 2.2, 2.2);

    const double angle = upright ? 90.0 : 0.0;
    const double lineStep = cap * 1.75;
    double offset = -(marking.size() - 1) * lineStep / 2;
    for (int i = 0; i < marking.size(); ++i, offset += lineStep) {
        // In the chip's reading frame "down" is +y; rotate that into the board.
        const QPointF down = upright ? QPointF(-offset, 0) : QPointF(0, offset);
        drawText(p, marking[i], c + down, i == 0 ? cap : cap * 0.8, kChipInk, Align::Centre, angle, i == 0,
                 QStringLiteral("DejaVu Sans"));
    }
}

// Full-size 14-pin crystal oscillator can: one square corner marks pin 1.
void drawOscillator(QPainter& p, QPointF centre)
{
    const QRectF r = centred(centre, 49.0, 31.0);
    QPainterPath can;
    const double rad = 3.5;
    can.moveTo(r.left(), r.bottom());                        // the square corner
    can.lineTo(r.left(), r.top() + rad);
    can.quadTo(r.topLeft(), QPointF(r.left() + rad, r.top()));
    can.lineTo(r.right() - rad, r.top());
    can.quadTo(r.topRight(), QPointF(r.right(), r.top() + rad));
    can.lineTo(r.right(), r.bottom() - rad);
    can.quadTo(r.bottomRight(), QPointF(r.right() - rad, r.bottom()));
    can.closeSubpath();

    p.setPen(Qt::NoPen);
    p.setBrush(withStops(QLinearGradient(r.topLeft(), r.bottomRight()),
                         {{0, QColor(236, 238, 240)}, {1, QColor(118, 120, 124)}}));
    p.drawPath(can);
    // Flat stamped top, a little darker than the rolled rim, with a broad reflection.
    const QRectF top = r.adjusted(1.6, 1.6, -1.6, -1.6);
    p.setBrush(withStops(QLinearGradient(top.topLeft(), top.bottomRight()),
                         {{0.0, QColor(198, 200, 203)},
                          {0.45, QColor(222, 224, 226)},
                          {0.55, QColor(188, 190, 193)},
                          {1.0, QColor(160, 162, 166)}}));
    p.drawRoundedRect(top, 2.2, 2.2);
    p.setBrush(QColor(30, 30, 34));
    p.drawEllipse(QPointF(r.left() + 4.5, r.bottom() - 4.5), 0.9, 0.9);  // pin-1 dot
    const QColor ink(28, 30, 40, 225);
    drawText(p, QStringLiteral("1.000MHz"), centre + QPointF(0, -3.8), 5.0, ink);
    drawText(p, QStringLiteral("KTO-14  0746"), centre + QPointF(0, 4.4), 3.2, ink, Align::Centre, 0, false);
}

// Square quad-flat package that talks to the bus.
void drawQfp(QPainter& p, QPointF centre)
{
    const double body = 34.0, lead = 2.6, pitch = 1.2;
    const int perSide = 25;
    p.setPen(Qt::NoPen);
    for (int side = 0; side < 4; ++side) {
        for (int i = 0; i < perSide; ++i) {
            const double t = (i - (perSide - 1) / 2.0) * pitch;
            QRectF r;
            switch (side) {
            case 0: r = QRectF(centre.x() + t - 0.3, centre.y() - body / 2 - lead, 0.6, lead); break;
            case 1: r = QRectF(centre.x() + body / 2, centre.y() + t - 0.3, lead, 0.6); break;
            case 2: r = QRectF(centre.x() + t - 0.3, centre.y() + body / 2, 0.6, lead); break;
            default: r = QRectF(centre.x() - body / 2 - lead, centre.y() + t - 0.3, lead, 0.6); break;
            }
            p.setBrush(QColor(200, 201, 195));
            p.drawRect(r);
        }
    }
    drawEpoxyBody(p, centred(centre, body, body));
    p.setBrush(QColor(20, 20, 22));
    p.drawEllipse(centre + QPointF(-body / 2 + 4, -body / 2 + 4), 1.3, 1.3);
    drawText(p, QStringLiteral("KTL2407"), centre + QPointF(0, -4), 4.2, kChipInk, Align::Centre, 0, true,
             QStringLiteral("DejaVu Sans"));
    drawText(p, QStringLiteral("PCI-24F"), centre + QPointF(0, 2.5), 3.2, kChipInk, Align::Centre, 0, false,
             QStringLiteral("DejaVu Sans"));
    drawText(p, QStringLiteral("0745 A3"), centre + QPointF(0, 8), 3.0, kChipInk, Align::Centre, 0, false,
             QStringLiteral("DejaVu Sans"));
}

void drawSoic8(QPainter& p, QPointF centre, const QString& mark)
{
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        const double x = centre.x() + (i - 1.5) * 3.0;
        p.setBrush(QColor(200, 201, 195));
        p.drawRect(QRectF(x - 0.6, centre.y() - 7.0, 1.2, 2.4));
        p.drawRect(QRectF(x - 0.6, centre.y() + 4.6, 1.2, 2.4));
    }
    drawEpoxyBody(p, centred(centre, 12.0, 9.4));
    drawText(p, mark, centre, 2.6, kChipInk, Align::Centre, 0, false, QStringLiteral("DejaVu Sans"));
}

}  // namespace

QPointF ppiCentre(int i)
{
    const double length = 20 * kPitch + 1.2;
    return {centreOf(kRingIen[std::size_t(i)]).x() + kPpiOffsetFromJumper, kPpiTop + length / 2};
}

QPointF pitCentre(int i)
{
    return {kPitLeft + (12 * kPitch + 1.2) / 2, centreOf(kRingCounter[std::size_t(i)]).y()};
}

void addChips(std::vector<Part>& parts)
{
    static const char* const kPpiDates[] = {"L9741 0213", "L9741 0207", "L9743 1175", "L9741 0219"};
    for (int i = 0; i < 4; ++i) {
        const DipGeometry g = dipGeometry(ppiCentre(i), 40, true);
        QPainterPath fp;
        fp.addRect(g.body);
        const QStringList mark{QStringLiteral("8255A-5"), QString::fromLatin1(kPpiDates[i])};
        parts.push_back({fp, 4.0, [g, mark](QPainter& p) { drawDip(p, g, true, mark, 5.2); }});
    }
    static const char* const kPitDates[] = {"L9738 0177", "L9738 0181", "L9738 0177"};
    for (int i = 0; i < 3; ++i) {
        const DipGeometry g = dipGeometry(pitCentre(i), 24, false);
        QPainterPath fp;
        fp.addRect(g.body);
        const QStringList mark{QStringLiteral("8254-2"), QString::fromLatin1(kPitDates[i])};
        parts.push_back({fp, 4.0, [g, mark](QPainter& p) { drawDip(p, g, false, mark, 5.2); }});
    }
    {
        QPainterPath fp;
        fp.addRoundedRect(centred(kOscCentre, 49, 31), 3, 3);
        parts.push_back({fp, 6.0, [](QPainter& p) { drawOscillator(p, kOscCentre); }});
    }
    {
        QPainterPath fp;
        fp.addRect(centred(kBusChipCentre, 36, 36));
        parts.push_back({fp, 2.0, [](QPainter& p) { drawQfp(p, kBusChipCentre); }});
    }
    {
        const QPointF c = kBusChipCentre + QPointF(0, 34);
        QPainterPath fp;
        fp.addRect(centred(c, 12, 9.4));
        parts.push_back({fp, 1.5, [c](QPainter& p) { drawSoic8(p, c, QStringLiteral("93C46")); }});
    }
}

}  // namespace cardphoto
