#include "MainForm.h"
#include "support/Pointer.h"

#include "BoardHighlight.h"
#include "BoardImage.h"
#include "HelpForm.h"
#include "RadioPanel.h"
#include "SetupSupporter.h"
#include "TechForm.h"
#include "TwoJumper.h"

#include "forms/Application.h"
#include "forms/Screen.h"
#include "graphics/Bitmap.h"
#include "graphics/Font.h"
#include "graphics/internal/JpegDecoder.h"
#include "graphics/JPEGImage.h"
#include "graphics/Picture.h"
#include "stdctrls/CheckBox.h"
#include "stdctrls/Label.h"
#include "stdctrls/Menus.h"

#include <QAbstractButton>
#include <QFile>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace settings;

namespace {

TEST(MainForm, LayoutBuildsTheWindowBoardAndMenu)
{
    TMainForm form(nullptr);
    EXPECT_EQ(form.Caption(), "Setup");
    EXPECT_EQ(form.Color(), clWhite);
    EXPECT_EQ(form.WindowState(), wsMaximized);
    EXPECT_EQ(form.Align(), alClient);
    EXPECT_EQ(form.Font()->Height(), -11);
    EXPECT_EQ(form.Font()->Name(), "MS Sans Serif");
    EXPECT_EQ(form.Menu(), form.MainMenu1);

    TBoardImage* board = form.BoardImage1;
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(form.Controls(0), board);
    EXPECT_EQ(board->BoundsRect(), Bounds(96, 242, 662, 266));
    EXPECT_EQ(board->First(), form.IENCTRHighlight);
    EXPECT_EQ(board->Menu(), form.MainMenu1);
    EXPECT_FALSE(board->AutoSize());
    EXPECT_TRUE(board->Stretch());
    EXPECT_TRUE(board->CenterOnForm());
    EXPECT_EQ(board->Picture()->Width(), 600);
    EXPECT_EQ(board->Picture()->Height(), 241);
    EXPECT_TRUE(board->ControlStyle() & csOpaque);

    struct Expect {
        TBoardHighlight* Highlight;
        TRect Bounds;
        const char* Title;
    };
    const Expect highlights[] = {
        {form.IENCTRHighlight, Bounds(81, 4, 48, 25), "Coun&ter Interrupt Enable"},
        {form.IEN0Highlight, Bounds(348, 21, 17, 25), "DIO &Interrupt Enable"},
        {form.IEN1Highlight, Bounds(449, 17, 17, 25), "DIO &Interrupt Enable"},
        {form.IEN3Highlight, Bounds(640, 17, 17, 25), "DIO &Interrupt Enable"},
        {form.BoardHighlight1, Bounds(115, 47, 17, 49), "&Counter Configuration"},
        {form.BoardHighlight2, Bounds(115, 97, 17, 50), "&Counter Configuration"},
        {form.BoardHighlight3, Bounds(115, 148, 17, 50), "&Counter Configuration"},
        {form.IEN2Highlight, Bounds(549, 18, 17, 25), "DIO &Interrupt Enable"},
    };
    ASSERT_EQ(board->ControlCount(), 8);
    for (int i = 0; i < 8; ++i) {
        const Expect& e = highlights[i];
        ASSERT_NE(e.Highlight, nullptr) << i;
        EXPECT_EQ(board->Controls(i), e.Highlight) << i;
        EXPECT_EQ(e.Highlight->BoundsRect(), e.Bounds) << i;
        EXPECT_EQ(e.Highlight->Title(), e.Title) << i;
        EXPECT_EQ(e.Highlight->HighlightType(), htSettings) << i;
        EXPECT_TRUE(e.Highlight->CreatePopup()) << i;
    }
    EXPECT_EQ(form.IEN0Highlight->LinkedHighlights().size(), 4u);
    EXPECT_EQ(form.BoardHighlight2->LinkedHighlights().size(), 3u);
    EXPECT_EQ(form.IENCTRHighlight->LinkedHighlights().size(), 1u);

    TMenuItem* bar = form.MainMenu1->Items();
    ASSERT_EQ(bar->Count(), 2);
    EXPECT_EQ(bar->Items(0)->Caption(), "&File");
    EXPECT_EQ(bar->Items(1)->Caption(), "&Help");
    ASSERT_EQ(form.File1->Count(), 1);
    EXPECT_EQ(form.Exit2->Caption(), "&Exit");
    EXPECT_TRUE(form.Exit2->OnClick.Assigned());
    EXPECT_EQ(form.Howtousethisprogram1->Caption(), "H&ow to use this program");
    EXPECT_EQ(form.TechnicalSupport1->Caption(), "&Technical Support");
}

TEST(MainForm, SupporterIsTheLastChildAndTakesTheFirstIdleMoment)
{
    TMainForm* form = nullptr;
    Application->CreateForm(form);
    std::unique_ptr<TMainForm> owned(form);
    TSetupSupporter* sup = form->SetSup;
    ASSERT_NE(sup, nullptr);
    EXPECT_EQ(form->Components(form->ComponentCount() - 1), sup) << "created last";
    EXPECT_EQ(sup->CompanyName(), "Veltrona");
    EXPECT_EQ(sup->CardNameA(), "KT-LINE-24F7");
    EXPECT_EQ(sup->CardNameB(), "KT-LINE24-F7");
    EXPECT_FALSE(sup->CallHow().empty());
    EXPECT_TRUE(sup->ChangeButtons());
    EXPECT_FALSE(sup->UseCardNameB());
    EXPECT_FALSE(sup->MultiPort());
    EXPECT_EQ(sup->Channels(), 8);
    EXPECT_TRUE(sup->bSeries());
    EXPECT_FALSE(sup->OnGetCardString.Assigned()) << "the driver library is never needed";
    EXPECT_EQ(Application->OnIdle, Method(&TSetupSupporter::ApplicationIdle, sup)) << "hooked by FormCreate";
    EXPECT_EQ(sup->HelpForm, nullptr) << "nothing built before the first idle moment";
    Application->OnIdle.Clear();
    sup->BuildWindows();
    EXPECT_EQ(sup->PCIForm, nullptr) << "no installed-cards window";
    EXPECT_EQ(form->File1->Count(), 1) << "File holds only Exit";
}

TEST(MainForm, HelpCommandsShowTheSupportWindowsEvenBeforeTheFirstIdleMoment)
{
    TMainForm* form = nullptr;
    Application->CreateForm(form);
    std::unique_ptr<TMainForm> owned(form);
    TSetupSupporter* sup = form->SetSup;
    form->TechnicalSupport1->Click();
    ASSERT_NE(sup->TechForm, nullptr) << "built at once";
    EXPECT_TRUE(sup->TechForm->Visible());
    EXPECT_FALSE(Application->OnIdle.Assigned()) << "and the idle hand-over is done with";
    EXPECT_EQ(sup->HeaderLabel->Caption(), "KT-LINE-24F7 Series Settings Program");

    THelpForm* help = sup->HelpForm;
    form->Howtousethisprogram1->Click();
    EXPECT_TRUE(help->Visible());
    const int width = help->ClientWidth();
    help->Close();
    EXPECT_FALSE(help->Visible()) << "closing hides it";
    form->Howtousethisprogram1->Click();
    EXPECT_TRUE(help->Visible());
    EXPECT_EQ(sup->HelpForm, help) << "the same window again, not a new one";
    EXPECT_EQ(help->ClientWidth(), width);
}

TEST(MainForm, TheFirstPaintCentresTheBoardAndPreparesEveryCircle)
{
    TMainForm form(nullptr);
    TBitmap shot;
    form.PaintTo(shot);
    TBoardImage* board = form.BoardImage1;
    EXPECT_EQ(board->LayoutLeft(), 96);
    EXPECT_EQ(board->LayoutTop(), 242);
    EXPECT_EQ(board->Left(), (form.Width() - 662) / 2);
    EXPECT_EQ(board->Top(), (form.Height() - 266) / 2);
    for (int i = 0; i < board->ControlCount(); ++i)
        EXPECT_TRUE(static_cast<TBoardHighlight*>(board->Controls(i))->Prepared()) << i;
}

TEST(MainForm, OpensMaximisedAndRestoresToItsDesignedBounds)
{
    // Outer bounds come out exact once the frame of a window of this kind is known; where the
    // window manager cannot be asked beforehand (as here), a window shown first tells it.
    {
        TForm first(nullptr);
        first.ShowForm();
        ASSERT_TRUE(testsupport::WaitFor([&] { return first.Handle()->isVisible(); }));
    }
    TMainForm form(nullptr);
    form.ShowForm();
    ASSERT_TRUE(testsupport::WaitFor([&] { return form.Handle()->isMaximized(); }));
    form.SetWindowState(wsNormal);
    ASSERT_TRUE(testsupport::WaitFor([&] { return !form.Handle()->isMaximized(); }));
    // The layout's normal size, not the work area it fills maximised, and all of it on the
    // screen. (Where the window lands can differ from 177, 89 by the frame's left and top edges:
    // the window system places it.)
    EXPECT_TRUE(testsupport::WaitFor([&] { return form.Width() == 812 && form.Height() == 702; }))
        << form.Width() << "x" << form.Height();
    const TRect area = Screen->WorkAreaRect();
    EXPECT_TRUE(form.Left() >= area.Left && form.Top() >= area.Top && form.Left() + form.Width() <= area.Right &&
                form.Top() + form.Height() <= area.Bottom)
        << form.Left() << "," << form.Top();
}

struct TPair {
    TTwoJumper* Jumper;
    TCheckBox* Check;
};

std::vector<TPair> Pairs(TMainForm& f)
{
    return {{f.IENDIOJumper, f.IENDIOCheck}, {f.CTRJumper0, f.CTRCheck0}, {f.CTRJumper1, f.CTRCheck1},
            {f.CTRJumper2, f.CTRCheck2}, {f.IENCTRJumper0, f.IENCTRCheck0}, {f.IENCTRJumper1, f.IENCTRCheck1},
            {f.IENCTRJumper2, f.IENCTRCheck2}};
}

// What the user sees: the jumper of each pair, closed or open.
std::vector<bool> ClosedStates(TMainForm& f)
{
    std::vector<bool> closed;
    for (const TPair& p : Pairs(f)) {
        EXPECT_EQ(p.Jumper->Closed(), p.Check->Checked()) << p.Jumper->Name() << " and " << p.Check->Name();
        closed.push_back(p.Jumper->Closed());
    }
    return closed;
}

void UserClicks(TCheckBox* box) { static_cast<QAbstractButton*>(box->Handle())->click(); }

TEST(MainForm, RadioPanelsStayHiddenOnTheMainWindow)
{
    TMainForm form(nullptr);
    for (TRadioPanel* panel : {form.IENCTRPanel, form.IENDIOPanel, form.CTRPanel}) {
        EXPECT_EQ(panel->Parent(), &form);
        EXPECT_FALSE(panel->Visible()) << panel->Name();
    }
    EXPECT_EQ(form.IENDIOPanel->BoundsRect(), Bounds(544, 8, 209, 65));
    EXPECT_EQ(form.IEN0Highlight->RadioPanel(), form.IENDIOPanel);
    EXPECT_EQ(form.IEN2Highlight->RadioPanel(), form.IENDIOPanel);
    EXPECT_EQ(form.BoardHighlight3->RadioPanel(), form.CTRPanel);
    EXPECT_EQ(form.IENCTRHighlight->RadioPanel(), form.IENCTRPanel);
    EXPECT_EQ(form.CTRPanel->Lines()->Count(), 7);
    EXPECT_EQ((*form.CTRPanel->Lines())[4],
              "CLKx2 - connects the output of Counter 1 to the input of Counter 2, so that Counters 1 & 2 "
              "are cascaded to make a single \"32-bit\" counter.");
    EXPECT_EQ((*form.CTRPanel->Lines())[5], "");
    EXPECT_EQ(form.IENDIOJumper->Orientation(), otLeft);
    EXPECT_EQ(form.IENDIOJumper->Width(), 18);
    EXPECT_EQ(form.IENDIOJumper->Height(), 34);
}

TEST(MainForm, JumpersAndCheckBoxesFollowEachOther)
{
    // Closed states in pair order: DIO, CTR0..2, IENCTR0..2.
    using S = std::vector<bool>;
    struct Step {
        const char* What;
        std::function<void(TMainForm&)> Act;
        S Expected;
    };
    const Step steps[] = {
        {"start", [](TMainForm&) {}, S{false, true, true, true, false, false, false}},
        {"click CTRJumper1", [](TMainForm& f) { f.CTRJumper1->Click(); }, S{false, true, false, true, false, false, false}},
        {"click IENCTRCheck2", [](TMainForm& f) { UserClicks(f.IENCTRCheck2); }, S{false, true, false, true, false, false, true}},
        {"click IENDIOJumper", [](TMainForm& f) { f.IENDIOJumper->Click(); }, S{true, true, false, true, false, false, true}},
        {"click IENDIOCheck", [](TMainForm& f) { UserClicks(f.IENDIOCheck); }, S{false, true, false, true, false, false, true}},
        {"click CTRCheck1", [](TMainForm& f) { UserClicks(f.CTRCheck1); }, S{false, true, true, true, false, false, true}},
        {"click IENCTRJumper0", [](TMainForm& f) { f.IENCTRJumper0->Click(); }, S{false, true, true, true, true, false, true}},
    };
    TMainForm form(nullptr);
    for (const Step& step : steps) {
        step.Act(form);
        EXPECT_EQ(ClosedStates(form), step.Expected) << step.What;
    }
}

TEST(MainForm, EmbeddedPhotographDecodesAndDamagedCopiesRaise)
{
    QFile file(":/app/assets/card.jpg");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
    TPicture picture;
    picture.LoadFromData(data);
    EXPECT_EQ(picture.Width(), 600);
    EXPECT_EQ(picture.Height(), 241);

    std::vector<std::uint8_t> truncated(data.begin(), data.begin() + long(data.size() / 2));
    EXPECT_THROW(picture.LoadFromData(truncated), EJPEGError);
    std::vector<std::uint8_t> corrupt = data;
    for (std::size_t i = data.size() / 3; i < data.size() / 3 + 64; ++i)
        corrupt[i] = 0xFF;
    EXPECT_THROW(picture.LoadFromData(corrupt), EJPEGError);
    EXPECT_THROW(picture.LoadFromData({'G', 'I', 'F', '8'}), EInvalidGraphic);
    EXPECT_EQ(picture.Width(), 600);  // a failed load leaves the picture as it was
}

}  // namespace
