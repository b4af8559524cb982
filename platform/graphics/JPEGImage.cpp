#include "graphics/JPEGImage.h"

#include "core/ClassInfo.h"
#include "graphics/internal/JpegDecoder.h"

#include <QImage>
#include <QPainter>

namespace platform {

const TClassInfo& TJPEGImage::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TJPEGImage, TGraphic>("TJPEGImage").Build();
    return info;
}

TJPEGImage::TJPEGImage() : FImage(std::make_unique<QImage>()) {}

TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::LoadFromData(const std::uint8_t* data, std::size_t size)
{
    *FImage = DecodeJpeg(data, size);
    Changed();
}

int TJPEGImage::Width() const { return FImage->width(); }
int TJPEGImage::Height() const { return FImage->height(); }

void TJPEGImage::Assign(const TPersistent& source)
{
    if (auto* jpeg = dynamic_cast<const TJPEGImage*>(&source)) {
        *FImage = *jpeg->FImage;  // implicitly shared: the pixels are not copied
        SetTransparent(jpeg->Transparent());
        Changed();
        return;
    }
    TGraphic::Assign(source);
}

void TJPEGImage::Draw(QPainter& painter, const TRect& rect) const
{
    painter.drawImage(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), *FImage);
}

}  // namespace platform
