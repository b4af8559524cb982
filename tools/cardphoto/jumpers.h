// Pin headers and shunts: the interrupt-enable jumpers and the counters' clock and gate selectors.
#pragma once

#include "part.h"

#include <QPointF>

#include <vector>

namespace cardphoto {

// Centre of pin `index` (0 at the top) of an upright single-row header.
QPointF headerPin(QPointF centre, int pins, int index);

// Centre of counter `counter`'s clock-source header, or of its gate header.
QPointF counterHeaderCentre(int counter, bool gate);

void addInterruptJumpers(std::vector<Part>& parts);
void addCounterJumpers(std::vector<Part>& parts);

}  // namespace cardphoto
