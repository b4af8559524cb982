// The setup supporter: its heading, the help and technical-support windows it builds, the idle
// hand-over and the timer that shows the help window.

#include "BoardImage.h"
#include "HelpForm.h"
#include "SetupSupporter.h"
#include "TechForm.h"
#include "support/Pointer.h"

#include "controls/WinApi.h"
#include "controls/internal/MessageWindow.h"
#include "core/StringList.h"
#include "forms/Application.h"
#include "forms/Screen.h"
#include "graphics/Font.h"
#include "stdctrls/Button.h"
#include "stdctrls/Label.h"
#include "stdctrls/Memo.h"
#include "stdctrls/RichEdit.h"

#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace setupctrls;
using testsupport::WaitFor;

// Runs a real event loop, which waits for messages as the program's does (and so raises the idle
// event), until the condition holds; false when it never did.
bool RunLoopUntil(const std::function<bool()>& condition, int timeoutMs = 3000)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (condition())
            loop.quit();
    });
    poll.start(5);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return condition();
}

// A main window of the application with a supporter on it, as the program's layout has them.
struct TSupportedWindow {
    TSupportedWindow()
    {
        Application->CreateForm(Main);
        Supporter = new TSupporterUnderTest(Main);
        Supporter->SetCompanyName("Veltrona");
        Supporter->SetCardNameA("KT-LINE-24F7");
        Supporter->SetCardNameB("KT-LINE24-F7");
        Supporter->SetCallHow("on weekdays from 8 to 5 at (555) 010-2470");
    }
    ~TSupportedWindow() { delete Main; }

    struct TSupporterUnderTest : TSetupSupporter {
        using TSetupSupporter::TSetupSupporter;
        using TSetupSupporter::TimerWndProc;
        std::string Card(TObject*, int) { return "card"; }
    };
    TForm* Main = nullptr;
    TSupporterUnderTest* Supporter = nullptr;
};

TEST(SetupSupporter, HeadingNamesTheCardAsSet)
{
    struct Case {
        bool Series;
        bool UseB;
        const char* Heading;
    };
    const Case cases[] = {
        {true, false, "KT-LINE-24F7 Series Settings Program"},
        {false, false, "KT-LINE-24F7 Settings Program"},
        {true, true, "KT-LINE24-F7 Series Settings Program"},
    };
    for (const Case& c : cases) {
        TSupportedWindow w;
        w.Supporter->SetbSeries(c.Series);
        w.Supporter->SetUseCardNameB(c.UseB);
        w.Supporter->BuildWindows();
        TLabel* heading = w.Supporter->HeaderLabel;
        ASSERT_NE(heading, nullptr);
        EXPECT_EQ(heading->Caption(), c.Heading);
        EXPECT_EQ(heading->Parent(), w.Main);
        EXPECT_EQ(heading->Owner(), w.Main);
        EXPECT_EQ(heading->Name(), "HeaderLabel");
        EXPECT_EQ(heading->Align(), alTop);
        EXPECT_EQ(heading->Width(), w.Main->ClientWidth()) << "spans the window";
        EXPECT_EQ(heading->Font()->Name(), "Tahoma");
        EXPECT_EQ(heading->Font()->Size(), 18);
        EXPECT_EQ(heading->Font()->Style(), fsBold);
        EXPECT_EQ(w.Supporter->PCIForm, nullptr) << "no installed-cards window without OnGetCardString";
    }
}

TEST(SetupSupporter, NewSupporterStartsWithItsValuesAndTimerOff)
{
    TSetupSupporter supporter(nullptr);
    EXPECT_FALSE(supporter.UseCardNameB());
    EXPECT_FALSE(supporter.MultiPort());
    EXPECT_EQ(supporter.Channels(), 8);
    EXPECT_TRUE(supporter.ChangeButtons()) << "starts True, though its declared default is False";
    EXPECT_TRUE(supporter.bSeries());
    EXPECT_FALSE(supporter.HelpPending());
    EXPECT_FALSE(supporter.Calibrating());
    EXPECT_NE(supporter.WindowHandle(), nullptr);
    EXPECT_FALSE(KillTimer(supporter.WindowHandle(), 1)) << "no timer runs";
}

TEST(SetupSupporter, IdleHandlerRunsOnceThenTheHelpWindowShowsByTimer)
{
    TSupportedWindow w;
    Application->OnIdle = Method(&TSetupSupporter::ApplicationIdle, w.Supporter);
    ASSERT_TRUE(RunLoopUntil([&] { return w.Supporter->HelpForm != nullptr; }));
    EXPECT_FALSE(Application->OnIdle.Assigned()) << "unhooked itself";
    THelpForm* help = w.Supporter->HelpForm;
    EXPECT_FALSE(help->Visible()) << "built hidden";
    EXPECT_FALSE(w.Supporter->TechForm->Visible());
    EXPECT_TRUE(w.Supporter->HelpPending());

    ASSERT_TRUE(WaitFor([&] { return help->Visible(); })) << "shown by the timer";
    EXPECT_FALSE(w.Supporter->HelpPending());
    EXPECT_FALSE(KillTimer(w.Supporter->WindowHandle(), 1)) << "the timer stopped after showing it";
    EXPECT_EQ(w.Supporter->HeaderLabel->Caption(), "KT-LINE-24F7 Series Settings Program");
}

TEST(SetupSupporter, ADestroyedSupporterLeavesTheIdleEvent)
{
    auto supporter = std::make_unique<TSetupSupporter>(nullptr);
    Application->OnIdle = Method(&TSetupSupporter::ApplicationIdle, supporter.get());
    supporter.reset();
    EXPECT_FALSE(Application->OnIdle.Assigned()) << "no call into a destroyed supporter";
}

TEST(SetupSupporter, SettingOnBeginCalibRestartsARunningTimerAndStartsNone)
{
    TSupportedWindow w;
    const int before = TMessageWindow::RunningTimers();
    w.Supporter->SetOnBeginCalib(TNotifyEvent());
    EXPECT_EQ(TMessageWindow::RunningTimers(), before) << "no timer starts while nothing is pending";

    w.Supporter->BuildWindows();
    EXPECT_EQ(TMessageWindow::RunningTimers(), before + 1);
    w.Supporter->SetOnBeginCalib(TNotifyEvent());
    EXPECT_EQ(TMessageWindow::RunningTimers(), before + 1) << "restarted, not doubled";
    EXPECT_TRUE(w.Supporter->HelpPending());
}

TEST(SetupSupporter, WithoutTimersTheBuildEndsWithTheOutOfResourcesError)
{
    TSupportedWindow w;
    const int limit = TMessageWindow::TimerLimit();
    TMessageWindow::SetTimerLimit(TMessageWindow::RunningTimers());
    try {
        w.Supporter->BuildWindows();
        ADD_FAILURE() << "no error";
    } catch (const EOutOfResources& e) {
        EXPECT_STREQ(e.what(), "Not enough timers available");
    }
    TMessageWindow::SetTimerLimit(limit);
    EXPECT_NE(w.Supporter->HelpForm, nullptr) << "everything else is in place";
    EXPECT_EQ(w.Supporter->HeaderLabel->Caption(), "KT-LINE-24F7 Series Settings Program");
}

TEST(SetupSupporter, AnErrorInATickReachesTheApplicationsHandlerWhileLaterTicksWait)
{
    // Two errors a tick can raise with the calibration cycle running: the help tick restarting
    // the timer when none is left, and a pass writing channel 1 into a display of one line. Each
    // report waits for the user, as a message box does, and the timer ticks on meanwhile; those
    // ticks must neither report again nor open a box. Every later tick is a pass, which fails
    // each time, so a tick that got through would show here as a second report.
    TSupportedWindow w;
    w.Supporter->BuildWindows();
    TCustomMemo* display = new TMemo(w.Main);
    display->Lines()->Add("");
    TButton* button = nullptr;
    TControl* hide = nullptr;
    w.Supporter->AddCalibGroup(&display, &button, &hide);
    struct TReporter {
        TSupportedWindow::TSupporterUnderTest* Supporter;
        std::vector<std::string> Reports;
        int Boxes = 0;
        void Report(TObject*, const std::exception& e)
        {
            Reports.push_back(e.what());
            if (Reports.size() > 1)
                return;  // a guard that failed: do not recurse without end
            TMessage tick{WM_TIMER, 1, 0, 0};
            Supporter->TimerWndProc(tick);
        }
        std::string Reading(TObject*, std::uint8_t, bool& itsAllBad)
        {
            itsAllBad = false;
            return "ok";
        }
    } reporter{w.Supporter, {}};
    const TMessageBoxHook previous = Application->SetMessageBoxHook([&](const std::string&, const std::string&, unsigned) {
        ++reporter.Boxes;
        return IDCANCEL;
    });
    Application->OnException = Method(&TReporter::Report, &reporter);
    w.Supporter->OnGetCalibString = Method(&TReporter::Reading, &reporter);
    w.Supporter->StartCalibration();
    TMessage tick{WM_TIMER, 1, 0, 0};

    const int limit = TMessageWindow::TimerLimit();
    TMessageWindow::SetTimerLimit(TMessageWindow::RunningTimers() - 1);
    w.Supporter->TimerWndProc(tick);
    TMessageWindow::SetTimerLimit(limit);
    EXPECT_EQ(reporter.Reports, std::vector<std::string>{"Not enough timers available"});
    EXPECT_TRUE(w.Supporter->HelpForm->Visible());
    EXPECT_FALSE(w.Supporter->HelpPending());

    w.Supporter->SetCalibrating(false);
    w.Supporter->StartCalibration();  // the timer back, after the failed restart
    reporter.Reports.clear();
    w.Supporter->TimerWndProc(tick);
    EXPECT_EQ(reporter.Reports, std::vector<std::string>{"List index out of bounds (1)"});
    EXPECT_EQ(display->Lines()->Items(), std::vector<std::string>{"Channel 0\tok"}) << "the pass ended at the error";
    EXPECT_TRUE(w.Supporter->Calibrating()) << "the cycle runs on";
    w.Supporter->TimerWndProc(tick);
    EXPECT_EQ(reporter.Reports.size(), 2u) << "and the next tick tries again";

    Application->OnException.Clear();
    (void)Application->SetMessageBoxHook(previous);
    EXPECT_EQ(reporter.Boxes, 0);
}

TEST(SetupSupporter, OtherMessagesGoToTheDefaultProcedure)
{
    TSupportedWindow w;
    TMessage message{WM_USER, 1, 2, 99};
    w.Supporter->TimerWndProc(message);
    EXPECT_EQ(message.Result, 0);
}

TEST(HelpForm, ScalesWithTheScreenNeverShrinking)
{
    struct Case {
        int ScreenW, ScreenH;
        int ClientW, ClientH;
    };
    const Case cases[] = {
        {800, 600, 305, 138},  {640, 480, 305, 138},   {1024, 768, 390, 177},
        {1280, 1024, 488, 221}, {1920, 1080, 732, 331},
    };
    for (const Case& c : cases) {
        const double s = HelpScale(c.ScreenW, c.ScreenH);
        EXPECT_EQ(std::nearbyint(305 * s), c.ClientW) << c.ScreenW << "x" << c.ScreenH;
        EXPECT_EQ(std::nearbyint(138 * s), c.ClientH) << c.ScreenW << "x" << c.ScreenH;
    }
}

TEST(HelpForm, BuildsItsLayoutAndTextOnThisScreen)
{
    TSupportedWindow w;
    w.Supporter->BuildWindows();
    THelpForm* help = w.Supporter->HelpForm;
    ASSERT_EQ(Screen->Width(), 1280);
    EXPECT_EQ(help->Name(), "HelpForm");
    EXPECT_EQ(help->Owner(), w.Main);
    EXPECT_EQ(help->Caption(), "Instructions for Settings utility");
    EXPECT_EQ(help->FormStyle(), fsStayOnTop);
    EXPECT_EQ(help->Position(), poMainFormCenter);
    EXPECT_EQ(help->ClientWidth(), 488);
    EXPECT_EQ(help->ClientHeight(), 221);
    // Laid out at 305 × 138, then grown: the text box takes the gain, the button stays centred
    // at its distance from the bottom.
    EXPECT_EQ(help->HelpRich->BoundsRect(), Rect(0, 24, 488, 24 + 73 + 221 - 138));
    EXPECT_EQ(help->StartButton->BoundsRect(), Rect(157, 188, 157 + 173, 213));
    EXPECT_EQ(help->HelpLabel->Caption(), "How to use this program");
    EXPECT_EQ(help->HelpLabel->Width(), 488);
    EXPECT_TRUE(help->StartButton->Default());
    EXPECT_TRUE(help->StartButton->Cancel());
    EXPECT_EQ(help->HelpRich->Color(), TColor(0x00DDDDDD));
    EXPECT_TRUE(help->HelpRich->ReadOnly());

    const std::string text = help->HelpRich->Text();
    EXPECT_EQ(text.substr(0, text.find('\n')), "Veltrona KT-LINE-24F7 Series Settings Program");
    EXPECT_NE(text.find("Yellow circles provide information"), std::string::npos);
    EXPECT_EQ(text.find("Note:"), std::string::npos) << "MultiPort is off";
    EXPECT_EQ(text.find("under the File menu"), std::string::npos) << "no installed-cards list";
}

TEST(HelpForm, DocumentHoldsTheOptionalParagraphsOnlyWhenAsked)
{
    struct Case {
        THelpDocumentValues Values;
        const char* Title;
        bool Note;
        bool CardsHint;
    };
    const Case cases[] = {
        {{"Veltrona", "KT-LINE-24F7", true, false, false}, "Veltrona KT-LINE-24F7 Series Settings Program", false, false},
        {{"Veltrona", "KT-LINE-24F7", false, false, false}, "Veltrona KT-LINE-24F7 Settings Program", false, false},
        {{"Veltrona", "KT-LINE-24F7", true, true, true}, "Veltrona KT-LINE-24F7 Series Settings Program", true, true},
    };
    for (const Case& c : cases) {
        const std::string rtf = HelpDocument(c.Values);
        EXPECT_NE(rtf.find(std::string("{\\b ") + c.Title + "}\\par\\par\\fs24\r\n"), std::string::npos) << c.Title;
        EXPECT_EQ(rtf.find("{\\fs32\\b Note:} Make sure to set the jumpers for each option group \\emdash  the") !=
                      std::string::npos,
                  c.Note);
        EXPECT_EQ(rtf.find("click \"Display KT-LINE-24F7 Cards Installed\" under the File menu.") != std::string::npos,
                  c.CardsHint);
        EXPECT_EQ(rtf.back(), '}');
    }
}

TEST(HelpForm, StartHidesItAndOpensTheFirstHighlightOfTheBoard)
{
    TSupportedWindow w;
    struct TBoardProbe : TBoardImage {
        using TBoardImage::TBoardImage;
        void WndProc(TMessage& message) override
        {
            if (message.Msg == WM_SHOWFIRSTHIGHLIGHT)
                ++Shown;
            TBoardImage::WndProc(message);
        }
        int Shown = 0;
    };
    auto* other = new TLabel(w.Main);
    other->SetParent(w.Main);
    auto* board = new TBoardProbe(w.Main);
    board->SetParent(w.Main);
    auto* second = new TBoardProbe(w.Main);
    second->SetParent(w.Main);
    w.Supporter->BuildWindows();
    THelpForm* help = w.Supporter->HelpForm;
    help->ShowForm();
    help->StartButton->Click();
    EXPECT_FALSE(help->Visible());
    EXPECT_EQ(board->Shown, 1) << "the first board image on the main window, derived classes included";
    EXPECT_EQ(second->Shown, 0);
    help->StartButton->Click();  // without a board image's first highlight: nothing more happens
    EXPECT_EQ(board->Shown, 2);
}

TEST(TechForm, HoldsTheSupportTextAboveACentredCloseButton)
{
    TSupportedWindow w;
    w.Supporter->BuildWindows();
    TTechForm* tech = w.Supporter->TechForm;
    EXPECT_EQ(tech->Name(), "TechForm");
    EXPECT_EQ(tech->Caption(), "Technical Support");
    EXPECT_EQ(tech->FormStyle(), fsStayOnTop);
    EXPECT_EQ(tech->Position(), poDefaultPosOnly);
    EXPECT_EQ(tech->ClientWidth(), 305);
    EXPECT_EQ(tech->ClientHeight(), 122);
    EXPECT_EQ(tech->TechMemo->BoundsRect(), Rect(0, 0, 305, 89));
    EXPECT_EQ(tech->CloseButton->BoundsRect(), Rect(116, 97, 116 + 73, 122));
    EXPECT_TRUE(tech->CloseButton->Cancel());

    const TStringList& lines = *tech->TechMemo->Lines();
    ASSERT_EQ(lines.Count(), 3) << "two paragraphs, one empty line between";
    EXPECT_EQ(lines[1], "");
    EXPECT_NE(lines[0].find("and Veltrona stands ready"), std::string::npos);
    EXPECT_NE(lines[0].find("You can call us on weekdays from 8 to 5 at (555) 010-2470 for any"), std::string::npos);
    EXPECT_NE(lines[2].find("have the Veltrona product manual and Software Master CD at hand."), std::string::npos);

    tech->ShowForm();
    tech->CloseButton->Click();
    EXPECT_FALSE(tech->Visible()) << "Close hides the window that holds it";
    tech->ShowForm();
    EXPECT_EQ(tech->TechMemo->Lines()->Count(), 3) << "shown again unchanged";
}

}  // namespace
