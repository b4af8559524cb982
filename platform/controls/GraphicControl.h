#pragma once
// TGraphicControl: a control without a window. Its parent paints it, in child order, into the
// parent's own off-screen image, and routes the mouse to it by hit-testing, topmost first.

#include "controls/Control.h"
#include "graphics/Canvas.h"

namespace platform {

class TGraphicControl : public TControl {
    PLATFORM_CLASS(TGraphicControl)
public:
    explicit TGraphicControl(TComponent* owner);

    // During a paint: the part of the parent's image this control covers, (0, 0) at its top
    // left, clipped to its bounds. Outside a paint: the same area of the parent's last image.
    TCanvas& Canvas();

    // Called by the parent's paint with the canvas to draw on.
    void PaintOn(TCanvas& canvas);

protected:
    virtual void Paint() {}

private:
    TCanvas FCanvas;
};

}  // namespace platform
