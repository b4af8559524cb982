#pragma once
// TJPEGImage: a graphic decoded from JPEG data with libjpeg. Bad data raises EJPEGError with
// libjpeg's own message; it never ends the process.

#include "graphics/Graphic.h"

#include <cstdint>
#include <memory>
#include <vector>

class QImage;

namespace platform {

class TJPEGImage : public TGraphic {
    PLATFORM_CLASS(TJPEGImage)
public:
    TJPEGImage();
    ~TJPEGImage() override;

    // Decodes the data; on failure the image keeps its previous content and EJPEGError is raised.
    void LoadFromData(const std::uint8_t* data, std::size_t size);

    int Width() const override;
    int Height() const override;
    void Assign(const TPersistent& source) override;
    void Draw(QPainter& painter, const TRect& rect) const override;

private:
    std::unique_ptr<QImage> FImage;
};

}  // namespace platform
