#pragma once
// TPicture: holds one graphic, or none, and reports every change through OnChange.

#include "core/Event.h"
#include "graphics/Graphic.h"

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

namespace platform {

// A picture's data is in no format the picture object can read.
class EInvalidGraphic : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TPicture : public TPersistent {
    PLATFORM_CLASS(TPicture)
public:
    TPicture();
    ~TPicture() override;

    TGraphic* Graphic() const { return FGraphic.get(); }
    // Takes ownership; nullptr empties the picture.
    void SetGraphic(std::unique_ptr<TGraphic> graphic);
    int Width() const { return FGraphic ? FGraphic->Width() : 0; }
    int Height() const { return FGraphic ? FGraphic->Height() : 0; }

    // Reads a picture from its file data; the format is recognised from the data itself.
    void LoadFromData(const std::vector<std::uint8_t>& data);
    void Assign(const TPersistent& source) override;

    TNotifyEvent OnChange;

private:
    void GraphicChanged(TObject* sender);

    std::unique_ptr<TGraphic> FGraphic;
};

}  // namespace platform
