#include "PCIForm.h"

#include "graphics/Font.h"
#include "stdctrls/Button.h"
#include "stdctrls/Memo.h"

namespace setupctrls {

namespace {
constexpr const char* kCaptionTail = " Cards installed";
constexpr TRect kMemoBounds{8, 8, 8 + 305, 8 + 89};
constexpr const char* kMemoFontName = "Tahoma";
constexpr int kMemoFontSize = 10;
constexpr int kButtonTop = 105;
constexpr int kButtonWidth = 73;
constexpr int kButtonHeight = 25;
}  // namespace

const TClassInfo& TPCIForm::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TPCIForm, TForm>("TPCIForm")
        .Field("PCIMemo", &TPCIForm::PCIMemo)
        .Field("CloseButton", &TPCIForm::CloseButton)
        .Build();
    return info;
}

TPCIForm::TPCIForm(TComponent* owner) : TForm(owner) {}

void TPCIForm::Build(const std::string& cardName, const TNotifyEvent& closeClick)
{
    SetName("PCIForm");
    SetCaption(cardName + kCaptionTail);
    SetFormStyle(fsStayOnTop);
    SetPosition(poDefaultPosOnly);
    // It comes up during start-up, before its contents are in, and stays up for the user to read.
    SetVisible(true);

    PCIMemo = new TMemo(this);
    PCIMemo->SetName("PCIMemo");
    PCIMemo->SetBounds(kMemoBounds.Left, kMemoBounds.Top, kMemoBounds.Width(), kMemoBounds.Height());
    PCIMemo->Font()->SetName(kMemoFontName);
    PCIMemo->Font()->SetSize(kMemoFontSize);
    PCIMemo->Font()->SetStyle(fsBold);
    PCIMemo->SetReadOnly(true);
    PCIMemo->SetScrollBars(ssVertical);
    PCIMemo->SetParent(this);

    CloseButton = new TButton(this);
    CloseButton->SetName("CloseButton");
    // Centred on the new window's outer width, before the window shrinks around its children:
    // after the shrink it sits a pixel left of the centre of the client area.
    CloseButton->SetBounds((Width() - kButtonWidth) / 2, kButtonTop, kButtonWidth, kButtonHeight);
    CloseButton->SetCancel(true);
    CloseButton->SetCaption("Close");
    CloseButton->SetTabOrder(0);
    CloseButton->OnClick = closeClick;
    CloseButton->SetParent(this);

    // The children's bounding box becomes the client area: both move 8 pixels up and left.
    SetAutoSize(true);
    SetAutoSize(false);
    PCIMemo->SetAnchors({akLeft, akTop, akRight, akBottom});
    CloseButton->SetAnchors({akBottom});
}

}  // namespace setupctrls
