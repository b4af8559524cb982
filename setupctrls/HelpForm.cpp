#include "HelpForm.h"

#include "BoardImage.h"

#include "core/StringList.h"
#include "forms/Application.h"
#include "forms/Screen.h"
#include "graphics/Font.h"
#include "stdctrls/Button.h"
#include "stdctrls/Label.h"
#include "stdctrls/RichEdit.h"

#include <algorithm>
#include <cmath>

namespace setupctrls {

namespace {
constexpr const char* kCaption = "Instructions for Settings utility";
constexpr const char* kHeading = "How to use this program";
constexpr const char* kHeadingFontName = "Verdana";
constexpr int kHeadingFontSize = 12;
constexpr TRect kRichBounds{0, 24, 305, 24 + 73};
constexpr TColor kRichColor = 0x00DDDDDD;
constexpr int kButtonTop = 105;
constexpr int kButtonWidth = 173;
constexpr int kButtonHeight = 25;
constexpr int kBottomMargin = 8;
// The window is laid out for an 800 × 450 screen and grows with larger ones.
constexpr double kDesignScreenWidth = 800;
constexpr double kDesignScreenHeight = 450;
constexpr const char* kCrLf = "\r\n";
}  // namespace

std::string HelpDocument(const THelpDocumentValues& v)
{
    std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 Verdana;}}"
        "{\\colortbl\\red64\\green64\\blue64;\\red255\\green255\\blue64;\\red64\\green64\\blue255;"
        "\\red255\\green64\\blue64;}\\viewkind4\\uc1\\pard\\f0\\fs32\\cf0";
    rtf += kCrLf;
    rtf += "{\\b " + v.CompanyName + " " + v.CardName + (v.Series ? " Series" : "") +
           " Settings Program}\\par\\par\\fs24" + kCrLf;
    rtf += "This program will help you configure the option jumpers and settings associated with this "
           "product. You should have the product in-hand when first using this program.\\par\\par";
    rtf += kCrLf;
    rtf += "{\\cf1\\fs24\\b Yellow circles} provide information on configuring jumpers and switches.\\par\\par";
    rtf += kCrLf;
    rtf += "{\\cf2\\fs24\\b Blue circles} are informational only. They provide information on standard and "
           "optional features of the product family.\\par\\par";
    rtf += kCrLf;
    rtf += "{\\cf3\\fs24\\b Red circles} handle calibration and types of configuration that require actually "
           "controlling the hardware device. Run this settings program again once the card is installed. ";
    rtf += "Repeat the {\\cf1 setup circles} (using the same settings) to configure this program, then perform "
           "the {\\cf3 calibration circles}.\\par\\par";
    rtf += kCrLf;
    rtf += "Mouse over the highlight circles to see configuration or information popups for {\\cf1 setup}, "
           "{\\cf2 features}, and {\\cf3 calibration}. Click a highlight circle to make its popup remain "
           "on-screen. ";
    rtf += "You can have all or as many of these popups onscreen at the same time as you desire.\\par\\par";
    rtf += kCrLf;
    if (v.MultiPort) {
        rtf += "{\\fs32\\b Note:} Make sure to set the jumpers for each option group \\emdash  the configuration "
               "options for each port are handled identically; ";
        rtf += "this program only shows the setup once, but you need to perform this setup for each group of "
               "options on your device.\\par\\par";
        rtf += kCrLf;
    }
    if (v.CardsListed) {
        rtf += "To see a list of " + v.CardName + " cards installed, click \"Display " + v.CardName +
               " Cards Installed\" under the File menu.\\par\\par";
        rtf += kCrLf;
    }
    rtf += "}";
    return rtf;
}

const TClassInfo& THelpForm::StaticClass()
{
    static const TClassInfo info = TClassBuilder<THelpForm, TForm>("THelpForm")
        .Field("HelpRich", &THelpForm::HelpRich)
        .Field("HelpLabel", &THelpForm::HelpLabel)
        .Field("StartButton", &THelpForm::StartButton)
        .Method("StartButtonClick", &THelpForm::StartButtonClick)
        .Build();
    return info;
}

THelpForm::THelpForm(TComponent* owner) : TForm(owner) {}

void THelpForm::Build(const std::string& document)
{
    SetName("HelpForm");
    SetCaption(kCaption);
    SetFormStyle(fsStayOnTop);
    SetPosition(poMainFormCenter);

    HelpLabel = new TLabel(this);
    HelpLabel->SetName("HelpLabel");
    HelpLabel->SetAlign(alTop);
    HelpLabel->SetAlignment(taCenter);
    HelpLabel->SetCaption(kHeading);
    HelpLabel->Font()->SetName(kHeadingFontName);
    HelpLabel->Font()->SetSize(kHeadingFontSize);
    HelpLabel->Font()->SetStyle(fsBold);
    HelpLabel->SetParent(this);

    HelpRich = new TRichEdit(this);
    HelpRich->SetName("HelpRich");
    HelpRich->SetBounds(kRichBounds.Left, kRichBounds.Top, kRichBounds.Width(), kRichBounds.Height());
    HelpRich->SetReadOnly(true);
    HelpRich->SetScrollBars(ssVertical);
    HelpRich->SetParent(this);
    HelpRich->SetColor(kRichColor);
    HelpRich->Lines()->SetText(document);

    StartButton = new TButton(this);
    StartButton->SetName("StartButton");
    StartButton->SetDefault(true);
    StartButton->SetBounds(0, kButtonTop, kButtonWidth, kButtonHeight);
    StartButton->SetCancel(true);
    StartButton->SetCaption("Start");
    StartButton->SetTabOrder(0);
    StartButton->OnClick = Method(&THelpForm::StartButtonClick, this);
    StartButton->SetParent(this);

    SetClientWidth(HelpRich->Width());
    // The children's bounding box becomes the client area.
    SetAutoSize(true);
    SetAutoSize(false);
    SetClientHeight(ClientHeight() + kBottomMargin);
    HelpRich->SetAnchors({akLeft, akTop, akRight, akBottom});
    StartButton->SetLeft((ClientWidth() - StartButton->Width()) / 2);
    StartButton->SetAnchors({akBottom});
    ScaleToScreen();
}

double HelpScale(int screenWidth, int screenHeight)
{
    return std::max(std::min(screenHeight / kDesignScreenHeight, screenWidth / kDesignScreenWidth), 1.0);
}

void THelpForm::ScaleToScreen()
{
    const double s = HelpScale(Screen->Width(), Screen->Height());
    // Nearest, halves to even: the default rounding mode.
    SetClientWidth(int(std::nearbyint(ClientWidth() * s)));
    SetClientHeight(int(std::nearbyint(ClientHeight() * s)));
}

void THelpForm::StartButtonClick(TObject*)
{
    Hide();
    TForm* main = Application->MainForm();
    if (!main)
        return;
    for (int i = 0; i < main->ControlCount(); ++i) {
        TControl* control = main->Controls(i);
        if (control->InheritsFrom("TBoardImage")) {
            control->Perform(WM_SHOWFIRSTHIGHLIGHT, 0, 0);
            return;
        }
    }
}

}  // namespace setupctrls
