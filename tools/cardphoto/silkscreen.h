// Printing on the board: the silkscreen legend and the serial-number sticker.
#pragma once

#include "raster.h"

#include <QPainter>
#include <QPainterPath>

namespace cardphoto {

void drawSilkscreen(QPainter& p, const QPainterPath& outline);
void drawSticker(QPainter& p, Rng& rng);

}  // namespace cardphoto
