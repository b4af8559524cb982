#pragma once
// What a form tells an X11 window manager beyond Qt's window flags, and what it asks of it.
// Internal to the platform layer. On any other window system (the offscreen one of the tests)
// every call does nothing and learns nothing.

#include <optional>

class QWidget;

namespace platform {

class TX11WindowHints {
public:
    // The frame a window manager puts around a window: the outer size less the client size.
    struct TFrameSize {
        int Width = 0;
        int Height = 0;
    };

    // Writes _MOTIF_WM_HINTS on a tool window that has its native window: move and close, and
    // resize only when sizeable; a title and a border, resize handles only when sizeable. Qt
    // always adds resizing, which a fixed tool window must not offer.
    static void SetToolWindowHints(QWidget* window, bool sizeable);

    // Asks the window manager (_NET_REQUEST_FRAME_EXTENTS) what frame it would give a window of
    // this kind, through a throwaway window that is never mapped; nothing when there is no X11
    // window manager that answers.
    static std::optional<TFrameSize> EstimateFrame(bool toolWindow, bool sizeable);
};

}  // namespace platform
