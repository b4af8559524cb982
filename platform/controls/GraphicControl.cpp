#include "controls/GraphicControl.h"

#include "controls/WinControl.h"
#include "core/ClassInfo.h"

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
    FCanvas = canvas;
    // Afterwards the canvas follows the parent's last image again (see Canvas()).
    struct Restore {
        TCanvas& Slot;
        ~Restore() { Slot = TCanvas(); }
    } restore{FCanvas};
    Paint();
}

}  // namespace platform
