// Printing on the board: the silkscreen legend and the serial-number sticker.

#include "silkscreen.h"

#include "chips.h"
#include "colours.h"
#include "jumpers.h"
#include "layout.h"
#include "primitives.h"

namespace cardphoto {
namespace {

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

}  // namespace

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

}  // namespace cardphoto
