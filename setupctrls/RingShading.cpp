#include "RingShading.h"

#include "graphics/Bitmap.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace setupctrls {

namespace {
// Ring geometry in the unit circle of the bitmap: the tint inside, the band's peak, its slope.
constexpr float kInnerRadiusSquared = 0.5929f;  // 0.77²
constexpr float kInnerWeight = 0.16f;
constexpr float kBandPeak = 0.875f;
constexpr float kBandSlope = 8.0f;

// Adding and taking away 1.5 · 2^23 leaves a float in [0, 2^22) rounded to the nearest
// integer, halves to even, in the default rounding mode: the same result as lrintf, without
// the library call in the innermost loop.
constexpr float kRoundingMagic = 12582912.0f;

float RoundHalfEven(float value) { return (value + kRoundingMagic) - kRoundingMagic; }

std::uint8_t Blend(std::uint8_t pixel, std::uint8_t color, float a, float b)
{
    const float value = float(pixel) * b + float(color) * a;
    return std::uint8_t(std::clamp(int(RoundHalfEven(value)), 0, 255));
}
}  // namespace

void ShadeRing(TBitmap& bitmap, TColor color, float alpha, bool whiteCore)
{
    const int w = bitmap.Width(), h = bitmap.Height();
    // The ring is scaled to the bitmap; below 2 pixels on a side there is no ring to scale
    // (the step would divide by zero), and the bitmap keeps the picture beneath unshaded.
    if (w < 2 || h < 2)
        return;
    const std::uint8_t cr = GetRValue(color), cg = GetGValue(color), cb = GetBValue(color);
    const float sx = 2.0f / float(w - 1);
    const float sy = 2.0f / float(h - 1);
    for (int y = 0; y < h; ++y) {
        std::uint8_t* px = bitmap.ScanLine(y);
        const float v = float(y) * sy - 1.0f;
        for (int x = 0; x < w; ++x, px += 4) {
            const float u = float(x) * sx - 1.0f;
            const float uu = u * u;
            const float vv = v * v;
            const float d = uu + vv;
            if (d >= 1.0f)
                continue;
            float weight;
            if (d < kInnerRadiusSquared) {
                weight = kInnerWeight;
            } else {
                weight = 1.0f - kBandSlope * std::fabs(std::sqrt(d) - kBandPeak);
                if (whiteCore) {
                    weight = 2.0f * weight;
                    if (weight > 1.0f) {
                        px[0] = px[1] = px[2] = 255;
                        px[3] = 0;
                        weight = 2.0f - weight;
                    }
                }
            }
            const float a = weight * alpha;
            const float b = 1.0f - a;
            px[0] = Blend(px[0], cb, a, b);
            px[1] = Blend(px[1], cg, a, b);
            px[2] = Blend(px[2], cr, a, b);
        }
    }
}

}  // namespace setupctrls
