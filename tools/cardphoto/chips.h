// The chips: DIP PPIs and counters, the oscillator can, the bus chip and its serial EEPROM.
#pragma once

#include "part.h"

#include <QPointF>
#include <QRectF>

#include <vector>

namespace cardphoto {

struct DipGeometry {
    QRectF body;
    std::vector<QPointF> pads;  // pin 1 first, counter-clockwise as on the chip
};

// DIP package, 600 mil wide. Upright chips have pin 1 at the top, lying ones
// at the left, as the board was laid out.
DipGeometry dipGeometry(QPointF centre, int pins, bool upright);

// Centres of the four PPIs (DIP-40, upright) and the three counters (DIP-24,
// lying); copper and silkscreen are laid out around them as well.
QPointF ppiCentre(int i);
QPointF pitCentre(int i);

void addChips(std::vector<Part>& parts);

}  // namespace cardphoto
