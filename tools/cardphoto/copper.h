// Copper under the mask: bus and port routing, chip fan-out and stitching vias.
#pragma once

#include "raster.h"

#include <QPainter>
#include <QPainterPath>

namespace cardphoto {

void drawCopper(QPainter& p, const QPainterPath& outline, Rng& rng);

}  // namespace cardphoto
