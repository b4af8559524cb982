#pragma once
// TGraphic: an image a picture object can hold (a bitmap, a JPEG).

#include "core/Event.h"
#include "core/Object.h"
#include "core/Types.h"

#include <cstdint>

class QPainter;

namespace platform {

class TGraphic : public TPersistent {
    PLATFORM_CLASS(TGraphic)
public:
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    bool Empty() const { return Width() <= 0 || Height() <= 0; }

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // Metafiles and icons keep their own transparency; neither exists in this library.
    virtual bool KeepsOwnTransparency() const { return false; }

    // Palettes belong to 8-bit displays; our graphics have none, so the handle is always 0.
    virtual std::uintptr_t Palette() const { return 0; }
    bool PaletteModified() const { return FPaletteModified; }
    void SetPaletteModified(bool value) { FPaletteModified = value; }

    // Draws the graphic scaled into `rect` (the painter's coordinates).
    virtual void Draw(QPainter& painter, const TRect& rect) const = 0;

    TNotifyEvent OnChange;

protected:
    void Changed() { OnChange(this); }

private:
    bool FTransparent = false;
    bool FPaletteModified = false;
};

}  // namespace platform
