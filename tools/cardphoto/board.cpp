// The bare board: outline with the bus tab, solder mask, ground pour and the gold edge fingers.

#include "board.h"

#include "colours.h"
#include "gradient.h"
#include "layout.h"

#include <QLinearGradient>

namespace cardphoto {

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

}  // namespace cardphoto
