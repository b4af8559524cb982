#pragma once
// The soft ring a board highlight draws over the picture beneath it, shaded pixel by pixel in
// 32-bit float steps so that every build gives the same bytes.

#include "graphics/Color.h"

namespace platform {
class TBitmap;
}

namespace setupctrls {

using namespace platform;

// Shades a ring of `color` over the bitmap's pixels: a faint tint inside radius 0.77 and a
// band peaking at radius 0.875; WhiteCore turns the middle of the band white. A bitmap
// narrower or lower than 2 pixels is left as it is.
void ShadeRing(TBitmap& bitmap, TColor color, float alpha, bool whiteCore);

}  // namespace setupctrls
