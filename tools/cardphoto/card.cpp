// Procedural "photograph" of the digital-I/O card.
//
// The board is drawn with QPainter at kSuper times the final size, in picture
// coordinates (the painter is scaled), then shrunk: that gives the soft,
// slightly out-of-focus edges of a real photo. Lighting, sensor noise and a
// faint large-scale unevenness are applied per pixel afterwards.
//
// Drawing order mirrors how a board is built up: bare board and copper,
// silkscreen, then the parts (each casting a soft shadow), then the bracket.

#include "card.h"

#include "gradient.h"
#include "layout.h"
#include "raster.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace cardphoto {
namespace {

constexpr int kSuper = 3;
constexpr std::uint64_t kSeed = 0x24F7;

// ---- colours ----------------------------------------------------------------
const QColor kBackground{54, 57, 62};       // grey anti-static mat under the card
const QColor kMask{24, 92, 54};             // green solder mask over bare laminate
const QColor kMaskCopper{60, 146, 80};      // the same mask over copper
const QColor kSilk{226, 230, 220};
const QColor kTin{178, 180, 172};           // hot-air-levelled pads
const QColor kEpoxy{27, 27, 29};            // chip bodies
const QColor kChipInk{150, 150, 146};       // laser marking on the epoxy
const QColor kHousing{20, 20, 22};          // header plastic
const QColor kGold{205, 166, 78};

// ---- small geometry helpers ---------------------------------------------------
QRectF centred(QPointF c, double w, double h) { return {c.x() - w / 2, c.y() - h / 2, w, h}; }

QPointF centreOf(const ShownRect& r) { return toPhoto(r).center(); }

// A part that stands up from the board. Its footprint drops a shadow whose
// offset and softness grow with its height.
struct Part {
    QPainterPath footprint;
    double height;
    std::function<void(QPainter&)> draw;
};

// ---- text -------------------------------------------------------------------
enum class Align { Left, Centre, Right };

// Draws text whose capitals are `cap` pixels tall, vertically centred on
// `at`. Going through a path keeps fractional sizes exact at every scale.
void drawText(QPainter& p, const QString& text, QPointF at, double cap, const QColor& colour,
              Align align = Align::Centre, double angle = 0.0, bool bold = true,
              const QString& family = QStringLiteral("DejaVu Sans Condensed"))
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

// ---- under the mask: copper, pads, vias ---------------------------------------
void drawTrace(QPainter& p, const std::vector<QPointF>& pts, double width = 0.8)
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

void drawVia(QPainter& p, QPointF c, double r = 1.25)
{
    p.setPen(Qt::NoPen);
    p.setBrush(withStops(QRadialGradient(c - QPointF(r * 0.3, r * 0.3), r * 1.3),
                         {{0, QColor(214, 216, 206)}, {1, QColor(140, 142, 132)}}));
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(18, 26, 18));
    p.drawEllipse(c, r * 0.42, r * 0.42);
}

void drawPad(QPainter& p, QPointF c, double r = 1.7)
{
    p.setPen(Qt::NoPen);
    p.setBrush(withStops(QRadialGradient(c - QPointF(r * 0.35, r * 0.35), r * 1.4),
                         {{0, QColor(226, 228, 220)}, {1, kTin.darker(125)}}));
    p.drawEllipse(c, r, r);
}

// ---- parts --------------------------------------------------------------------
struct DipGeometry {
    QRectF body;
    std::vector<QPointF> pads;  // pin 1 first, counter-clockwise as on the chip
};

// DIP package, 600 mil wide. Upright chips have pin 1 at the top, lying ones
// at the left, as the board was laid out.
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

// A gold square post as seen from above.
void drawPost(QPainter& p, QPointF c)
{
    const double s = 2.1;
    const QRectF r = centred(c, s, s);
    p.setPen(Qt::NoPen);
    p.setBrush(withStops(QLinearGradient(r.topLeft(), r.bottomRight()),
                         {{0.0, QColor(250, 220, 120)}, {0.5, kGold}, {1.0, QColor(110, 80, 28)}}));
    p.drawRect(r);
    p.setBrush(QColor(255, 240, 180, 170));
    p.drawEllipse(c - QPointF(0.3, 0.3), 0.35, 0.35);
}

// Black jumper cap over two posts: glossy, slightly bigger than the housing.
constexpr double kShuntWidth = 7.0;
void drawShunt(QPainter& p, QPointF centre)
{
    const QRectF r = centred(centre, kShuntWidth, 2 * kPitch + 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(8, 8, 9));
    p.drawRoundedRect(r, 1.0, 1.0);
    const QRectF top = r.adjusted(0.7, 0.7, -0.7, -0.7);
    p.setBrush(withStops(QLinearGradient(top.topLeft(), top.topRight()),
                         {{0.0, QColor(92, 92, 100)}, {0.3, QColor(34, 34, 38)}, {1.0, QColor(12, 12, 13)}}));
    p.drawRoundedRect(top, 0.7, 0.7);
    // Grip ridges moulded across the top.
    p.setPen(QPen(QColor(52, 52, 56), 0.45));
    for (int i = -1; i <= 1; ++i) {
        const double y = centre.y() + i * 1.6;
        p.drawLine(QPointF(top.left() + 1.0, y), QPointF(top.right() - 1.0, y));
    }
    // Specular streak from the lamp.
    p.setPen(QPen(QColor(190, 190, 200, 150), 0.6));
    p.drawLine(QPointF(top.left() + 0.5, top.top() + 1.0), QPointF(top.left() + 0.5, top.bottom() - 1.0));
}

// Single-row pin header standing upright, pins one above the other.
QRectF headerRect(QPointF centre, int pins) { return centred(centre, kPitch + 0.2, pins * kPitch); }

QPointF headerPin(QPointF centre, int pins, int index)
{
    return centre + QPointF(0, (index - (pins - 1) / 2.0) * kPitch);
}

void drawHeader(QPainter& p, QPointF centre, int pins, int shuntFirstPin)
{
    const QRectF r = headerRect(centre, pins);
    p.setPen(Qt::NoPen);
    p.setBrush(kHousing.darker(130));
    p.drawRect(r);
    p.setBrush(withStops(QLinearGradient(r.topLeft(), r.bottomRight()),
                         {{0, QColor(48, 48, 52)}, {1, QColor(26, 26, 28)}}));
    p.drawRect(r.adjusted(0.6, 0.6, -0.6, -0.6));
    // Break-apart grooves between the pin cells.
    p.setPen(QPen(QColor(8, 8, 9), 0.5));
    for (int i = 1; i < pins; ++i) {
        const double y = r.top() + i * kPitch;
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
    for (int i = 0; i < pins; ++i)
        drawPost(p, headerPin(centre, pins, i));
    if (shuntFirstPin >= 0)
        drawShunt(p, (headerPin(centre, pins, shuntFirstPin) + headerPin(centre, pins, shuntFirstPin + 1)) / 2);
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

// Blue epoxy-dipped 100 nF decoupling capacitor, seen from above.
void drawCeramicCap(QPainter& p, QPointF centre, bool vertical)
{
    const double w = vertical ? 4.6 : 6.4, h = vertical ? 6.4 : 4.6;
    p.setPen(Qt::NoPen);
    p.setBrush(withStops(QRadialGradient(centre - QPointF(w * 0.2, h * 0.2), std::max(w, h) * 0.75),
                         {{0.0, QColor(120, 160, 225)}, {0.5, QColor(44, 84, 170)}, {1.0, QColor(20, 40, 100)}}));
    p.drawEllipse(centred(centre, w, h));
}

// Radial electrolytic: sleeve, scored aluminium top, minus stripe.
void drawElectrolytic(QPainter& p, QPointF centre, double r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(withStops(QRadialGradient(centre - QPointF(r * 0.3, r * 0.3), r * 1.2),
                         {{0, QColor(70, 86, 170)}, {0.7, QColor(30, 40, 110)}, {1, QColor(12, 16, 48)}}));
    p.drawEllipse(centre, r, r);
    p.setBrush(withStops(QRadialGradient(centre - QPointF(r * 0.25, r * 0.25), r),
                         {{0, QColor(225, 226, 230)}, {1, QColor(140, 142, 148)}}));
    p.drawEllipse(centre, r * 0.62, r * 0.62);
    p.setPen(QPen(QColor(105, 107, 112), 0.45));
    p.drawLine(centre + QPointF(-r * 0.42, 0), centre + QPointF(r * 0.42, 0));
    p.drawLine(centre + QPointF(0, -r * 0.42), centre + QPointF(0, r * 0.42));
    p.setPen(QPen(QColor(190, 196, 225, 200), r * 0.22, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(centred(centre, r * 1.62, r * 1.62), 200 * 16, 70 * 16);
}

// 0805 chip part: tinned end caps, black resistor or tan ceramic body.
void drawChip0805(QPainter& p, QPointF c, bool vertical, bool resistor)
{
    const double w = vertical ? 3.0 : 4.8, h = vertical ? 4.8 : 3.0;
    const QRectF r = centred(c, w, h);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(205, 206, 200));
    p.drawRect(r);
    const QRectF body = vertical ? r.adjusted(0, 1.0, 0, -1.0) : r.adjusted(1.0, 0, -1.0, 0);
    p.setBrush(resistor ? QColor(24, 24, 26) : QColor(168, 130, 86));
    p.drawRect(body);
    if (resistor) {
        p.setBrush(QColor(60, 60, 64));
        p.drawRect(body.adjusted(0.4, 0.4, -0.4, -0.4));
    }
}

// Single-in-line resistor network, standing upright.
void drawResistorPack(QPainter& p, QPointF centre, int pins, const QString& mark)
{
    const QRectF r = centred(centre, 5.0, (pins - 1) * kPitch + 4.0);
    p.setPen(Qt::NoPen);
    p.setBrush(withStops(QLinearGradient(r.topLeft(), r.topRight()),
                         {{0, QColor(58, 58, 62)}, {0.4, QColor(32, 32, 35)}, {1, QColor(18, 18, 20)}}));
    p.drawRoundedRect(r, 1.6, 1.6);
    p.setBrush(QColor(210, 210, 200));
    p.drawEllipse(QPointF(centre.x(), r.top() + 2.0), 0.7, 0.7);   // common pin
    drawText(p, mark, centre, 2.6, QColor(205, 205, 195), Align::Centre, 90.0, false);
}

// ---- building the part list ---------------------------------------------------------

// Interrupt-enable jumpers along the top: posts bare, no shunt fitted.
void addInterruptJumpers(std::vector<Part>& parts)
{
    auto add = [&](QPointF c) {
        QPainterPath fp;
        fp.addRect(headerRect(c, 2));
        parts.push_back({fp, 2.0, [c](QPainter& p) { drawHeader(p, c, 2, -1); }});
    };
    const QPointF group = centreOf(kRingIen456);
    for (int i = -1; i <= 1; ++i)
        add(group + QPointF(i * 14.0, 0));
    for (const auto& ring : kRingIen)
        add(centreOf(ring));
}

// Each counter has a 3-pin clock-source header above a 3-pin gate header,
// both closed with a shunt on pins 1-2.
constexpr double kCounterHeaderGap = 3.5;
QPointF counterHeaderCentre(int counter, bool gate)
{
    const double offset = (3 * kPitch + kCounterHeaderGap) / 2;
    return centreOf(kRingCounter[std::size_t(counter)]) + QPointF(0, gate ? offset : -offset);
}

void addCounterJumpers(std::vector<Part>& parts)
{
    for (int n = 0; n < 3; ++n) {
        for (bool gate : {false, true}) {
            const QPointF c = counterHeaderCentre(n, gate);
            QPainterPath fp;
            fp.addRect(headerRect(c, 3));
            parts.push_back({fp, 2.0, [c](QPainter& p) { drawHeader(p, c, 3, -1); }});
            QPainterPath cap;
            cap.addRect(centred((headerPin(c, 3, 0) + headerPin(c, 3, 1)) / 2, kShuntWidth, 2 * kPitch + 0.8));
            parts.push_back({cap, 4.5, [c](QPainter& p) {
                                 drawShunt(p, (headerPin(c, 3, 0) + headerPin(c, 3, 1)) / 2);
                             }});
        }
    }
}

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

void addPassives(std::vector<Part>& parts)
{
    auto cap = [&](QPointF c, bool vertical) {
        QPainterPath fp;
        fp.addEllipse(centred(c, vertical ? 4.6 : 6.4, vertical ? 6.4 : 4.6));
        parts.push_back({fp, 3.0, [c, vertical](QPainter& p) { drawCeramicCap(p, c, vertical); }});
    };
    for (int i = 0; i < 4; ++i) {
        const QPointF c = ppiCentre(i);
        cap(c + QPointF(-26.5, -52), true);
        cap(c + QPointF(26.5, 52), true);
    }
    for (int i = 0; i < 3; ++i)
        cap(pitCentre(i) + QPointF(44.5, 0), true);
    cap(kOscCentre + QPointF(30, 0), true);
    cap(kBusChipCentre + QPointF(-25, -14), true);
    cap(kBusChipCentre + QPointF(25, 14), true);

    for (int i = 0; i < 3; ++i) {
        const QPointF c{(ppiCentre(i).x() + ppiCentre(i + 1).x()) / 2, ppiCentre(i).y() - 6};
        QPainterPath fp;
        fp.addRect(centred(c, 5, 9 * kPitch + 4));
        parts.push_back({fp, 6.0, [c](QPainter& p) { drawResistorPack(p, c, 10, QStringLiteral("A103J")); }});
    }
    for (const QPointF c : {QPointF(88, 203), QPointF(370, 207)}) {
        QPainterPath fp;
        fp.addEllipse(c, 7.0, 7.0);
        parts.push_back({fp, 9.0, [c](QPainter& p) { drawElectrolytic(p, c, 7.0); }});
    }
    // Surface-mount resistors (black) and capacitors (tan) filling in.
    struct Chip0805 {
        QPointF at;
        bool vertical, resistor;
    };
    static const Chip0805 kSmd[] = {
        {{226, 100}, false, true},  {{226, 106}, false, true},  {{274, 100}, false, false},
        {{118, 203}, true, false},  {{130, 203}, true, true},   {{66, 214}, false, true},
        {{222, 166}, true, true},   {{278, 166}, true, false},  {{132, 34}, false, true},
        {{150, 34}, false, false},  {{580, 182}, false, true},  {{465, 182}, true, false},
    };
    for (const Chip0805& smd : kSmd) {
        const double w = smd.vertical ? 3.0 : 4.8, h = smd.vertical ? 4.8 : 3.0;
        QPainterPath fp;
        fp.addRect(centred(smd.at, w, h));
        parts.push_back({fp, 1.0, [smd](QPainter& p) { drawChip0805(p, smd.at, smd.vertical, smd.resistor); }});
    }
}

// Right-angle D-sub seen from behind the bracket: plastic body, then the two
// rows of bent pin tails going down into the board.
void addIoConnector(std::vector<Part>& parts)
{
    const QRectF body(QPointF(kBracketRight - 1, kConnTop), QPointF(52.0, kConnBottom));
    QPainterPath fp;
    fp.addRect(body);
    parts.push_back({fp, 7.0, [body](QPainter& p) {
                         const double span = body.height() - 16;
                         for (int row = 0; row < 2; ++row) {
                             const int n = row == 0 ? 19 : 18;
                             const double step = span / 18.0;
                             const double x = row == 0 ? 59.0 : 55.0;
                             for (int i = 0; i < n; ++i) {
                                 const double y = body.top() + 8 + i * step + (row == 0 ? 0.0 : step / 2);
                                 drawPad(p, QPointF(x, y), 1.6);
                                 p.setPen(Qt::NoPen);
                                 p.setBrush(withStops(
                                     QLinearGradient(QPointF(body.right(), y - 0.8), QPointF(body.right(), y + 0.8)),
                                     {{0, QColor(236, 237, 232)}, {1, QColor(130, 131, 126)}}));
                                 p.drawRect(QRectF(QPointF(body.right(), y - 0.6), QPointF(x + 0.3, y + 0.6)));
                             }
                         }
                         p.setPen(Qt::NoPen);
                         p.setBrush(withStops(QLinearGradient(body.topLeft(), body.topRight()),
                                              {{0, QColor(30, 31, 36)},
                                               {0.6, QColor(52, 53, 60)},
                                               {1, QColor(34, 35, 40)}}));
                         p.drawRect(body);
                         // Board-lock rivets at each end of the shell.
                         for (double y : {body.top() - 3.5, body.bottom() + 3.5}) {
                             p.setBrush(withStops(QRadialGradient(QPointF(44, y) - QPointF(0.8, 0.8), 3.5),
                                                  {{0, QColor(235, 236, 238)}, {1, QColor(120, 122, 126)}}));
                             p.drawEllipse(QPointF(44, y), 3.0, 3.0);
                             p.setBrush(QColor(40, 40, 44));
                             p.drawEllipse(QPointF(44, y), 1.1, 1.1);
                         }
                     }});
}

// ---- board, copper and silkscreen -----------------------------------------------------
double fingerX(int position) { return kTabLeft + 5.0 + (position + 0.5) * kFingerStep; }

bool isKey(int position) { return position >= kKeyAfter && position < kKeyAfter + kKeyPositions; }

QPainterPath boardOutline()
{
    QPainterPath board;
    board.addRect(QRectF(QPointF(kBoardLeft, -5), QPointF(kPhotoWidth + 5, kBoardBottom)));
    QPainterPath tab;
    tab.addRoundedRect(QRectF(QPointF(kTabLeft, kBoardBottom - 2), QPointF(kTabRight, kPhotoHeight + 5)), 1.2, 1.2);
    QPainterPath key;
    const double keyX = (fingerX(kKeyAfter) + fingerX(kKeyAfter + kKeyPositions - 1)) / 2;
    key.addRoundedRect(QRectF(keyX - 2.4, 227.0, 4.8, 20.0), 2.4, 2.4);
    return board.united(tab).subtracted(key);
}

// Everything under the rings other than jumpers stays off: only bare mask there.
QPainterPath ringKeepOut()
{
    QPainterPath keep;
    keep.addRect(toPhoto(kRingIen456).adjusted(-2, -2, 2, 2));
    for (const auto& r : kRingIen)
        keep.addRect(toPhoto(r).adjusted(-2, -2, 2, 2));
    for (const auto& r : kRingCounter)
        keep.addRect(toPhoto(r).adjusted(-2, -1, 2, 1));
    return keep;
}

void drawBoard(QPainter& p, const QPainterPath& outline)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kMask);
    p.drawPath(outline);
    // Ground pour around the bus connector and along the bracket.
    p.save();
    p.setClipPath(outline.subtracted(ringKeepOut()));
    p.setBrush(QColor(kMaskCopper.red(), kMaskCopper.green(), kMaskCopper.blue(), 110));
    QPainterPath pour;
    pour.addRoundedRect(QRectF(QPointF(kTabLeft - 8, 210), QPointF(kTabRight + 8, kPhotoHeight + 5)), 3, 3);
    pour.addRoundedRect(QRectF(QPointF(kBoardLeft, 2), QPointF(66, 215)), 3, 3);
    p.drawPath(pour);
    p.restore();
    // Milled edge shows the pale laminate.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 168, 120, 170), 0.7));
    p.drawPath(outline);
}

void drawFingers(QPainter& p)
{
    for (int k = 0; k < kFingerPositions + kKeyPositions; ++k) {
        if (isKey(k))
            continue;
        const double x = fingerX(k);
        const QRectF r(QPointF(x - 0.95, kFingerTop), QPointF(x + 0.95, kPhotoHeight + 4));
        p.setPen(Qt::NoPen);
        p.setBrush(withStops(QLinearGradient(r.topLeft(), QPointF(r.left(), kPhotoHeight)),
                             {{0.0, QColor(238, 204, 120)},
                              {0.35, QColor(214, 172, 82)},
                              {0.6, QColor(250, 226, 150)},
                              {1.0, QColor(186, 146, 62)}}));
        p.drawRoundedRect(r, 0.9, 0.9);
    }
}

// Short stub from a pad to a via: most DIP pins leave the top layer this way.
void drawStubVia(QPainter& p, QPointF pad, QPointF step)
{
    drawTrace(p, {pad, pad + step}, 0.7);
    drawVia(p, pad + step, 1.05);
}

// PPI pins on the facing sides of each gap escape to staggered via columns.
void drawChipFanout(QPainter& p)
{
    for (int i = 0; i < 4; ++i) {
        const DipGeometry g = dipGeometry(ppiCentre(i), 40, true);
        for (std::size_t k = 0; k < g.pads.size(); ++k) {
            const QPointF pad = g.pads[k];
            const bool right = pad.x() > ppiCentre(i).x();
            const int row = int(k % 20);
            if ((row + i) % 3 == 0)
                continue;  // those pins are routed on the far side
            const double reach = (row % 2 ? 4.0 : 7.0);
            if (right && i == 3)
                continue;  // no room at the board edge
            if (!right && i == 0 && row > 14)
                continue;  // bus chip's decoupling sits there
            drawStubVia(p, pad, {right ? reach : -reach, row % 2 ? 0.0 : 1.5});
        }
    }
    // Counter chips: their outer rows fan out toward the free board.
    for (int n = 0; n < 3; ++n) {
        const DipGeometry g = dipGeometry(pitCentre(n), 24, false);
        for (std::size_t k = 0; k < g.pads.size(); ++k) {
            const QPointF pad = g.pads[k];
            const bool bottom = pad.y() > pitCentre(n).y();
            if ((n == 0 && !bottom) || (n == 2 && bottom)) {
                if (k % 2 == 0)
                    drawStubVia(p, pad, {1.5, bottom ? 4.5 : -4.5});
            }
        }
    }
}

// Address and strobe lines shared by all four PPIs, run along the top edge.
void drawTopBus(QPainter& p)
{
    constexpr int kLanes = 4;
    for (int lane = 0; lane < kLanes; ++lane) {
        const double y = 3.0 + lane * 2.5;
        const double start = 124.0 + lane * 2.5;
        drawVia(p, {start, y + 9.0 - lane * 1.5}, 1.05);
        drawTrace(p, {{start, y + 9.0 - lane * 1.5}, {start + 4.0, y}, {596.0 - lane * 2.5, y}}, 0.7);
        for (int i = 0; i < 4; ++i) {
            // Lanes above the lowest one change layer at a via to reach the
            // chip; the lowest one drops straight in.
            const double tapX = ppiCentre(i).x() - 34.0 + lane * 4.0;
            if (lane < kLanes - 1) {
                drawVia(p, {tapX, y}, 1.05);
                continue;
            }
            const QPointF pad = dipGeometry(ppiCentre(i), 40, true).pads[0];
            drawTrace(p, {{tapX, y}, {tapX, pad.y() - 2.0}, {tapX + 2.0, pad.y()}, pad}, 0.7);
        }
    }
}

// Vertical bundles down the gaps between the PPIs, via to via.
void drawGapBundles(QPainter& p)
{
    for (int i = 0; i < 3; ++i) {
        const double x0 = ppiCentre(i).x() + 29.0;
        for (int k = 0; k < 4; ++k) {
            const double x = x0 + k * 2.4;
            const double top = 62.0 + k * 5.0, bottom = 170.0 - k * 3.0;
            drawVia(p, {x - 2.0, top - 2.0}, 1.05);
            drawTrace(p, {{x - 2.0, top - 2.0}, {x, top}, {x, bottom}, {x + 2.0, bottom + 2.0}}, 0.65);
            drawVia(p, {x + 2.0, bottom + 2.0}, 1.05);
        }
    }
}

void drawCopper(QPainter& p, const QPainterPath& outline, Rng& rng)
{
    p.save();
    p.setClipPath(outline.subtracted(ringKeepOut()));

    // Fingers: short stubs up to staggered vias; every third fans toward the
    // bus chip's lower leads.
    const double chipBottom = kBusChipCentre.y() + 17 + 2.6;
    int fanned = 0;
    for (int k = 0; k < kFingerPositions + kKeyPositions; ++k) {
        if (isKey(k))
            continue;
        const double x = fingerX(k);
        const double viaY = 214.5 - (k % 2) * 4.0;
        if (k % 3 == 1 && x > kBusChipCentre.x() - 80 && x < kBusChipCentre.x() + 80 && fanned < 24) {
            const double leadX = kBusChipCentre.x() + (fanned - 11.5) * 1.2;
            const double bendY = 200.0 - std::abs(x - kBusChipCentre.x()) * 0.05;
            const double dx = leadX - x;
            drawTrace(p, {{x, kFingerTop + 1}, {x, bendY}, {x + dx, bendY - std::abs(dx)}, {leadX, chipBottom}},
                      0.55);
            ++fanned;
            continue;
        }
        drawTrace(p, {{x, kFingerTop + 1}, {x, viaY}}, 0.9);
        drawVia(p, {x, viaY}, 1.0);
    }

    // Data/address bus from the bus chip across to all four PPIs.
    const double busLeft = kBusChipCentre.x() + 17 + 2.6;
    for (int lane = 0; lane < 8; ++lane) {
        const double y = 181.0 + lane * 2.6;
        const double start = kBusChipCentre.y() - 12 + lane * 1.2 * 3;
        std::vector<QPointF> pts{{busLeft + 1, start}, {busLeft + 6 + lane * 2.0, start}};
        pts.push_back({busLeft + 6 + lane * 2.0, y - 4.0});
        pts.push_back({busLeft + 10 + lane * 2.0, y});
        pts.push_back({ppiCentre(3).x() + 30, y});
        drawTrace(p, pts, 0.7);
        for (int i = 0; i < 4; ++i) {
            // Drop to the PPI's data pins (right-hand row, lower half).
            if (lane >= 4)
                continue;
            const QPointF pin = ppiCentre(i) + QPointF(3 * kPitch, (2.5 + lane) * kPitch);
            const double tapX = ppiCentre(i).x() + 21.5 + lane * 2.0;
            drawTrace(p, {{tapX, y}, {tapX, pin.y() + 3.0}, {pin.x() + 0.5, pin.y()}}, 0.6);
        }
    }

    // Counters: clock/gate lines from each header to its chip, and chip to bus.
    for (int n = 0; n < 3; ++n) {
        const QPointF c = pitCentre(n);
        for (int i = 0; i < 6; ++i) {
            const double x = c.x() - 33 + i * kPitch;
            const double y0 = c.y() + 3 * kPitch;
            drawTrace(p, {{x, y0}, {x + 2.5, y0 + 3.5}}, 0.6);
            drawVia(p, {x + 2.5, y0 + 3.5}, 1.0);
        }
    }

    // Port lines from the I/O connector, fanned out between the pin tails.
    for (int i = 0; i < 18; ++i) {
        const double y = kConnTop + 8 + i * ((kConnBottom - kConnTop - 16) / 18.0);
        const double x1 = 64.0 + (i % 3) * 2.5;
        drawTrace(p, {{59.0, y}, {x1, y + 2.5}, {x1, y + 4.0}}, 0.55);
        drawVia(p, {x1, y + 4.5}, 1.0);
    }

    drawChipFanout(p);
    drawTopBus(p);
    drawGapBundles(p);

    // Scattered stitching vias, kept off parts by where they're drawn.
    for (int i = 0; i < 60; ++i) {
        const QPointF v(rng.uniform(70, 595), rng.uniform(40, 215));
        bool clear = true;
        for (int k = 0; k < 4 && clear; ++k)
            clear = std::abs(v.x() - ppiCentre(k).x()) > 24;
        if (v.x() < 225 && v.y() < 180)
            clear = false;
        if (clear && std::abs(v.x() - kBusChipCentre.x()) < 30 && v.y() > 40)
            clear = false;
        if (clear && v.y() > 176 && v.y() < 205)
            clear = false;
        if (clear)
            drawVia(p, v, 1.15);
    }
    p.restore();
}

void drawOutline(QPainter& p, const QRectF& r, bool notchTopOrLeft, bool upright)
{
    p.setPen(QPen(kSilk, 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
    if (notchTopOrLeft) {
        const QPointF c = upright ? QPointF(r.center().x(), r.top()) : QPointF(r.left(), r.center().y());
        p.drawArc(centred(c, 6, 6), upright ? 180 * 16 : 270 * 16, 180 * 16);
    }
}

void drawSilkscreen(QPainter& p, const QPainterPath& outline)
{
    p.save();
    p.setClipPath(outline);

    // Jumper labels and outlines.
    const QRectF ienGroup = toPhoto(kRingIen456);
    for (int i = 0; i < 3; ++i) {
        const QPointF c = ienGroup.center() + QPointF((i - 1) * 14.0, 0);
        drawText(p, QStringLiteral("IEN%1").arg(4 + i), {c.x(), ienGroup.bottom() + 4.6}, 3.6, kSilk);
    }
    for (std::size_t i = 0; i < kRingIen.size(); ++i) {
        const QRectF r = toPhoto(kRingIen[i]);
        drawText(p, QStringLiteral("IEN%1").arg(i), {r.left() - 2.5, r.center().y()}, 4.2, kSilk, Align::Right);
    }
    for (int n = 0; n < 3; ++n) {
        const QRectF r = toPhoto(kRingCounter[std::size_t(n)]);
        drawText(p, QStringLiteral("CLK%1").arg(n), {r.left() - 2.5, counterHeaderCentre(n, false).y()}, 4.0, kSilk,
                 Align::Right);
        drawText(p, QStringLiteral("GATE%1").arg(n), {r.left() - 2.5, counterHeaderCentre(n, true).y()}, 4.0, kSilk,
                 Align::Right);
        // Pin-1 tick beside the top pin of each header.
        for (bool gate : {false, true}) {
            const QPointF pin = headerPin(counterHeaderCentre(n, gate), 3, 0);
            p.setPen(Qt::NoPen);
            p.setBrush(kSilk);
            p.drawEllipse(QPointF(r.left() - 1.0, pin.y()), 0.6, 0.6);
        }
    }

    // Chip outlines and designators.
    for (int i = 0; i < 4; ++i) {
        const DipGeometry g = dipGeometry(ppiCentre(i), 40, true);
        drawOutline(p, g.body.adjusted(-1.2, -1.2, 1.2, 1.2), true, true);
        drawText(p, QStringLiteral("U%1").arg(i + 1), g.body.bottomLeft() + QPointF(-8.5, -4), 4.2, kSilk);
    }
    for (int i = 0; i < 3; ++i) {
        const DipGeometry g = dipGeometry(pitCentre(i), 24, false);
        drawOutline(p, g.body.adjusted(-1.2, -1.2, 1.2, 1.2), true, false);
        drawText(p, QStringLiteral("U%1").arg(i + 5), g.body.topRight() + QPointF(6.0, 4.5), 3.6, kSilk);
    }
    drawText(p, QStringLiteral("X1"), kOscCentre + QPointF(-18, 20.5), 3.8, kSilk);
    drawText(p, QStringLiteral("U8"), kBusChipCentre + QPointF(-25, 14), 3.8, kSilk);
    drawText(p, QStringLiteral("U9"), kBusChipCentre + QPointF(-11, 34), 3.4, kSilk);
    drawText(p, QStringLiteral("J1"), {47, kConnBottom + 10}, 4.2, kSilk);
    for (int i = 0; i < 3; ++i) {
        const double x = (ppiCentre(i).x() + ppiCentre(i + 1).x()) / 2;
        drawText(p, QStringLiteral("RN%1").arg(i + 1), {x, ppiCentre(i).y() + 28}, 3.4, kSilk);
    }
    drawText(p, QStringLiteral("C10"), {88, 193}, 3.4, kSilk);
    drawText(p, QStringLiteral("C11"), {370, 197}, 3.4, kSilk);

    // Board identity.
    drawText(p, QStringLiteral("KT-LINE-24F7"), {214, 24}, 7.5, kSilk, Align::Centre, 0, true,
             QStringLiteral("DejaVu Sans"));
    drawText(p, QStringLiteral("REV C   PCB-2407"), {214, 36}, 4.0, kSilk);
    drawText(p, QStringLiteral("94V-0  0746"), {430, 213}, 3.6, kSilk);
    p.restore();
}

// Paper serial-number sticker with a barcode.
void drawSticker(QPainter& p, Rng& rng)
{
    const QRectF r(QPointF(508, 200), QPointF(586, 215.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRect(r.translated(0.6, 0.9));
    p.setBrush(QColor(238, 236, 226));
    p.drawRect(r);
    double x = r.left() + 3;
    while (x < r.right() - 3) {
        const double w = 0.35 + 0.35 * double(rng.next() % 3);
        p.setBrush(QColor(30, 30, 34));
        p.drawRect(QRectF(x, r.top() + 1.5, w, 7.5));
        x += w + 0.35 + 0.35 * double(rng.next() % 3);
    }
    drawText(p, QStringLiteral("S/N 24F7-018362"), {r.center().x(), r.bottom() - 3}, 2.8, QColor(30, 30, 34),
             Align::Centre, 0, false);
}

// ---- bracket ----------------------------------------------------------------------------------
// Zinc-plated steel strip seen almost edge-on, with the D-sub opening.
void drawBracket(QPainter& p, Rng& rng)
{
    QPainterPath strip;
    strip.moveTo(kBracketLeft, -5);
    strip.lineTo(kBracketRight, -5);
    strip.lineTo(kBracketRight, 224);
    strip.lineTo(26.5, 232);
    strip.lineTo(26.5, kPhotoHeight + 5);
    strip.lineTo(12.5, kPhotoHeight + 5);
    strip.lineTo(12.5, 232);
    strip.lineTo(kBracketLeft, 224);
    strip.closeSubpath();

    // Shadow on the board and mat.
    {
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(withStops(QLinearGradient(QPointF(kBracketRight, 0), QPointF(kBracketRight + 6, 0)),
                             {{0, QColor(0, 0, 0, 120)}, {1, QColor(0, 0, 0, 0)}}));
        p.drawRect(QRectF(QPointF(kBracketRight, -5), QPointF(kBracketRight + 6, 226)));
        p.restore();
    }

    p.setPen(Qt::NoPen);
    p.setBrush(withStops(QLinearGradient(QPointF(kBracketLeft, 0), QPointF(kBracketRight, 0)),
                         {{0.00, QColor(110, 113, 118)},
                          {0.10, QColor(168, 171, 175)},
                          {0.55, QColor(196, 198, 201)},
                          {0.86, QColor(222, 224, 226)},  // fold catching the light
                          {0.93, QColor(150, 152, 156)},
                          {1.00, QColor(96, 98, 102)}}));
    p.drawPath(strip);

    // Spangle / brushing of the zinc plate.
    p.save();
    p.setClipPath(strip);
    for (int i = 0; i < 240; ++i) {
        const double x = rng.uniform(kBracketLeft, kBracketRight);
        const double y = rng.uniform(-5, kPhotoHeight);
        const double len = rng.uniform(4, 22);
        const int shade = rng.uniform() < 0.5 ? 255 : 60;
        p.setPen(QPen(QColor(shade, shade, shade, int(rng.uniform(10, 34))), rng.uniform(0.3, 0.9)));
        p.drawLine(QPointF(x, y), QPointF(x + rng.uniform(-0.4, 0.4), y + len));
    }
    p.restore();

    // D-shaped cut-out with the connector shell and its socket face inside.
    const double cx = 20.5;
    QPainterPath opening;
    opening.moveTo(cx - 7.5, 54);
    opening.lineTo(cx + 7.5, 50);
    opening.lineTo(cx + 7.5, 190);
    opening.lineTo(cx - 7.5, 186);
    opening.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(withStops(QLinearGradient(QPointF(cx - 8, 0), QPointF(cx + 8, 0)),
                         {{0, QColor(150, 152, 158)}, {0.5, QColor(236, 238, 240)}, {1, QColor(130, 132, 138)}}));
    p.drawPath(opening);
    QPainterPath insulator;
    insulator.moveTo(cx - 4.5, 60);
    insulator.lineTo(cx + 4.5, 57);
    insulator.lineTo(cx + 4.5, 183);
    insulator.lineTo(cx - 4.5, 180);
    insulator.closeSubpath();
    p.setBrush(QColor(34, 36, 42));
    p.drawPath(insulator);
    for (int row = 0; row < 2; ++row) {
        const int n = row == 0 ? 19 : 18;
        for (int i = 0; i < n; ++i) {
            const double y = 63 + i * 6.4 + (row == 0 ? 0.0 : 3.2);
            p.setBrush(QColor(8, 8, 10));
            p.drawEllipse(QPointF(cx + (row == 0 ? -1.9 : 1.9), y), 0.8, 0.8);
        }
    }
    // Jack-screw standoffs either side of the shell.
    for (double y : {40.0, 200.0}) {
        QPainterPath hex;
        for (int k = 0; k < 6; ++k) {
            const double a = M_PI / 6 + k * M_PI / 3;
            const QPointF v(cx + 5.0 * std::cos(a), y + 5.0 * std::sin(a));
            k == 0 ? hex.moveTo(v) : hex.lineTo(v);
        }
        hex.closeSubpath();
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawPath(hex.translated(1.0, 1.4));
        p.setBrush(withStops(QLinearGradient(QPointF(cx - 5, y - 5), QPointF(cx + 5, y + 5)),
                             {{0, QColor(242, 243, 244)}, {1, QColor(112, 114, 118)}}));
        p.drawPath(hex);
        p.setBrush(QColor(26, 26, 30));
        p.drawEllipse(QPointF(cx, y), 1.8, 1.8);
    }
    // Bracket-to-board screw near the top.
    const QPointF screw(kBracketRight + 4.0, 12.0);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawEllipse(screw + QPointF(0.8, 1.2), 4.2, 4.2);
    p.setBrush(withStops(QRadialGradient(screw - QPointF(1.5, 1.5), 5.0),
                         {{0, QColor(245, 246, 247)}, {1, QColor(120, 122, 126)}}));
    p.drawEllipse(screw, 4.0, 4.0);
    p.setPen(QPen(QColor(60, 62, 66), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(screw + QPointF(-2, 0), screw + QPointF(2, 0));
    p.drawLine(screw + QPointF(0, -2), screw + QPointF(0, 2));
}

// ---- shadows -------------------------------------------------------------------------------------
// Parts are grouped by height; each group is rendered as a silhouette,
// offset away from the lamp (upper left), blurred and laid on the board.
void drawShadows(QImage& canvas, const std::vector<Part>& parts)
{
    const double bands[][2] = {{0.0, 2.5}, {2.5, 5.0}, {5.0, 100.0}};
    for (const auto& band : bands) {
        QImage layer(canvas.size(), QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        double height = 0;
        {
            QPainter lp(&layer);
            lp.setRenderHint(QPainter::Antialiasing);
            lp.scale(kSuper, kSuper);
            lp.setPen(Qt::NoPen);
            lp.setBrush(Qt::black);
            for (const Part& part : parts) {
                if (part.height < band[0] || part.height >= band[1])
                    continue;
                height = std::max(height, part.height);
                lp.drawPath(part.footprint.translated(part.height * 0.30, part.height * 0.42));
            }
        }
        if (height == 0)
            continue;
        blur(layer, (0.6 + height * 0.28) * kSuper);
        QPainter p(&canvas);
        p.setOpacity(0.62);
        p.drawImage(0, 0, layer);
    }
}

// ---- photographic finish ----------------------------------------------------------------------
void finishPhoto(QImage& img, Rng& rng)
{
    const double w = img.width(), h = img.height();
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            // Key light from the upper left, falling off across the frame,
            // plus a gentle lens vignette.
            const double dx = (x - w * 0.32) / w, dy = (y - h * 0.1) / h;
            double light = 1.10 - 0.20 * std::sqrt(dx * dx + dy * dy * 0.6);
            const double vx = (x - w / 2) / (w / 2), vy = (y - h / 2) / (h / 2);
            light *= 1.0 - 0.07 * (vx * vx * 0.6 + vy * vy);
            // Large soft unevenness in the mask and the light.
            light *= 1.0 + 0.05 * valueNoise(x, y, 70.0, 11) + 0.025 * valueNoise(x, y, 17.0, 12) + 0.02 * valueNoise(x, y, 2.5, 13);
            // Broad sheen of the glossy solder mask under the softbox.
            const double sx = (x - 400.0) / 150.0, sy = (y - 60.0) / 80.0;
            const double sheen = 20.0 * std::exp(-(sx * sx + sy * sy));

            const double grain = rng.gauss() * 2.6;
            const QRgb c = line[x];
            auto channel = [&](int v, double tint) {
                const double out = v * light + sheen + grain + rng.gauss() * 1.1 + tint;
                return std::clamp(int(std::lround(out)), 0, 255);
            };
            // Slightly warm white balance, as under tungsten-balanced lamps.
            line[x] = qRgb(channel(qRed(c), 2.0), channel(qGreen(c), 0.5), channel(qBlue(c), -2.0));
        }
    }
}

}  // namespace

QImage renderCardPhoto()
{
    Rng rng(kSeed);
    QImage canvas(kPhotoWidth * kSuper, kPhotoHeight * kSuper, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(kBackground);

    const QPainterPath outline = boardOutline();
    std::vector<Part> parts;
    addInterruptJumpers(parts);
    addCounterJumpers(parts);
    addChips(parts);
    addPassives(parts);
    addIoConnector(parts);

    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kSuper, kSuper);
        // Mat texture, and the board's own shadow on it.
        for (int i = 0; i < 400; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, int(rng.uniform(5, 18))));
            p.drawEllipse(QPointF(rng.uniform(0, kPhotoWidth), rng.uniform(kBoardBottom, kPhotoHeight)),
                          rng.uniform(0.5, 2.0), rng.uniform(0.5, 2.0));
        }
        p.setBrush(withStops(QLinearGradient(QPointF(0, kBoardBottom), QPointF(0, kBoardBottom + 7)),
                             {{0, QColor(0, 0, 0, 110)}, {1, QColor(0, 0, 0, 0)}}));
        p.drawRect(QRectF(QPointF(kBoardLeft, kBoardBottom), QPointF(kPhotoWidth, kBoardBottom + 7)));

        drawBoard(p, outline);
        drawFingers(p);
        drawCopper(p, outline, rng);
        drawSilkscreen(p, outline);
        drawSticker(p, rng);
    }
    drawShadows(canvas, parts);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kSuper, kSuper);
        for (const Part& part : parts)
            part.draw(p);
        drawBracket(p, rng);
    }

    QImage photo = canvas.scaled(kPhotoWidth, kPhotoHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_RGB32);
    finishPhoto(photo, rng);
    return photo;
}

}  // namespace cardphoto
