#pragma once
// TBitmap: a 32-bit off-screen image, bytes blue, green, red and a fourth byte per pixel, rows
// top-down; its canvas draws into it.

#include "graphics/Canvas.h"
#include "graphics/Graphic.h"

#include <cstdint>
#include <memory>

namespace platform {

enum TPixelFormat : std::uint8_t { pf32bit };

class TBitmap : public TGraphic {
    PLATFORM_CLASS(TBitmap)
public:
    TBitmap();
    ~TBitmap() override;

    int Width() const override;
    int Height() const override;
    // Resizing keeps no content: the new pixels are black.
    void SetSize(int width, int height);
    void SetWidth(int width) { SetSize(width, Height()); }
    void SetHeight(int height) { SetSize(Width(), height); }
    TPixelFormat PixelFormat() const { return pf32bit; }
    void SetPixelFormat(TPixelFormat) {}

    TCanvas& Canvas() { return FCanvas; }
    // Row y: Width() pixels of 4 bytes.
    std::uint8_t* ScanLine(int y);
    const std::uint8_t* ScanLine(int y) const;

    void Assign(const TPersistent& source) override;
    void Draw(QPainter& painter, const TRect& rect) const override;

    QImage& Image() { return *FImage; }
    const QImage& Image() const { return *FImage; }

private:
    std::unique_ptr<QImage> FImage;
    TCanvas FCanvas;
};

}  // namespace platform
