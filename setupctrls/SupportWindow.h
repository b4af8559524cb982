#pragma once
// The furniture the technical-support and installed-cards windows share: a read-only text box
// above a Close button, the window shrunk around them.

#include "core/Event.h"

namespace platform {
class TButton;
class TForm;
class TMemo;
}  // namespace platform

namespace setupctrls {

using namespace platform;

// The Close button's width, for windows that centre it.
inline constexpr int kSupportButtonWidth = 73;

struct TSupportWindowPieces {
    TMemo* Memo = nullptr;
    TButton* CloseButton = nullptr;
};

// Makes `window` a stay-on-top window that the window system places, and gives it a read-only
// text box named `memoName` (vertical scroll bar, 305 × 89 at 8, 8) and a Cancel button "Close"
// (tab order 0, 73 × 25 at buttonLeft, 105) that runs `closeClick`.
TSupportWindowPieces AddSupportWindowPieces(TForm& window, const char* memoName, int buttonLeft,
                                          const TNotifyEvent& closeClick);
// The children's bounding box becomes the client area (both move 8 pixels up and left); then the
// text box grows with the window and the button keeps its distance from the bottom.
void FitSupportWindow(TForm& window, const TSupportWindowPieces& pieces);

}  // namespace setupctrls
