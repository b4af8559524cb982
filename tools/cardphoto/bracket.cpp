// The mounting bracket with the connector opening, seen almost edge-on.

#include "bracket.h"

#include "gradient.h"
#include "layout.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace cardphoto {

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

}  // namespace cardphoto
