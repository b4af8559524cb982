#include "graphics/Picture.h"

#include "core/ClassInfo.h"
#include "graphics/Bitmap.h"
#include "graphics/JPEGImage.h"

namespace platform {

const TClassInfo& TPicture::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TPicture, TPersistent>("TPicture").Build();
    return info;
}

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic)
{
    FGraphic = std::move(graphic);
    if (FGraphic)
        FGraphic->OnChange = Method(&TPicture::GraphicChanged, this);
    OnChange(this);
}

void TPicture::LoadFromData(const std::vector<std::uint8_t>& data)
{
    constexpr std::uint8_t kJpegStart[] = {0xFF, 0xD8};
    if (data.size() < 2 || data[0] != kJpegStart[0] || data[1] != kJpegStart[1])
        throw EInvalidGraphic("picture data is not a JPEG image (it does not start with FF D8)");
    auto jpeg = std::make_unique<TJPEGImage>();
    jpeg->LoadFromData(data.data(), data.size());
    SetGraphic(std::move(jpeg));
}

void TPicture::Assign(const TPersistent& source)
{
    auto* picture = dynamic_cast<const TPicture*>(&source);
    if (!picture) {
        TPersistent::Assign(source);
        return;
    }
    std::unique_ptr<TGraphic> copy;
    if (TGraphic* g = picture->Graphic()) {
        if (dynamic_cast<TJPEGImage*>(g))
            copy = std::make_unique<TJPEGImage>();
        else
            copy = std::make_unique<TBitmap>();
        copy->Assign(*g);
    }
    SetGraphic(std::move(copy));
}

void TPicture::GraphicChanged(TObject*) { OnChange(this); }

}  // namespace platform
