#include "BoardTestFixtures.h"
#include "support/Pointer.h"

#include "PopupForm.h"
#include "RadioPanel.h"
#include "TwoJumper.h"

#include "controls/SizeConstraints.h"
#include "forms/Form.h"
#include "forms/Screen.h"
#include "stdctrls/Button.h"
#include "stdctrls/CheckBox.h"
#include "stdctrls/Memo.h"
#include "stdctrls/StatusBar.h"

#include <QWidget>

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

// A main window with a board image laid out at (96, 242) and radio panels beside it, as the
// program's layout has them.
struct TBoardWindow {
    explicit TBoardWindow(int formW = 902, int formH = 766)
    {
        Form = new TForm(&Owner);
        Form->SetBounds(0, 0, formW, formH);
        Board = SolidBoard(&Owner, 662, 266, RGB(0, 96, 0));
        Board->SetParent(Form);
        Board->SetBounds(96, 242, 662, 266);
        Board->SetCenterOnForm(true);
    }

    TRadioPanel* AddPanel(TRect bounds)
    {
        auto* panel = new TRadioPanel(&Owner);
        panel->SetParent(Form);
        panel->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        panel->Lines()->SetItems({"The explanation."});
        auto* jumper = new TTwoJumper(&Owner);
        jumper->SetParent(panel);
        jumper->SetBounds(16, 28, 18, 34);
        jumper->SetOrientation(otLeft);
        return panel;
    }

    TBoardHighlight* AddHighlight(TRect bounds, const std::string& title, TRadioPanel* panel)
    {
        TBoardHighlight* h = testsupport::AddHighlight(Board, bounds, title);
        h->SetCreatePopup(true);
        h->SetRadioPanel(panel);
        return h;
    }

    // Centres the board as the first paint does.
    void PaintBoard()
    {
        TBitmap shot;
        Board->PaintTo(shot);
    }

    void Show()
    {
        Form->ShowForm();
        ASSERT_TRUE(WaitFor([&] { return Form->Handle()->isVisible(); }));
        PaintBoard();
    }

    TComponent Owner{nullptr};
    TForm* Form = nullptr;
    TBoardImage* Board = nullptr;
};

TRect BoundsOf(TForm* popup, const char* name)
{
    auto* c = dynamic_cast<TControl*>(popup->FindComponent(name));
    return c ? c->BoundsRect() : TRect{-1, -1, -1, -1};
}

// The outer size of a window depends on the frame the window system gives it, known once a
// window of that kind has been shown: let one be shown first, as after the program's first popup.
void LearnToolWindowFrame()
{
    TForm tool(nullptr);
    tool.SetBorderStyle(bsSizeToolWin);
    tool.ShowForm();
    QTest::qWait(10);
}

TEST(PopupForm, GeometryFollowsThePanel)
{
    struct Case {
        int PanelW, PanelH;
        int ClientH;
        TRect Status, Previous, Next, Done, Memo;
    };
    const Case cases[] = {
        {209, 65, 174, Bounds(0, 155, 209, 19), Bounds(6, 130, 58, 25), Bounds(75, 130, 58, 25),
         Bounds(145, 130, 58, 25), Bounds(6, 66, 197, 58)},
        {194, 185, 294, Bounds(0, 275, 194, 19), Bounds(6, 250, 58, 25), Bounds(68, 250, 58, 25),
         Bounds(130, 250, 58, 25), Bounds(6, 186, 182, 58)},
    };
    for (const Case& c : cases) {
        TBoardWindow w;
        TRadioPanel* panel = w.AddPanel(Bounds(544, 8, c.PanelW, c.PanelH));
        TBoardHighlight* h = w.AddHighlight(Bounds(348, 21, 17, 25), "DIO &Interrupt Enable", panel);
        w.PaintBoard();
        h->ShowPopup();
        TPopupForm* popup = h->Popup();
        ASSERT_NE(popup, nullptr);
        EXPECT_EQ(popup->ClientWidth(), c.PanelW);
        EXPECT_EQ(popup->ClientHeight(), c.ClientH);
        EXPECT_EQ(BoundsOf(popup, "PopupStatus"), c.Status);
        EXPECT_EQ(BoundsOf(popup, "PreviousButton"), c.Previous);
        EXPECT_EQ(BoundsOf(popup, "NextButton"), c.Next);
        EXPECT_EQ(BoundsOf(popup, "DoneButton"), c.Done);
        EXPECT_EQ(BoundsOf(popup, "StatusMemo"), c.Memo);
        EXPECT_EQ(panel->Parent(), popup);
        EXPECT_EQ(panel->BoundsRect(), Bounds(0, 0, c.PanelW, c.PanelH));
        EXPECT_TRUE(panel->Visible());
        EXPECT_EQ(popup->Caption(), "DIO Interrupt Enable");
        EXPECT_EQ(popup->Tag(), int(htSettings));
        EXPECT_EQ(popup->BorderStyle(), bsSizeToolWin);
        EXPECT_EQ(popup->FormStyle(), fsStayOnTop);
        EXPECT_EQ(popup->Constraints()->MinWidth(), popup->Width());
        EXPECT_EQ(popup->Constraints()->MinHeight(), popup->Height());
        auto* memo = dynamic_cast<TMemo*>(popup->FindComponent("StatusMemo"));
        ASSERT_NE(memo, nullptr);
        EXPECT_EQ(memo->Lines()->Items(), std::vector<std::string>{"The explanation."});
        EXPECT_TRUE(memo->ReadOnly());
        EXPECT_EQ(popup->PopupStatus, popup->FindComponent("PopupStatus"));
    }
}

TEST(PopupForm, ChildrenFollowTheirAnchorsWhenTheWindowGrows)
{
    TBoardWindow w;
    TRadioPanel* panel = w.AddPanel(Bounds(544, 8, 209, 65));
    TBoardHighlight* h = w.AddHighlight(Bounds(348, 21, 17, 25), "A", panel);
    h->ShowPopup();
    TPopupForm* popup = h->Popup();
    popup->SetWidth(popup->Width() + 50);
    popup->SetHeight(popup->Height() + 20);
    EXPECT_EQ(BoundsOf(popup, "PreviousButton"), Bounds(6, 150, 58, 25));
    EXPECT_EQ(BoundsOf(popup, "NextButton"), Bounds(100, 150, 58, 25));
    EXPECT_EQ(BoundsOf(popup, "DoneButton"), Bounds(195, 150, 58, 25));
    EXPECT_EQ(BoundsOf(popup, "StatusMemo"), Bounds(6, 66, 247, 78));
    EXPECT_EQ(BoundsOf(popup, "PopupStatus"), Bounds(0, 175, 259, 19));
    EXPECT_EQ(panel->BoundsRect(), Bounds(0, 0, 209, 65));  // anchored top left
}

TEST(PopupForm, OpensWhereThePanelWasLaidOutMovedWithTheBoard)
{
    TBoardWindow w;  // 902 × 766 centres the 662 × 266 board at (120, 250)
    TRadioPanel* panel = w.AddPanel(Bounds(544, 8, 209, 65));
    TBoardHighlight* withPanel = w.AddHighlight(Bounds(348, 21, 17, 25), "A", panel);
    TBoardHighlight* without = w.AddHighlight(Bounds(449, 17, 17, 25), "B", nullptr);
    w.PaintBoard();
    ASSERT_EQ(w.Board->BoundsRect(), Bounds(120, 250, 662, 266));

    withPanel->ShowPopup();
    EXPECT_EQ(withPanel->Popup()->Left(), 568);
    EXPECT_EQ(withPanel->Popup()->Top(), 16);

    without->ShowPopup();
    TPopupForm* bare = without->Popup();
    EXPECT_EQ(bare->Left(), 120);
    EXPECT_EQ(bare->Top(), 554);
    EXPECT_EQ(bare->Width(), 194);
    EXPECT_EQ(bare->Height(), 141);
    EXPECT_TRUE(dynamic_cast<TMemo*>(bare->FindComponent("StatusMemo"))->Lines()->Items().empty());
}

TEST(PopupForm, StaysOnThePrimaryDisplay)
{
    LearnToolWindowFrame();
    const int sw = Screen->Width();
    struct Case {
        TRect Panel;
        bool RightEdge;  // else: pinned to 0, 0
    };
    for (const Case& c : {Case{Bounds(1250, 8, 209, 65), true}, Case{Bounds(-300, -400, 209, 65), false}}) {
        TBoardWindow w(662, 266);  // the board does not move: it fills its window
        TRadioPanel* panel = w.AddPanel(c.Panel);
        TBoardHighlight* h = w.AddHighlight(Bounds(348, 21, 17, 25), "A", panel);
        w.PaintBoard();
        h->ShowPopup();
        TPopupForm* popup = h->Popup();
        if (c.RightEdge) {
            EXPECT_EQ(popup->Left() + popup->Width(), sw);
            EXPECT_EQ(popup->Top(), 0);  // laid out above the board's top: moved down to 0
        } else {
            EXPECT_EQ(popup->Left(), 0);
            EXPECT_EQ(popup->Top(), 0);
        }
    }
}

// The states of a group's popup window, driven by the real pointer and clicks. The offscreen
// platform finds the window under the pointer by geometry alone, not by stacking order, so the
// popups here open beside the main window rather than over it.
class PopupStates : public ::testing::Test {
protected:
    void SetUp() override
    {
        Panel = W.AddPanel(Bounds(800, 8, 209, 65));
        First = W.AddHighlight(Bounds(348, 21, 17, 25), "DIO &Interrupt Enable", Panel);
        Second = W.AddHighlight(Bounds(549, 18, 17, 25), "DIO &Interrupt Enable", Panel);
        Other = W.AddHighlight(Bounds(81, 4, 48, 25), "Coun&ter Interrupt Enable", W.AddPanel(Bounds(800, 400, 193, 129)));
        W.Show();
        MoveTo(W.Board, {600, 200});
    }

    static void MoveTo(const TControl* control, TPoint local)
    {
        const TPoint p = control->ClientToScreen(local);
        MovePointer(QPoint(p.X, p.Y));
    }
    void Enter(TBoardHighlight* h) { MoveTo(h, {h->Width() / 2, h->Height() / 2}); }
    void ClickOn(TBoardHighlight* h)
    {
        Enter(h);
        const TPoint p = h->ClientToScreen({h->Width() / 2, h->Height() / 2});
        QWidget* surface = W.Board->Handle();
        const QPoint local = surface->mapFromGlobal(QPoint(p.X, p.Y));
        QTest::mouseClick(surface, Qt::LeftButton, Qt::NoModifier, local);
    }
    TPopupForm* Popup() const { return First->Popup() ? First->Popup() : Second->Popup(); }
    bool Shown() const { return Popup() && Popup()->Visible(); }
    bool Pinned() const { return First->Popup() ? First->Pinned() : Second->Pinned(); }

    TBoardWindow W{700, 300};
    TRadioPanel* Panel = nullptr;
    TBoardHighlight* First = nullptr;
    TBoardHighlight* Second = nullptr;
    TBoardHighlight* Other = nullptr;
};

TEST_F(PopupStates, PreviewClosesWhenTheMouseLeavesElsewhere)
{
    Enter(First);
    ASSERT_TRUE(WaitFor([&] { return Shown(); }));
    EXPECT_FALSE(Pinned());
    EXPECT_TRUE(First->Lit() && Second->Lit());
    EXPECT_FALSE(Other->Lit());
    MoveTo(W.Board, {600, 200});
    EXPECT_TRUE(WaitFor([&] { return !Shown(); }));
    EXPECT_FALSE(First->Lit() || Second->Lit());
    EXPECT_FALSE(Popup()->CloseOnLeave());
}

TEST_F(PopupStates, HeldWhileTheMouseIsOnThePopupThenClosesAfterIt)
{
    Enter(First);
    ASSERT_TRUE(WaitFor([&] { return Shown(); }));
    MoveTo(Popup(), {100, 20});
    ASSERT_TRUE(WaitFor([&] { return Pinned() && Popup()->CloseOnLeave(); }));
    EXPECT_TRUE(Shown());
    First->Click();  // a click while held changes nothing
    EXPECT_TRUE(Popup()->CloseOnLeave());
    MoveTo(Popup(), {100, 150});  // onto a child (the buttons' row): still inside
    QTest::qWait(20);
    EXPECT_TRUE(Shown());
    MoveTo(W.Board, {600, 200});
    EXPECT_TRUE(WaitFor([&] { return !Shown(); }));
    EXPECT_FALSE(First->Lit());
}

TEST_F(PopupStates, ClickPinsItUntilDoneAndThenTheSameWindowComesBackUnpinned)
{
    ClickOn(First);
    ASSERT_TRUE(WaitFor([&] { return Shown() && Pinned(); }));
    EXPECT_FALSE(Popup()->CloseOnLeave());
    MoveTo(W.Board, {600, 200});
    QTest::qWait(20);
    EXPECT_TRUE(Shown());
    TPopupForm* before = Popup();

    auto* done = dynamic_cast<TButton*>(before->FindComponent("DoneButton"));
    ASSERT_NE(done, nullptr);
    QTest::mouseClick(done->Handle(), Qt::LeftButton);
    EXPECT_TRUE(WaitFor([&] { return !Shown(); }));
    EXPECT_FALSE(First->Lit() || Second->Lit());

    Enter(Second);
    ASSERT_TRUE(WaitFor([&] { return Shown(); }));
    EXPECT_EQ(Popup(), before);
    EXPECT_FALSE(Pinned());
}

TEST_F(PopupStates, TheCloseBoxHidesAndTheActivePopupSelectsItsGroup)
{
    ClickOn(First);
    ASSERT_TRUE(WaitFor([&] { return Shown(); }));
    EXPECT_TRUE(WaitFor([&] { return First->PopupActive() && Second->PopupActive(); }));
    EXPECT_FALSE(Other->PopupActive());
    Popup()->Close();  // what the close box does
    EXPECT_FALSE(Shown());
    EXPECT_FALSE(First->Lit());
}

TEST_F(PopupStates, AClickOnThePinnedPopupsCircleKeepsTheFocusedControlAndRestoresItIfMinimised)
{
    auto* check = new TCheckBox(&W.Owner);
    check->SetParent(Panel);
    check->SetBounds(56, 32, 145, 17);
    ClickOn(First);
    ASSERT_TRUE(WaitFor([&] { return Shown() && Pinned(); }));
    check->SetFocus();
    ASSERT_TRUE(WaitFor([&] { return check->Focused(); }));

    ClickOn(First);
    EXPECT_EQ(Popup()->ActiveControl(), check);
    EXPECT_TRUE(WaitFor([&] { return check->Focused(); }));

    Popup()->Handle()->showMinimized();  // what the window manager's minimise does
    ASSERT_TRUE(WaitFor([&] { return Popup()->Handle()->isMinimized(); }));
    ClickOn(First);
    EXPECT_TRUE(WaitFor([&] { return !Popup()->Handle()->isMinimized(); }));
    EXPECT_TRUE(WaitFor([&] { return check->Focused(); }));
}

TEST_F(PopupStates, TwoGroupsStayPinnedIndependently)
{
    ClickOn(First);
    ASSERT_TRUE(WaitFor([&] { return Shown(); }));
    ClickOn(Other);
    ASSERT_TRUE(WaitFor([&] { return Other->Popup() && Other->Popup()->Visible(); }));
    EXPECT_TRUE(Shown());
    Other->Popup()->Close();
    EXPECT_TRUE(Shown());
    EXPECT_TRUE(Pinned());
    EXPECT_TRUE(First->Lit());
}

TEST(PopupForm, AFormWithTheGroupsCaptionAndTagKeepsItFromBuildingOne)
{
    TBoardWindow w;
    TBoardHighlight* h = w.AddHighlight(Bounds(348, 21, 17, 25), "&Lookalike", nullptr);
    TForm stranger(nullptr);
    stranger.SetCaption("Lookalike");
    stranger.SetTag(int(htSettings));
    h->ShowPopup();
    EXPECT_EQ(h->Popup(), nullptr);
}

}  // namespace
