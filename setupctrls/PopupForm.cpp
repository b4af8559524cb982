#include "PopupForm.h"

#include "BoardHighlight.h"

#include "controls/WinApi.h"

namespace setupctrls {

const TClassInfo& TPopupForm::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TPopupForm, TForm>("TPopupForm").Build();
    return info;
}

TPopupForm::TPopupForm(TComponent* owner) : TForm(owner) {}

void TPopupForm::WMActivate(TMessage& message)
{
    if (FHighlight)
        FHighlight->SetPopupActive(message.WParam != WA_INACTIVE, true);
    message.Result = 0;
}

void TPopupForm::CMMouseLeave(TMessage& message)
{
    TPoint p;
    GetCursorPos(&p);
    p = {p.X - Left(), p.Y - Top()};
    if (!Rect(0, 0, Width(), Height()).Contains(p) && FCloseOnLeave) {
        Close();
        return;
    }
    TForm::CMMouseLeave(message);
}

}  // namespace setupctrls
