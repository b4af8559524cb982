#pragma once
// TCanvas draws into a 32-bit image through an origin and a clip rectangle: a bitmap's own
// canvas, or the part of a parent's off-screen image that a graphic control covers while it
// paints. Shapes follow the usual box convention: (x1, y1)-(x2, y2) spans columns x1 … x2 − 1 and
// rows y1 … y2 − 1; the pen draws one pixel along the inside of the box, the brush fills the rest.

#include "core/Types.h"
#include "graphics/Color.h"

#include <cstdint>

class QImage;

namespace platform {

class TGraphic;

enum TPenStyle : std::uint8_t { psSolid, psDash, psDot, psClear };
enum TBrushStyle : std::uint8_t { bsSolid, bsClear };

struct TPen {
    TColor Color = clBlack;
    TPenStyle Style = psSolid;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};

class TCanvas {
public:
    TCanvas() = default;
    // A canvas on `image` whose (0, 0) is the image's `origin`, drawing only inside `clip`
    // (image coordinates).
    TCanvas(QImage* image, TPoint origin, TRect clip);
    explicit TCanvas(QImage* image);

    TPen& Pen() { return FPen; }
    TBrush& Brush() { return FBrush; }
    void SetPen(const TPen& pen) { FPen = pen; }
    void SetBrush(const TBrush& brush) { FBrush = brush; }

    void Rectangle(int x1, int y1, int x2, int y2);
    void RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight);
    void Ellipse(int x1, int y1, int x2, int y2);
    void FillRect(const TRect& rect);
    // Draws the graphic scaled into the rectangle.
    void StretchDraw(const TRect& rect, const TGraphic& graphic);

    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    // What BitBlt needs: the image, where this canvas's (0, 0) lies on it, and the clip.
    QImage* Image() const { return FImage; }
    TPoint Origin() const { return FOrigin; }
    TRect ClipRect() const { return FClip; }

private:
    // Fills the shape whose pixel test is `inside` (local coordinates), outlining it with the pen.
    template <class Inside>
    void DrawShape(int x1, int y1, int x2, int y2, Inside inside);
    void Plot(int x, int y, std::uint32_t rgb);

    QImage* FImage = nullptr;
    TPoint FOrigin;
    TRect FClip;
    TPen FPen;
    TBrush FBrush;
};

// Converts a colour to the pixel value of a 32-bit image (0xFFRRGGBB).
std::uint32_t ColorToPixel(TColor color);

}  // namespace platform
