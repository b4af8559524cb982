// Pin headers and shunts: the interrupt-enable jumpers and the counters' clock and gate selectors.

#include "jumpers.h"

#include "colours.h"
#include "gradient.h"
#include "layout.h"
#include "primitives.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace cardphoto {
namespace {

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

}  // namespace

QPointF headerPin(QPointF centre, int pins, int index)
{
    return centre + QPointF(0, (index - (pins - 1) / 2.0) * kPitch);
}

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

}  // namespace cardphoto
