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

TSupportWindowParts AddSupportWindowParts(TForm& window, const char* memoName, int buttonLeft,
                                          const TNotifyEvent& closeClick)
{
    window.SetFormStyle(fsStayOnTop);
    // The window system places it; it keeps the size it gets here.
    window.SetPosition(poDefaultPosOnly);

    TSupportWindowParts parts;
    parts.Memo = new TMemo(&window);
    parts.Memo->SetName(memoName);
    parts.Memo->SetBounds(kMemoBounds.Left, kMemoBounds.Top, kMemoBounds.Width(), kMemoBounds.Height());
    parts.Memo->SetReadOnly(true);
    parts.Memo->SetScrollBars(ssVertical);
    parts.Memo->SetParent(&window);

    parts.CloseButton = new TButton(&window);
    parts.CloseButton->SetName("CloseButton");
    parts.CloseButton->SetBounds(buttonLeft, kButtonTop, kSupportButtonWidth, kButtonHeight);
    parts.CloseButton->SetCancel(true);
    parts.CloseButton->SetCaption("Close");
    parts.CloseButton->SetTabOrder(0);
    parts.CloseButton->OnClick = closeClick;
    parts.CloseButton->SetParent(&window);
    return parts;
}

void FitSupportWindow(TForm& window, const TSupportWindowParts& parts)
{
    window.SetAutoSize(true);
    window.SetAutoSize(false);
    parts.Memo->SetAnchors({akLeft, akTop, akRight, akBottom});
    parts.CloseButton->SetAnchors({akBottom});
}

}  // namespace setupctrls
