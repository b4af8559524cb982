#pragma once
// TSetupSupporter: the program's product-support furniture, built in code at the first idle
// moment: the heading across the main window, the help window (shown by itself about 100 ms
// later) and the technical-support window. A hidden window's timer paces the help window and,
// for cards with analog inputs, the calibration cycle.

#include "CalibGroup.h"

#include "controls/WinApi.h"
#include "core/ClassInfo.h"
#include "core/Component.h"
#include "core/Event.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform {
class TButton;
class TControl;
class TCustomMemo;
class TForm;
class TLabel;
}  // namespace platform

namespace setupctrls {

using namespace platform;

class THelpForm;
class TTechForm;
class TPCIForm;

// The text line for one installed card.
using TPCIEvent = TMethodEvent<std::string(TObject* sender, int cardIndex)>;
// The reading of one channel; the handler sets ItsAllBad when nothing can be read.
using TCalibEvent = TMethodEvent<std::string(TObject* sender, std::uint8_t channel, bool& itsAllBad)>;

class TSetupSupporter : public TComponent {
    PLATFORM_CLASS(TSetupSupporter)
public:
    explicit TSetupSupporter(TComponent* owner);
    ~TSetupSupporter() override;

    // The application's idle event, hooked by the main window's creation handler: unhooks
    // itself, so that it runs once, then builds the windows.
    void ApplicationIdle(TObject* sender, bool& done);
    void BuildWindows();
    // Starts (restarting its period) or stops timer 1: it runs while the help window is pending
    // or the calibration cycle runs. Raises EOutOfResources when no timer is to be had.
    void UpdateTimer();
    // The Close button of the support windows: hides the window that holds the button.
    void CloseButtonClick(TObject* sender);
    // The File-menu entry "Display … Cards Installed": shows the installed-cards window as it was
    // filled at start-up; the driver is not asked again.
    void DisplayPCIClick(TObject* sender);

    // The card name every text uses: CardNameB or CardNameA.
    const std::string& CardName() const { return FUseCardNameB ? FCardNameB : FCardNameA; }

    // The calibration cycle runs: every timer tick without help pending is one calibration pass.
    // Setting a different value starts or stops the timer; setting the same one does nothing.
    bool Calibrating() const { return FCalibrating; }
    void SetCalibrating(bool value);
    // Registers one group of the host's calibration controls by the addresses of the variables
    // that hold them; each pass reads the variables again, and skips a variable that holds no
    // control. The addresses themselves must not be null (std::invalid_argument).
    void AddCalibGroup(TCustomMemo** display, TButton** button, TControl** hideControl);
    const std::vector<TCalibGroup>& CalibGroups() const { return FCalibGroups; }
    // Switches the cycle on: its passes begin at the next tick. The host sets its own buttons to
    // stop the cycle; StopCalibration hands them back as Start buttons.
    void StartCalibration() { SetCalibrating(true); }
    // Switches the cycle off; when ChangeButtons is set, every group's button reads "Start" again
    // and calls OnStartButtonClick.
    void StopCalibration();
    bool HelpPending() const { return FHelpPending; }
    HWND WindowHandle() const { return FWindowHandle; }
    // Called at the start of every calibration pass; setting it restarts a running timer.
    const TNotifyEvent& OnBeginCalib() const { return FOnBeginCalib; }
    void SetOnBeginCalib(const TNotifyEvent& value);

    // Published, in this order.
    const std::string& CompanyName() const { return FCompanyName; }
    void SetCompanyName(const std::string& value) { FCompanyName = value; }
    const std::string& CardNameA() const { return FCardNameA; }
    void SetCardNameA(const std::string& value) { FCardNameA = value; }
    const std::string& CardNameB() const { return FCardNameB; }
    void SetCardNameB(const std::string& value) { FCardNameB = value; }
    bool UseCardNameB() const { return FUseCardNameB; }
    void SetUseCardNameB(bool value) { FUseCardNameB = value; }
    const std::string& CallHow() const { return FCallHow; }
    void SetCallHow(const std::string& value) { FCallHow = value; }
    bool MultiPort() const { return FMultiPort; }
    void SetMultiPort(bool value) { FMultiPort = value; }
    std::uint8_t Channels() const { return FChannels; }
    void SetChannels(std::uint8_t value) { FChannels = value; }
    bool ChangeButtons() const { return FChangeButtons; }
    void SetChangeButtons(bool value) { FChangeButtons = value; }
    bool bSeries() const { return FbSeries; }
    void SetbSeries(bool value) { FbSeries = value; }
    TPCIEvent OnGetCardString;
    TCalibEvent OnGetCalibString;
    // Stored; nothing here calls it.
    TNotifyEvent OnStopButtonClick;
    TNotifyEvent OnStartButtonClick;

    // What BuildWindows made; owned by the application's main window.
    TLabel* HeaderLabel = nullptr;
    TPCIForm* PCIForm = nullptr;
    THelpForm* HelpForm = nullptr;
    TTechForm* TechForm = nullptr;

protected:
    // The hidden window's messages: WM_TIMER runs a tick, the rest go to DefWindowProc.
    void TimerWndProc(TMessage& message);
    void TimerTick();

private:
    // The heading across the main window: the card name and whether it was found.
    std::string HeadingCaption(bool found) const;
    // One tick of the running cycle: asks OnGetCalibString for every channel, shows the
    // readings, and stops the cycle with a warning when no channel could be read.
    void CalibrationPass();
    // "Channel n<TAB>text" into line n of every group's display.
    void ShowChannelText(std::uint8_t channel, const std::string& text);
    // The window everything is built on; an error when the application has none yet.
    TForm& MainWindow() const;
    // Puts the entry that opens the installed-cards window at the top of the main window's
    // "&File" menu; without such a menu, nothing.
    void AddDisplayPCIEntry(TForm& main);
    // Asks the driver how many cards there are and lists the host's line for each in PCIForm;
    // true when at least one line was listed.
    bool ListInstalledCards();

    std::string FCompanyName;
    std::string FCardNameA;
    std::string FCardNameB;
    bool FUseCardNameB = false;
    std::string FCallHow;
    bool FMultiPort = false;
    std::uint8_t FChannels = 8;
    bool FChangeButtons = true;
    bool FbSeries = true;
    bool FHelpPending = false;
    bool FCalibrating = false;
    HWND FWindowHandle = nullptr;
    TNotifyEvent FOnBeginCalib;
    // Set while a tick runs: a modal message box opened inside it runs its own message loop, in
    // which the timer keeps ticking; those ticks must not stack another box on top.
    bool FInTimerTick = false;
    std::vector<TCalibGroup> FCalibGroups;
};

}  // namespace setupctrls
