#include "TechForm.h"

#include "stdctrls/Button.h"
#include "stdctrls/Memo.h"

namespace setupctrls {

namespace {
constexpr const char* kCaption = "Technical Support";
constexpr TRect kMemoBounds{8, 8, 8 + 305, 8 + 89};
constexpr int kButtonLeft = 165;
constexpr int kButtonTop = 105;
constexpr int kButtonWidth = 73;
constexpr int kButtonHeight = 25;
}  // namespace

std::string TechSupportText(const std::string& companyName, const std::string& callHow)
{
    return "There are several ways to get technical support. First and fastest is to skim the relevant "
           "sections of the manual. However, some questions require personal assistance, and " +
           companyName + " stands ready to provide that help. You can call us " + callHow +
           " for any of your product questions.\r\n\r\nIn order to provide the best and fastest support "
           "possible, we ask that you be at your computer when you call, and have the " +
           companyName + " product manual and Software Master CD at hand.";
}

const TClassInfo& TTechForm::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TTechForm, TForm>("TTechForm")
        .Field("TechMemo", &TTechForm::TechMemo)
        .Field("CloseButton", &TTechForm::CloseButton)
        .Build();
    return info;
}

TTechForm::TTechForm(TComponent* owner) : TForm(owner) {}

void TTechForm::Build(const std::string& text, const TNotifyEvent& closeClick)
{
    SetName("TechForm");
    SetCaption(kCaption);
    SetFormStyle(fsStayOnTop);
    // The window system places it; it keeps the size it gets here.
    SetPosition(poDefaultPosOnly);

    TechMemo = new TMemo(this);
    TechMemo->SetName("TechMemo");
    TechMemo->SetBounds(kMemoBounds.Left, kMemoBounds.Top, kMemoBounds.Width(), kMemoBounds.Height());
    TechMemo->SetReadOnly(true);
    TechMemo->SetScrollBars(ssVertical);
    TechMemo->SetParent(this);
    TechMemo->SetText(text);

    CloseButton = new TButton(this);
    CloseButton->SetName("CloseButton");
    CloseButton->SetBounds(kButtonLeft, kButtonTop, kButtonWidth, kButtonHeight);
    CloseButton->SetCancel(true);
    CloseButton->SetCaption("Close");
    CloseButton->SetTabOrder(0);
    CloseButton->OnClick = closeClick;
    CloseButton->SetParent(this);

    // The children's bounding box becomes the client area: both move 8 pixels up and left.
    SetAutoSize(true);
    SetAutoSize(false);
    TechMemo->SetAnchors({akLeft, akTop, akRight, akBottom});
    CloseButton->SetLeft((ClientWidth() - kButtonWidth) / 2);
    CloseButton->SetAnchors({akBottom});
}

}  // namespace setupctrls
