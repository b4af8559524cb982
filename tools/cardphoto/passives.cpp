// Passive parts: decoupling and bulk capacitors, chip resistors and resistor networks.

#include "passives.h"

#include "chips.h"
#include "gradient.h"
#include "layout.h"
#include "primitives.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace cardphoto {
namespace {

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

}  // namespace

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

}  // namespace cardphoto
