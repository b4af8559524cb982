// Passive parts: decoupling and bulk capacitors, chip resistors and resistor networks.
#pragma once

#include "part.h"

#include <vector>

namespace cardphoto {

void addPassives(std::vector<Part>& parts);

}  // namespace cardphoto
