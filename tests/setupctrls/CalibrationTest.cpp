// The setup supporter's calibration cycle: the pass, the channel lines in the host's displays,
// the two warnings and their answers, and how the cycle stops.

#include "HelpForm.h"
#include "SetupSupporter.h"
#include "support/Pointer.h"

#include "controls/WinApi.h"
#include "controls/internal/MessageWindow.h"
#include "core/StringList.h"
#include "forms/Application.h"
#include "forms/Form.h"
#include "stdctrls/Button.h"
#include "stdctrls/Label.h"
#include "stdctrls/Memo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace setupctrls;
using testsupport::WaitFor;

constexpr int kGroups = 2;
constexpr int kDisplayLines = 8;
constexpr const char* kTotalFailureText =
    "Total A/D failure. The card may not be installed, or it may be installed at a different base address.";

struct TAskedBox {
    std::string Text;
    std::string Caption;
    unsigned Flags;
};

// A host with two calibration groups (a display of eight empty lines, a button that reads "Stop",
// a label the passes hide) on its main window. Message boxes are answered from Answers, Cancel
// once those run out.
struct TCalibHost {
    TCalibHost()
    {
        Application->CreateForm(Main);
        Supporter = new TSupporterUnderTest(Main);
        for (int g = 0; g < kGroups; ++g) {
            Displays[g] = new TMemo(Main);
            Displays[g]->Lines()->SetItems(std::vector<std::string>(kDisplayLines));
            Buttons[g] = new TButton(Main);
            Buttons[g]->SetCaption("Stop");
            Buttons[g]->OnClick = Method(&TCalibHost::StopClick, this);
            Hidden[g] = new TLabel(Main);
            Hidden[g]->SetVisible(true);
        }
        PreviousHook = Application->SetMessageBoxHook([this](const std::string& text, const std::string& caption,
                                                             unsigned flags) {
            Boxes.push_back({text, caption, flags});
            CalibratingWhileBoxUp.push_back(Supporter->Calibrating());
            if (Answers.empty())
                return IDCANCEL;
            const int answer = Answers.front();
            Answers.erase(Answers.begin());
            return answer;
        });
    }
    ~TCalibHost()
    {
        (void)Application->SetMessageBoxHook(PreviousHook);
        delete Main;
    }

    void RegisterGroups()
    {
        for (int g = 0; g < kGroups; ++g)
            Supporter->AddCalibGroup(&Displays[g], &Buttons[g], &Hidden[g]);
    }
    // The host's handlers, assigned as a host would.
    void AssignHandlers()
    {
        Supporter->OnGetCalibString = Method(&TCalibHost::Reading, this);
        Supporter->SetOnBeginCalib(Method(&TCalibHost::BeginCalib, this));
        Supporter->OnStartButtonClick = Method(&TCalibHost::StartClick, this);
    }
    void Tick()
    {
        TMessage tick{WM_TIMER, 1, 0, 0};
        Supporter->TimerWndProc(tick);
    }
    std::vector<std::string> Lines(int group) const { return Displays[group]->Lines()->Items(); }

    std::string Reading(TObject* sender, std::uint8_t channel, bool& itsAllBad)
    {
        EXPECT_EQ(sender, Supporter);
        EXPECT_TRUE(itsAllBad || !Good.empty()) << "set once before the first channel, cleared only by us";
        Asked.push_back(channel);
        if (Good.count(channel))
            itsAllBad = false;
        return "Text" + std::to_string(channel);
    }
    void BeginCalib(TObject* sender)
    {
        EXPECT_EQ(sender, Supporter);
        ++Begun;
        // Every pass begins before it hides anything.
        VisibleAtBegin = std::all_of(std::begin(Hidden), std::end(Hidden), [](TControl* c) { return !c || c->Visible(); });
    }
    void StartClick(TObject*) {}
    void StopClick(TObject*) {}

    struct TSupporterUnderTest : TSetupSupporter {
        using TSetupSupporter::TSetupSupporter;
        using TSetupSupporter::TimerWndProc;
    };
    TForm* Main = nullptr;
    TSupporterUnderTest* Supporter = nullptr;
    TCustomMemo* Displays[kGroups] = {};
    TButton* Buttons[kGroups] = {};
    TControl* Hidden[kGroups] = {};

    std::set<int> Good;  // channels whose reading is usable
    std::vector<int> Answers;
    std::vector<int> Asked;
    std::vector<TAskedBox> Boxes;
    std::vector<bool> CalibratingWhileBoxUp;
    int Begun = 0;
    bool VisibleAtBegin = false;
    TMessageBoxHook PreviousHook;
};

std::vector<int> Range(int n)
{
    std::vector<int> r(n);
    for (int i = 0; i < n; ++i)
        r[i] = i;
    return r;
}

TEST(Calibration, APassReadsEveryChannelIntoEveryDisplayAndWarnsOnlyWhenNoneIsGood)
{
    struct Case {
        int Channels;
        std::set<int> Good;
        bool Registered;  // the host registered its groups
        bool Warned;
    };
    const Case cases[] = {
        {0, {}, true, true},    // no channel asked: nothing was good
        {8, {}, true, true},
        {8, {5}, true, false},  // one usable reading is enough
        {3, {0}, true, false},  // the lines past the last channel stay as they were
        {8, {}, false, true},   // no groups: asked and warned, nothing hidden, written or reset
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Channels << " channels, " << c.Good.size() << " good, "
                                        << (c.Registered ? "groups" : "no groups"));
        TCalibHost h;
        if (c.Registered)
            h.RegisterGroups();
        h.AssignHandlers();
        h.Good = c.Good;
        h.Supporter->SetChannels(std::uint8_t(c.Channels));
        h.Supporter->StartCalibration();
        const int timers = TMessageWindow::RunningTimers();
        h.Tick();

        EXPECT_EQ(h.Begun, 1);
        EXPECT_EQ(h.Asked, Range(c.Channels)) << "in order, each once";
        for (int g = 0; g < kGroups; ++g) {
            std::vector<std::string> expected(kDisplayLines);
            for (int n = 0; c.Registered && n < c.Channels; ++n)
                expected[n] = "Channel " + std::to_string(n) + "\tText" + std::to_string(n);
            EXPECT_EQ(h.Lines(g), expected) << "group " << g;
            EXPECT_EQ(h.Hidden[g]->Visible(), !c.Registered) << "group " << g;
            EXPECT_EQ(h.Buttons[g]->Caption(), c.Registered && c.Warned ? "Start" : "Stop") << "group " << g;
        }
        if (c.Warned) {
            ASSERT_EQ(h.Boxes.size(), 1u);
            EXPECT_EQ(h.Boxes[0].Text, kTotalFailureText);
            EXPECT_EQ(h.Boxes[0].Caption, "Total A/D failure");
            EXPECT_EQ(h.Boxes[0].Flags, 0x50135u);
            EXPECT_FALSE(h.CalibratingWhileBoxUp[0]) << "no pass may start while the box is up";
            EXPECT_FALSE(h.Supporter->Calibrating()) << "cancelled";
            EXPECT_EQ(TMessageWindow::RunningTimers(), timers - 1) << "the timer stopped";
        } else {
            EXPECT_TRUE(h.Boxes.empty());
            EXPECT_TRUE(h.Supporter->Calibrating()) << "the cycle goes on";
            EXPECT_EQ(TMessageWindow::RunningTimers(), timers);
        }
    }
}

TEST(Calibration, RetryRunsANewPassAndCancelHandsTheButtonsBackWhenAsked)
{
    struct Case {
        bool ChangeButtons;
        bool StartHandler;  // OnStartButtonClick assigned
        const char* Caption;
    };
    const Case cases[] = {
        {true, true, "Start"},
        {true, false, "Start"},  // the buttons then have no handler at all
        {false, true, "Stop"},   // left as the host set them
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "ChangeButtons " << c.ChangeButtons << ", start handler "
                                        << c.StartHandler);
        TCalibHost h;
        h.RegisterGroups();
        h.AssignHandlers();
        if (!c.StartHandler)
            h.Supporter->OnStartButtonClick.Clear();
        h.Supporter->SetChangeButtons(c.ChangeButtons);
        h.Answers = {IDRETRY, IDCANCEL};
        h.Supporter->StartCalibration();

        h.Tick();
        EXPECT_EQ(h.Boxes.size(), 1u);
        EXPECT_TRUE(h.Supporter->Calibrating()) << "Retry runs the cycle on";
        EXPECT_EQ(h.Buttons[0]->Caption(), "Stop") << "not stopped yet";

        h.Tick();
        EXPECT_EQ(h.Begun, 2) << "a new pass";
        EXPECT_EQ(h.Asked.size(), 16u);
        EXPECT_EQ(h.Boxes.size(), 2u);
        EXPECT_FALSE(h.Supporter->Calibrating()) << "Cancel stops it";
        const TNotifyEvent expected = !c.ChangeButtons ? Method(&TCalibHost::StopClick, &h)
                                      : c.StartHandler ? Method(&TCalibHost::StartClick, &h)
                                                       : TNotifyEvent();
        for (int g = 0; g < kGroups; ++g) {
            EXPECT_EQ(h.Buttons[g]->Caption(), c.Caption) << "group " << g;
            EXPECT_TRUE(h.Buttons[g]->OnClick == expected) << "group " << g;
        }
    }
}

TEST(Calibration, WithoutOnGetCalibStringAPassWarnsAndStops)
{
    TCalibHost h;
    h.RegisterGroups();
    h.AssignHandlers();
    h.Supporter->OnGetCalibString.Clear();
    h.Supporter->StartCalibration();
    h.Tick();

    EXPECT_EQ(h.Begun, 1) << "the pass began";
    ASSERT_EQ(h.Boxes.size(), 1u);
    EXPECT_EQ(h.Boxes[0].Text, "Error: calibration begun, but OnGetCalibString isn't assigned.");
    EXPECT_EQ(h.Boxes[0].Caption, "OnGetCalibString Not Assigned");
    EXPECT_EQ(h.Boxes[0].Flags, 0x50030u);
    EXPECT_FALSE(h.CalibratingWhileBoxUp[0]);
    EXPECT_FALSE(h.Supporter->Calibrating());
    for (int g = 0; g < kGroups; ++g) {
        EXPECT_TRUE(h.Hidden[g]->Visible()) << "the pass ended before hiding anything";
        EXPECT_EQ(h.Buttons[g]->Caption(), "Start") << "stopped";
        EXPECT_TRUE(h.Buttons[g]->OnClick == Method(&TCalibHost::StartClick, &h));
    }
}

TEST(Calibration, EveryPassBeginsAndHidesAgain)
{
    TCalibHost h;
    h.RegisterGroups();
    h.AssignHandlers();
    h.Good = {0};
    h.Supporter->StartCalibration();
    for (int pass = 1; pass <= 3; ++pass) {
        for (TControl* control : h.Hidden)
            control->SetVisible(true);  // the host shows them again between passes
        h.Tick();
        EXPECT_EQ(h.Begun, pass);
        EXPECT_TRUE(h.VisibleAtBegin) << "pass " << pass << ": begun before hiding";
        for (TControl* control : h.Hidden)
            EXPECT_FALSE(control->Visible()) << "pass " << pass;
    }
}

TEST(Calibration, GroupsReadTheHostsVariablesAtEveryUse)
{
    TCalibHost h;
    h.RegisterGroups();
    h.AssignHandlers();
    h.Good = {0};
    h.Supporter->SetChannels(1);
    h.Supporter->StartCalibration();

    // The host replaces one display and has not made the other group's controls yet.
    TCustomMemo* replaced = h.Displays[0];
    h.Displays[0] = new TMemo(h.Main);
    h.Displays[0]->Lines()->Add("");
    h.Displays[1] = nullptr;
    h.Buttons[1] = nullptr;
    h.Hidden[1] = nullptr;
    h.Tick();
    EXPECT_EQ(h.Lines(0), std::vector<std::string>{"Channel 0\tText0"}) << "the new display";
    EXPECT_EQ(replaced->Lines()->Items()[0], "") << "not the one it replaced";
    h.Supporter->StopCalibration();
    EXPECT_EQ(h.Buttons[0]->Caption(), "Start");

    TControl* hide = nullptr;
    TButton* button = nullptr;
    EXPECT_THROW(h.Supporter->AddCalibGroup(nullptr, &button, &hide), std::invalid_argument);
    EXPECT_EQ(h.Supporter->CalibGroups().size(), std::size_t(kGroups));
}

TEST(Calibration, ATickWithHelpPendingShowsHelpAndRunsNoPass)
{
    TCalibHost h;
    h.RegisterGroups();
    h.AssignHandlers();
    h.Good = {0};
    h.Supporter->BuildWindows();
    h.Supporter->StartCalibration();
    const int timers = TMessageWindow::RunningTimers();

    h.Tick();
    EXPECT_TRUE(h.Supporter->HelpForm->Visible());
    EXPECT_EQ(h.Begun, 0);
    EXPECT_TRUE(h.Asked.empty());
    EXPECT_TRUE(h.Supporter->Calibrating());
    EXPECT_EQ(TMessageWindow::RunningTimers(), timers) << "kept for the cycle";

    h.Tick();
    EXPECT_EQ(h.Begun, 1) << "the pass follows at the next tick";
}

TEST(Calibration, TheTimerPacesThePassesAndStopsWithTheCycleOrTheSupporter)
{
    TCalibHost h;
    h.RegisterGroups();
    h.AssignHandlers();
    h.Good = {0};
    const int before = TMessageWindow::RunningTimers();
    h.Supporter->StartCalibration();
    h.Supporter->StartCalibration();  // already running: no second timer
    EXPECT_EQ(TMessageWindow::RunningTimers(), before + 1);
    ASSERT_TRUE(WaitFor([&] { return h.Begun >= 2; })) << "passes come by themselves";
    h.Supporter->StopCalibration();
    EXPECT_EQ(TMessageWindow::RunningTimers(), before);

    h.Supporter->StartCalibration();
    EXPECT_EQ(TMessageWindow::RunningTimers(), before + 1);
    delete h.Supporter;
    EXPECT_EQ(TMessageWindow::RunningTimers(), before) << "destruction stopped it";
}

}  // namespace
