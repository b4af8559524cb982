#include "GraphicControl.h"

#include "ClassInfo.h"
#include "WinControl.h"

namespace platform {

const TClassInfo& TGraphicControl::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TGraphicControl, TControl>("TGraphicControl").Build();
    return info;
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

TCanvas& TGraphicControl::Canvas()
{
    // Between paints the canvas reads and writes the parent's last image at the same place.
    if (!FCanvas.Image() && Parent() && Parent()->BackBuffer())
        FCanvas = TCanvas(Parent()->BackBuffer(), {Left(), Top()}, BoundsRect());
    return FCanvas;
}

void TGraphicControl::PaintOn(TCanvas& canvas)
{
    TCanvas saved = FCanvas;
    FCanvas = canvas;
    struct Restore {
        TCanvas& slot;
        TCanvas value;
        ~Restore() { slot = TCanvas(); }
    } restore{FCanvas, saved};
    Paint();
}

}  // namespace platform
