#include "MainForm.h"

#include "BoardHighlight.h"
#include "BoardImage.h"
#include "HelpForm.h"
#include "RadioPanel.h"
#include "SetupSupporter.h"
#include "TechForm.h"
#include "SetupCtrls.h"
#include "TwoJumper.h"

#include "stdctrls/CheckBox.h"
#include "stdctrls/Label.h"
#include "forms/Application.h"
#include "stdctrls/Menus.h"

#include <span>

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
        .Field("IENCTRPanel", &TMainForm::IENCTRPanel)
        .Field("Label1", &TMainForm::Label1)
        .Field("IENCTRJumper0", &TMainForm::IENCTRJumper0)
        .Field("Label2", &TMainForm::Label2)
        .Field("IENCTRJumper1", &TMainForm::IENCTRJumper1)
        .Field("Label4", &TMainForm::Label4)
        .Field("IENCTRJumper2", &TMainForm::IENCTRJumper2)
        .Field("IENCTRCheck0", &TMainForm::IENCTRCheck0)
        .Field("IENCTRCheck1", &TMainForm::IENCTRCheck1)
        .Field("IENCTRCheck2", &TMainForm::IENCTRCheck2)
        .Field("IENDIOPanel", &TMainForm::IENDIOPanel)
        .Field("Label3", &TMainForm::Label3)
        .Field("IENDIOJumper", &TMainForm::IENDIOJumper)
        .Field("IENDIOCheck", &TMainForm::IENDIOCheck)
        .Field("CTRPanel", &TMainForm::CTRPanel)
        .Field("CTRJumper0", &TMainForm::CTRJumper0)
        .Field("CTRJumper1", &TMainForm::CTRJumper1)
        .Field("CTRJumper2", &TMainForm::CTRJumper2)
        .Field("Label5", &TMainForm::Label5)
        .Field("Label6", &TMainForm::Label6)
        .Field("Label7", &TMainForm::Label7)
        .Field("CTRCheck0", &TMainForm::CTRCheck0)
        .Field("CTRCheck1", &TMainForm::CTRCheck1)
        .Field("CTRCheck2", &TMainForm::CTRCheck2)
        .Field("MainMenu1", &TMainForm::MainMenu1)
        .Field("File1", &TMainForm::File1)
        .Field("Exit2", &TMainForm::Exit2)
        .Field("Help1", &TMainForm::Help1)
        .Field("Howtousethisprogram1", &TMainForm::Howtousethisprogram1)
        .Field("TechnicalSupport1", &TMainForm::TechnicalSupport1)
        .Field("SetSup", &TMainForm::SetSup)
        .Method("FormCreate", &TMainForm::FormCreate)
        .Method("Exit2Click", &TMainForm::Exit2Click)
        .Method("Howtousethisprogram1Click", &TMainForm::Howtousethisprogram1Click)
        .Method("TechnicalSupport1Click", &TMainForm::TechnicalSupport1Click)
        .Method("IENDIOJumperClick", &TMainForm::IENDIOJumperClick)
        .Method("IENDIOCheckClick", &TMainForm::IENDIOCheckClick)
        .Method("CTRJumperClick", &TMainForm::CTRJumperClick)
        .Method("CTRCheckClick", &TMainForm::CTRCheckClick)
        .Method("IENCTRJumperClick", &TMainForm::IENCTRJumperClick)
        .Method("IENCTRCheckClick", &TMainForm::IENCTRCheckClick)
        .Build();
    return info;
}

TMainForm::TMainForm(TComponent* owner) : TForm(owner)
{
    RegisterSetupCtrls();
    LoadLayout(kMainFormLayout);
}

void TMainForm::FormCreate(TObject*) { Application->OnIdle = Method(&TSetupSupporter::ApplicationIdle, SetSup); }

void TMainForm::Exit2Click(TObject*) { Close(); }

void TMainForm::EnsureSupportWindows()
{
    if (SetSup->HelpForm)
        return;
    // What the first idle moment would do, now: the supporter unhooks itself and builds.
    bool done = true;
    SetSup->ApplicationIdle(Application, done);
}

void TMainForm::Howtousethisprogram1Click(TObject*)
{
    EnsureSupportWindows();
    SetSup->HelpForm->Show();
}

void TMainForm::TechnicalSupport1Click(TObject*)
{
    EnsureSupportWindows();
    SetSup->TechForm->Show();
}

// A jumper and the check box that shows the same setting.
struct TCouplingPair {
    TTwoJumper* TMainForm::*Jumper;
    TCheckBox* TMainForm::*Check;
};

namespace {
// Each panel's pairs, pair 0 first.
constexpr TCouplingPair kIENDIOPairs[] = {{&TMainForm::IENDIOJumper, &TMainForm::IENDIOCheck}};
constexpr TCouplingPair kCTRPairs[] = {{&TMainForm::CTRJumper0, &TMainForm::CTRCheck0},
                                       {&TMainForm::CTRJumper1, &TMainForm::CTRCheck1},
                                       {&TMainForm::CTRJumper2, &TMainForm::CTRCheck2}};
constexpr TCouplingPair kIENCTRPairs[] = {{&TMainForm::IENCTRJumper0, &TMainForm::IENCTRCheck0},
                                          {&TMainForm::IENCTRJumper1, &TMainForm::IENCTRCheck1},
                                          {&TMainForm::IENCTRJumper2, &TMainForm::IENCTRCheck2}};
}  // namespace

// Setting a check box raises its click event, whose handler copies the boxes back onto the
// jumpers; the values agree by then and setting Closed raises nothing, so the chain ends there.
void TMainForm::CopyJumpersToChecks(TCoupling pairs)
{
    for (const TCouplingPair& pair : pairs)
        (this->*pair.Check)->SetChecked((this->*pair.Jumper)->Closed());
}

void TMainForm::CopyChecksToJumpers(TCoupling pairs)
{
    for (const TCouplingPair& pair : pairs)
        (this->*pair.Jumper)->SetClosed((this->*pair.Check)->Checked());
}

void TMainForm::IENDIOJumperClick(TObject*) { CopyJumpersToChecks(kIENDIOPairs); }
void TMainForm::IENDIOCheckClick(TObject*) { CopyChecksToJumpers(kIENDIOPairs); }
void TMainForm::CTRJumperClick(TObject*) { CopyJumpersToChecks(kCTRPairs); }
void TMainForm::CTRCheckClick(TObject*) { CopyChecksToJumpers(kCTRPairs); }
void TMainForm::IENCTRJumperClick(TObject*) { CopyJumpersToChecks(kIENCTRPairs); }
void TMainForm::IENCTRCheckClick(TObject*) { CopyChecksToJumpers(kIENCTRPairs); }

}  // namespace settings
