#include "SetupSupporter.h"

#include "HelpForm.h"
#include "PCIForm.h"
#include "TechForm.h"

#include "LLBRAKMO.h"

#include "core/StringList.h"
#include "forms/Application.h"
#include "forms/Form.h"
#include "graphics/Font.h"
#include "stdctrls/Button.h"
#include "stdctrls/CustomMemo.h"
#include "stdctrls/Label.h"
#include "stdctrls/Memo.h"
#include "stdctrls/Menus.h"

#include <stdexcept>
#include <string>

namespace setupctrls {

namespace {
constexpr std::uintptr_t kTimerId = 1;
constexpr unsigned kTimerInterval = 100;  // ms
constexpr const char* kHeaderFontName = "Tahoma";
constexpr int kHeaderFontSize = 18;

// The calibration cycle's two warnings: on top of everything and in front, since the host's
// windows may well be behind another program while the cycle runs unattended.
constexpr const char* kNoCalibStringText = "Error: calibration begun, but OnGetCalibString isn't assigned.";
constexpr const char* kNoCalibStringTitle = "OnGetCalibString Not Assigned";
constexpr unsigned kNoCalibStringFlags = MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND | MB_TOPMOST;
constexpr const char* kTotalFailureText =
    "Total A/D failure. The card may not be installed, or it may be installed at a different base address.";
constexpr const char* kTotalFailureTitle = "Total A/D failure";
// Cancel is the default: an unattended Enter must not keep a broken cycle going.
constexpr unsigned kTotalFailureFlags =
    MB_RETRYCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON2 | MB_SETFOREGROUND | MB_TOPMOST;
constexpr const char* kStartCaption = "Start";
// The File menu is found by its exact caption, ampersand and case included.
constexpr const char* kFileMenuCaption = "&File";
constexpr const char* kNoCardText = "No Card Found";
// More cards than any PC has slots for. A larger count can only come from a broken driver, and
// asking the host for two billion lines would hang the program at start-up; the list stops here.
constexpr std::int32_t kMaxCards = 256;
}  // namespace

const TClassInfo& TSetupSupporter::StaticClass()
{
    using S = TSetupSupporter;
    static const TClassInfo info = TClassBuilder<S, TComponent>("TSetupSupporter")
        .String("CompanyName", &S::CompanyName, &S::SetCompanyName, std::string())
        .String("CardNameA", &S::CardNameA, &S::SetCardNameA, std::string())
        .String("CardNameB", &S::CardNameB, &S::SetCardNameB, std::string())
        .Boolean("UseCardNameB", &S::UseCardNameB, &S::SetUseCardNameB, false)
        .String("CallHow", &S::CallHow, &S::SetCallHow, std::string())
        .Boolean("MultiPort", &S::MultiPort, &S::SetMultiPort, false)
        .Integer("Channels", &S::Channels, &S::SetChannels, 8)
        // The declared default is False although a new supporter starts True, so a layout that
        // wants True must say so.
        .Boolean("ChangeButtons", &S::ChangeButtons, &S::SetChangeButtons, false)
        .Boolean("bSeries", &S::bSeries, &S::SetbSeries, true)
        .Event("OnBeginCalib", &S::OnBeginCalib, &S::SetOnBeginCalib)
        .Event("OnGetCardString", &S::OnGetCardString)
        .Event("OnGetCalibString", &S::OnGetCalibString)
        .Event("OnStopButtonClick", &S::OnStopButtonClick)
        .Event("OnStartButtonClick", &S::OnStartButtonClick)
        .Build();
    return info;
}

TSetupSupporter::TSetupSupporter(TComponent* owner) : TComponent(owner)
{
    FCalibrating = false;
    FHelpPending = false;
    FWindowHandle = AllocateHWnd(Method(&TSetupSupporter::TimerWndProc, this));
    FUseCardNameB = false;
    FMultiPort = false;
    FChannels = 8;
    FChangeButtons = true;
    FbSeries = true;
}

TSetupSupporter::~TSetupSupporter()
{
    // A supporter destroyed before the first idle moment must not be called by it.
    if (Application->OnIdle.Data() == this)
        Application->OnIdle.Clear();
    FCalibrating = false;
    FHelpPending = false;
    UpdateTimer();  // stops it; cannot fail
    DeallocateHWnd(FWindowHandle);
}

void TSetupSupporter::ApplicationIdle(TObject* sender, bool&)
{
    if (auto* application = dynamic_cast<TApplication*>(sender))
        application->OnIdle.Clear();
    BuildWindows();
}

TForm& TSetupSupporter::MainWindow() const
{
    TForm* main = Application->MainForm();
    if (!main)
        throw std::logic_error("the setup supporter builds its windows on the application's main window, "
                               "and there is none yet");
    return *main;
}

void TSetupSupporter::BuildWindows()
{
    if (IsDesigning())
        return;
    TForm& main = MainWindow();

    HeaderLabel = new TLabel(&main);
    HeaderLabel->SetName("HeaderLabel");
    HeaderLabel->SetAlign(alTop);
    HeaderLabel->SetAlignment(taCenter);
    HeaderLabel->Font()->SetName(kHeaderFontName);
    HeaderLabel->Font()->SetSize(kHeaderFontSize);
    HeaderLabel->Font()->SetStyle(fsBold);
    HeaderLabel->Font()->SetColor(clBlack);
    HeaderLabel->SetParent(&main);

    HelpForm = new THelpForm(&main);
    HelpForm->Build(HelpDocument({FCompanyName, CardName(), FbSeries, FMultiPort, OnGetCardString.Assigned()}));

    TechForm = new TTechForm(&main);
    TechForm->Build(TechSupportText(FCompanyName, FCallHow), Method(&TSetupSupporter::CloseButtonClick, this));

    // Only a host that can describe its cards gets the installed-cards window; without it the
    // driver library is never touched, and the heading does not claim a card is missing.
    bool found = true;
    PCIForm = nullptr;
    if (OnGetCardString.Assigned()) {
        AddDisplayPCIEntry(main);
        PCIForm = new TPCIForm(&main);
        PCIForm->Build(CardName(), Method(&TSetupSupporter::CloseButtonClick, this));
        found = ListInstalledCards();
    }

    HeaderLabel->SetCaption(HeadingCaption(found));
    FHelpPending = true;
    UpdateTimer();
}

void TSetupSupporter::AddDisplayPCIEntry(TForm& main)
{
    TMainMenu* menu = main.Menu();
    if (!menu)
        return;
    TMenuItem* file = nullptr;
    for (int i = 0; i < menu->Items()->Count() && !file; ++i)
        if (menu->Items()->Items(i)->Caption() == kFileMenuCaption)
            file = menu->Items()->Items(i);
    if (!file)
        return;
    auto* entry = new TMenuItem(file);
    entry->SetName("DisplayPCI");
    entry->SetCaption("Display " + CardName() + " Cards Installed");
    entry->OnClick = Method(&TSetupSupporter::DisplayPCIClick, this);
    file->Insert(0, entry);
}

bool TSetupSupporter::ListInstalledCards()
{
    driver::LoadDriverLibrary();
    // A library without GetNumCards (or no library at all) cannot count anything: that is the
    // same as counting none, and the window and heading say no card was found.
    std::int32_t count = driver::GetNumCards ? driver::GetNumCards() : 0;
    if (count > kMaxCards)
        count = kMaxCards;
    TStringList& lines = *PCIForm->PCIMemo->Lines();
    bool found = false;
    if (count > 0) {
        lines.Clear();
        for (int cardIndex = 0; cardIndex < count; ++cardIndex) {
            std::string line = OnGetCardString(this, cardIndex);
            if (!line.empty()) {
                lines.Add(std::move(line));
                found = true;
            }
        }
    }
    if (!found)
        PCIForm->PCIMemo->SetText(kNoCardText);
    return found;
}

void TSetupSupporter::DisplayPCIClick(TObject*)
{
    if (PCIForm)
        PCIForm->ShowForm();
}

std::string TSetupSupporter::HeadingCaption(bool found) const
{
    if (found)
        return CardName() + (FbSeries ? " Series" : "") + " Settings Program";
    return "No " + CardName() + (FbSeries ? " Series Card" : "") + " Found";
}

void TSetupSupporter::UpdateTimer()
{
    KillTimer(FWindowHandle, kTimerId);
    if (!FCalibrating && !FHelpPending)
        return;
    if (SetTimer(FWindowHandle, kTimerId, kTimerInterval, nullptr) == 0)
        throw EOutOfResources("Not enough timers available");
}

void TSetupSupporter::SetCalibrating(bool value)
{
    if (value == FCalibrating)
        return;
    FCalibrating = value;
    UpdateTimer();
}

void TSetupSupporter::AddCalibGroup(TCustomMemo** display, TButton** button, TControl** hideControl)
{
    if (!display || !button || !hideControl)
        throw std::invalid_argument("AddCalibGroup takes the addresses of the host's variables for the display, "
                                    "the button and the control to hide; a variable may hold no control, "
                                    "but its address is needed");
    FCalibGroups.push_back({display, button, hideControl});
}

void TSetupSupporter::StopCalibration()
{
    if (FChangeButtons) {
        for (const TCalibGroup& group : FCalibGroups) {
            if (TButton* button = *group.Button) {
                button->OnClick = OnStartButtonClick;
                button->SetCaption(kStartCaption);
            }
        }
    }
    SetCalibrating(false);
}

void TSetupSupporter::SetOnBeginCalib(const TNotifyEvent& value)
{
    FOnBeginCalib = value;
    UpdateTimer();
}

void TSetupSupporter::TimerWndProc(TMessage& message)
{
    if (message.Msg != WM_TIMER) {
        message.Result = DefWindowProc(FWindowHandle, message.Msg, message.WParam, message.LParam);
        return;
    }
    if (FInTimerTick)
        return;
    FInTimerTick = true;
    try {
        TimerTick();
    } catch (const std::exception& e) {
        // The report may be a modal box; later ticks wait until it is answered.
        Application->HandleException(e);
    }
    FInTimerTick = false;
}

void TSetupSupporter::TimerTick()
{
    if (FHelpPending) {
        HelpForm->ShowForm();
        FHelpPending = false;
        UpdateTimer();
        return;
    }
    CalibrationPass();
}

void TSetupSupporter::CalibrationPass()
{
    if (FOnBeginCalib)
        FOnBeginCalib(this);
    // Each box below switches the cycle off before it opens: a box is modal, and no pass may
    // start while it is up.
    if (!OnGetCalibString) {
        SetCalibrating(false);
        Application->MessageBox(kNoCalibStringText, kNoCalibStringTitle, kNoCalibStringFlags);
        StopCalibration();
        return;
    }
    for (const TCalibGroup& group : FCalibGroups)
        if (TControl* control = *group.HideControl)
            control->Hide();

    // Stays True unless some channel gives a usable reading; the handler only ever clears it.
    bool itsAllBad = true;
    for (unsigned channel = 0; channel < FChannels; ++channel) {
        const auto number = std::uint8_t(channel);
        ShowChannelText(number, OnGetCalibString(this, number, itsAllBad));
    }
    if (!itsAllBad)
        return;  // the timer runs on, and its next tick is the next pass

    SetCalibrating(false);
    if (Application->MessageBox(kTotalFailureText, kTotalFailureTitle, kTotalFailureFlags) == IDRETRY)
        SetCalibrating(true);
    else
        StopCalibration();
}

void TSetupSupporter::ShowChannelText(std::uint8_t channel, const std::string& text)
{
    const std::string line = "Channel " + std::to_string(channel) + '\t' + text;
    // A display with too few lines raises the list's index error, which the tick reports.
    for (const TCalibGroup& group : FCalibGroups)
        if (TCustomMemo* display = *group.Display)
            display->Lines()->Put(channel, line);
}

void TSetupSupporter::CloseButtonClick(TObject* sender)
{
    if (auto* control = dynamic_cast<TControl*>(sender); control && control->Parent())
        control->Parent()->Hide();
}

}  // namespace setupctrls
