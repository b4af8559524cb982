#include "controls/internal/MouseTracker.h"

#include "controls/Control.h"

namespace platform {

namespace {
TControl* gCurrent = nullptr;
}

TControl* TMouseTracker::Current() { return gCurrent; }

void TMouseTracker::SetCurrent(TControl* control)
{
    if (control == gCurrent)
        return;
    TControl* old = gCurrent;
    gCurrent = control;
    // A handler may move the mouse control again (a window that opens under the cursor);
    // the notifications follow each change in order.
    if (old)
        old->Perform(CM_MOUSELEAVE, 0, 0);
    if (control && control == gCurrent)
        control->Perform(CM_MOUSEENTER, 0, 0);
}

void TMouseTracker::Forget(const TControl* control)
{
    if (gCurrent == control)
        gCurrent = nullptr;
}

}  // namespace platform
