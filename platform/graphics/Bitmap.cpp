#include "graphics/Bitmap.h"

#include "core/ClassInfo.h"

#include <QImage>
#include <QPainter>

namespace platform {

const TClassInfo& TGraphic::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TGraphic, TPersistent>("TGraphic").Build();
    return info;
}

void TGraphic::SetTransparent(bool value)
{
    if (value == FTransparent)
        return;
    FTransparent = value;
    Changed();
}

const TClassInfo& TBitmap::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TBitmap, TGraphic>("TBitmap").Build();
    return info;
}

TBitmap::TBitmap() : FImage(std::make_unique<QImage>()), FCanvas(FImage.get()) {}

TBitmap::~TBitmap() = default;

int TBitmap::Width() const { return FImage->width(); }
int TBitmap::Height() const { return FImage->height(); }

void TBitmap::SetSize(int width, int height)
{
    if (width == Width() && height == Height())
        return;
    TCanvas old = FCanvas;
    *FImage = (width > 0 && height > 0) ? QImage(width, height, QImage::Format_RGB32) : QImage();
    if (!FImage->isNull())
        FImage->fill(0xFF000000u);
    FCanvas = TCanvas(FImage.get());
    FCanvas.SetPen(old.Pen());
    FCanvas.SetBrush(old.Brush());
    Changed();
}

std::uint8_t* TBitmap::ScanLine(int y) { return FImage->scanLine(y); }
const std::uint8_t* TBitmap::ScanLine(int y) const { return FImage->constScanLine(y); }

void TBitmap::Assign(const TPersistent& source)
{
    if (auto* bitmap = dynamic_cast<const TBitmap*>(&source)) {
        *FImage = bitmap->FImage->copy();
        FCanvas = TCanvas(FImage.get());
        Changed();
        return;
    }
    TGraphic::Assign(source);
}

void TBitmap::Draw(QPainter& painter, const TRect& rect) const
{
    painter.drawImage(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), *FImage);
}

}  // namespace platform
