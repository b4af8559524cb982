#include "TechForm.h"

#include "SupportWindow.h"

#include "stdctrls/Button.h"
#include "stdctrls/Memo.h"

namespace setupctrls {

namespace {
constexpr const char* kCaption = "Technical Support";
constexpr int kButtonLeft = 165;
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
    const TSupportWindowPieces pieces = AddSupportWindowPieces(*this, "TechMemo", kButtonLeft, closeClick);
    TechMemo = pieces.Memo;
    CloseButton = pieces.CloseButton;
    TechMemo->SetText(text);
    FitSupportWindow(*this, pieces);
    CloseButton->SetLeft((ClientWidth() - kSupportButtonWidth) / 2);
}

}  // namespace setupctrls
