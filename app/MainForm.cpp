#include "MainForm.h"

#include "setupctrls/BoardHighlight.h"
#include "setupctrls/BoardImage.h"
#include "setupctrls/SetupCtrls.h"

#include "platform/Menus.h"

namespace settings {

TMainForm* MainForm = nullptr;

const TClassInfo& TMainForm::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TMainForm, TForm>("TMainForm")
        .Field("BoardImage1", &TMainForm::BoardImage1)
        .Field("IENCTRHighlight", &TMainForm::IENCTRHighlight)
        .Field("IEN0Highlight", &TMainForm::IEN0Highlight)
        .Field("IEN1Highlight", &TMainForm::IEN1Highlight)
        .Field("IEN3Highlight", &TMainForm::IEN3Highlight)
        .Field("BoardHighlight1", &TMainForm::BoardHighlight1)
        .Field("BoardHighlight2", &TMainForm::BoardHighlight2)
        .Field("BoardHighlight3", &TMainForm::BoardHighlight3)
        .Field("IEN2Highlight", &TMainForm::IEN2Highlight)
        .Field("MainMenu1", &TMainForm::MainMenu1)
        .Field("File1", &TMainForm::File1)
        .Field("Exit2", &TMainForm::Exit2)
        .Field("Help1", &TMainForm::Help1)
        .Field("Howtousethisprogram1", &TMainForm::Howtousethisprogram1)
        .Field("TechnicalSupport1", &TMainForm::TechnicalSupport1)
        .Method("Exit2Click", &TMainForm::Exit2Click)
        .Build();
    return info;
}

TMainForm::TMainForm(TComponent* owner) : TForm(owner)
{
    RegisterSetupCtrls();
    LoadLayout(kMainFormLayout);
}

void TMainForm::Exit2Click(TObject*) { Close(); }

}  // namespace settings
