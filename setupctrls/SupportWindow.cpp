#include "SupportWindow.h"

#include "forms/Form.h"
#include "stdctrls/Button.h"
#include "stdctrls/Memo.h"

namespace setupctrls {

namespace {
constexpr TRect kMemoBounds{8, 8, 8 + 305, 8 + 89};
constexpr int kButtonTop = 105;
constexpr int kButtonHeight = 25;
}  // namespace

TSupportWindowPieces AddSupportWindowPieces(TForm& window, const char* memoName, int buttonLeft,
                                          const TNotifyEvent& closeClick)
{
    window.SetFormStyle(fsStayOnTop);
    // The window system places it; it keeps the size it gets here.
    window.SetPosition(poDefaultPosOnly);

    TSupportWindowPieces pieces;
    pieces.Memo = new TMemo(&window);
    pieces.Memo->SetName(memoName);
    pieces.Memo->SetBounds(kMemoBounds.Left, kMemoBounds.Top, kMemoBounds.Width(), kMemoBounds.Height());
    pieces.Memo->SetReadOnly(true);
    pieces.Memo->SetScrollBars(ssVertical);
    pieces.Memo->SetParent(&window);

    pieces.CloseButton = new TButton(&window);
    pieces.CloseButton->SetName("CloseButton");
    pieces.CloseButton->SetBounds(buttonLeft, kButtonTop, kSupportButtonWidth, kButtonHeight);
    pieces.CloseButton->SetCancel(true);
    pieces.CloseButton->SetCaption("Close");
    pieces.CloseButton->SetTabOrder(0);
    pieces.CloseButton->OnClick = closeClick;
    pieces.CloseButton->SetParent(&window);
    return pieces;
}

void FitSupportWindow(TForm& window, const TSupportWindowPieces& pieces)
{
    window.SetAutoSize(true);
    window.SetAutoSize(false);
    pieces.Memo->SetAnchors({akLeft, akTop, akRight, akBottom});
    pieces.CloseButton->SetAnchors({akBottom});
}

}  // namespace setupctrls
