// Copper under the mask: bus and port routing, chip fan-out and stitching vias.

#include "copper.h"

#include "board.h"
#include "chips.h"
#include "layout.h"
#include "primitives.h"

#include <cmath>
#include <vector>

namespace cardphoto {
namespace {

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

}  // namespace

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

}  // namespace cardphoto
