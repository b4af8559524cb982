// The mounting bracket with the connector opening, seen almost edge-on.
#pragma once

#include "raster.h"

#include <QPainter>

namespace cardphoto {

void drawBracket(QPainter& p, Rng& rng);

}  // namespace cardphoto
