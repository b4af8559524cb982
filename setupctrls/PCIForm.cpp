#include "PCIForm.h"

#include "SupportWindow.h"

#include "graphics/Font.h"
#include "stdctrls/Button.h"
#include "stdctrls/Memo.h"

namespace setupctrls {

namespace {
constexpr const char* kCaptionTail = " Cards installed";
constexpr const char* kMemoFontName = "Tahoma";
constexpr int kMemoFontSize = 10;
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
    // It comes up during start-up, before its contents are in, and stays up for the user to read.
    SetVisible(true);
    // The button is centred on the new window's outer width, before the window shrinks around its
    // children: afterwards it sits a pixel left of the centre of the client area.
    const TSupportWindowPieces pieces = AddSupportWindowPieces(*this, "PCIMemo", (Width() - kSupportButtonWidth) / 2, closeClick);
    PCIMemo = pieces.Memo;
    CloseButton = pieces.CloseButton;
    PCIMemo->Font()->SetName(kMemoFontName);
    PCIMemo->Font()->SetSize(kMemoFontSize);
    PCIMemo->Font()->SetStyle(fsBold);
    FitSupportWindow(*this, pieces);
}

}  // namespace setupctrls
