#include "graphics/Canvas.h"

#include "graphics/Graphic.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

namespace platform {

std::uint32_t ColorToPixel(TColor color)
{
    TColor c = ColorToRGB(color);
    return 0xFF000000u | (std::uint32_t(GetRValue(c)) << 16) | (std::uint32_t(GetGValue(c)) << 8) |
           GetBValue(c);
}

TCanvas::TCanvas(QImage* image, TPoint origin, TRect clip) : FImage(image), FOrigin(origin)
{
    TRect bounds = image ? Rect(0, 0, image->width(), image->height()) : TRect{};
    FClip = Rect(std::max(clip.Left, bounds.Left), std::max(clip.Top, bounds.Top),
                 std::min(clip.Right, bounds.Right), std::min(clip.Bottom, bounds.Bottom));
}

TCanvas::TCanvas(QImage* image)
    : TCanvas(image, {0, 0}, image ? Rect(0, 0, image->width(), image->height()) : TRect{})
{
}

void TCanvas::Plot(int x, int y, std::uint32_t rgb)
{
    int ix = x + FOrigin.X;
    int iy = y + FOrigin.Y;
    if (!FClip.Contains({ix, iy}))
        return;
    // bits() rather than scanLine(): one detach check per pixel is what a shape can afford.
    auto* row = reinterpret_cast<std::uint32_t*>(FImage->bits() + std::ptrdiff_t(iy) * FImage->bytesPerLine());
    row[ix] = rgb;
}

template <class Inside>
void TCanvas::DrawShape(int x1, int y1, int x2, int y2, Inside inside)
{
    if (!FImage || x2 <= x1 || y2 <= y1)
        return;
    const bool fill = FBrush.Style != bsClear;
    const bool outline = FPen.Style != psClear;
    const std::uint32_t brush = ColorToPixel(FBrush.Color);
    const std::uint32_t pen = ColorToPixel(FPen.Color);
    for (int y = y1; y < y2; ++y) {
        for (int x = x1; x < x2; ++x) {
            if (!inside(x, y))
                continue;
            // A pixel of the shape with a 4-neighbour outside it is on the outline.
            bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            if (edge && outline) {
                bool dashed = FPen.Style == psDash || FPen.Style == psDot;
                int step = FPen.Style == psDash ? 6 : 2;
                if (!dashed || ((x + y) / (step / 2)) % 2 == 0)
                    Plot(x, y, pen);
                else if (fill)
                    Plot(x, y, brush);
            } else if (fill) {
                Plot(x, y, brush);
            }
        }
    }
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    DrawShape(x1, y1, x2, y2, [=](int x, int y) { return x >= x1 && x < x2 && y >= y1 && y < y2; });
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight)
{
    // A pixel belongs to the shape when its centre lies within the corner ellipse's radii of
    // the inner rectangle that the corner ellipses' centres span.
    const double rx = std::max(cornerWidth, 0) / 2.0;
    const double ry = std::max(cornerHeight, 0) / 2.0;
    const double left = x1 + rx, right = x2 - rx, top = y1 + ry, bottom = y2 - ry;
    DrawShape(x1, y1, x2, y2, [=](int x, int y) {
        if (x < x1 || x >= x2 || y < y1 || y >= y2)
            return false;
        double px = x + 0.5, py = y + 0.5;
        double dx = px < left ? left - px : (px > right ? px - right : 0.0);
        double dy = py < top ? top - py : (py > bottom ? py - bottom : 0.0);
        if (dx == 0.0 || dy == 0.0)
            return true;
        return (dx * dx) / (rx * rx) + (dy * dy) / (ry * ry) <= 1.0;
    });
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    // Pixels whose centres lie in the ellipse inscribed in the box.
    const double cx = (x1 + x2) / 2.0, cy = (y1 + y2) / 2.0;
    const double rx = (x2 - x1) / 2.0, ry = (y2 - y1) / 2.0;
    DrawShape(x1, y1, x2, y2, [=](int x, int y) {
        if (x < x1 || x >= x2 || y < y1 || y >= y2)
            return false;
        double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
        return dx * dx + dy * dy <= 1.0;
    });
}

void TCanvas::FillRect(const TRect& rect)
{
    if (!FImage || FBrush.Style == bsClear)
        return;
    const std::uint32_t brush = ColorToPixel(FBrush.Color);
    // Clip once, then fill whole rows: this runs over every window's full client area.
    const int left = std::max(rect.Left + FOrigin.X, FClip.Left);
    const int right = std::min(rect.Right + FOrigin.X, FClip.Right);
    const int top = std::max(rect.Top + FOrigin.Y, FClip.Top);
    const int bottom = std::min(rect.Bottom + FOrigin.Y, FClip.Bottom);
    if (left >= right || top >= bottom)
        return;
    if (left == 0 && top == 0 && right == FImage->width() && bottom == FImage->height()) {
        FImage->fill(brush);
        return;
    }
    std::uint8_t* bits = FImage->bits();
    const qsizetype stride = FImage->bytesPerLine();
    for (int y = top; y < bottom; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(bits + y * stride);
        std::fill(row + left, row + right, brush);
    }
}

void TCanvas::StretchDraw(const TRect& rect, const TGraphic& graphic)
{
    if (!FImage || graphic.Empty())
        return;
    QPainter painter(FImage);
    painter.setClipRect(QRect(FClip.Left, FClip.Top, FClip.Width(), FClip.Height()));
    painter.translate(FOrigin.X, FOrigin.Y);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    graphic.Draw(painter, rect);
}

TColor TCanvas::Pixel(int x, int y) const
{
    int ix = x + FOrigin.X, iy = y + FOrigin.Y;
    if (!FImage || !FClip.Contains({ix, iy}))
        return clNone;
    std::uint32_t p = reinterpret_cast<const std::uint32_t*>(FImage->constScanLine(iy))[ix];
    return RGB(std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p));
}

void TCanvas::SetPixel(int x, int y, TColor color)
{
    if (FImage)
        Plot(x, y, ColorToPixel(color));
}

}  // namespace platform
