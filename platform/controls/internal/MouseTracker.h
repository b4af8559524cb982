#pragma once
// Keeps the control under the mouse, windowed or graphic. When it changes, the old control gets
// CM_MOUSELEAVE and the new one CM_MOUSEENTER.

namespace platform {

class TControl;

class TMouseTracker {
public:
    static TControl* Current();
    static void SetCurrent(TControl* control);
    // A control that is going away leaves without a notification.
    static void Forget(const TControl* control);
};

}  // namespace platform
