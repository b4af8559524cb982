#include "BoardTestFixtures.h"
#include "support/Pointer.h"

#include "forms/Form.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace testsupport;

namespace {

enum class TLook { Idle, Hover, Selected };

struct ShadeCase {
    THighlightType Type;
    int W, H;
    TColor Background;
    TLook Look;
    int X, Y;
    TRgb Expected;
};

void PrintTo(const ShadeCase& c, std::ostream* os)
{
    static const char* const looks[] = {"idle", "hover", "selected"};
    *os << "kind " << int(c.Type) << ", " << c.W << "x" << c.H << ", " << looks[int(c.Look)] << " at (" << c.X
        << ", " << c.Y << ")";
}

class ShadeRingThroughPaint : public ::testing::TestWithParam<ShadeCase> {};

// The rings are rendered at the first paint from the picture beneath and shown by every paint:
// the whole path, capture included, must give the worked pixel values.
TEST_P(ShadeRingThroughPaint, GivesTheWorkedPixelValues)
{
    const ShadeCase& c = GetParam();
    TComponent owner(nullptr);
    TBoardImage* board = SolidBoard(&owner, c.W + 20, c.H + 20, c.Background);
    TBoardHighlight* h = AddHighlight(board, Bounds(10, 10, c.W, c.H), "x", c.Type);
    TBitmap shot;
    board->PaintTo(shot);  // first paint: the looks are rendered here
    if (c.Look != TLook::Idle)
        h->MouseEntered(false);
    if (c.Look == TLook::Selected)
        h->SetPopupActive(true, false);
    board->PaintTo(shot);
    EXPECT_EQ(PixelAt(shot, 10 + c.X, 10 + c.Y), c.Expected);
}

constexpr TColor kGrey = RGB(128, 128, 128);

INSTANTIATE_TEST_SUITE_P(WorkedValues, ShadeRingThroughPaint, ::testing::Values(
    // 65 × 65 settings ring over black: the faint centre, the band's peak, its slope, the corners.
    ShadeCase{htSettings, 65, 65, clBlack, TLook::Idle, 32, 32, {20, 20, 0}},
    ShadeCase{htSettings, 65, 65, clBlack, TLook::Hover, 32, 32, {31, 31, 0}},
    ShadeCase{htSettings, 65, 65, clBlack, TLook::Selected, 32, 32, {41, 41, 0}},
    ShadeCase{htSettings, 65, 65, clBlack, TLook::Idle, 60, 32, {128, 128, 0}},
    ShadeCase{htSettings, 65, 65, clBlack, TLook::Hover, 60, 32, {191, 191, 0}},
    ShadeCase{htSettings, 65, 65, clBlack, TLook::Selected, 60, 32, {255, 255, 255}},
    ShadeCase{htSettings, 65, 65, clBlack, TLook::Idle, 57, 32, {32, 32, 0}},
    ShadeCase{htSettings, 65, 65, clBlack, TLook::Selected, 57, 32, {128, 128, 0}},
    ShadeCase{htSettings, 65, 65, clBlack, TLook::Idle, 0, 0, {0, 0, 0}},
    ShadeCase{htSettings, 65, 65, clBlack, TLook::Selected, 0, 32, {0, 0, 0}},
    ShadeCase{htSettings, 65, 65, clBlack, TLook::Hover, 64, 32, {0, 0, 0}},
    // The other kinds' colours and strengths.
    ShadeCase{htOptions, 65, 65, clBlack, TLook::Idle, 32, 32, {0, 0, 10}},
    ShadeCase{htOptions, 65, 65, clBlack, TLook::Idle, 60, 32, {0, 0, 64}},
    ShadeCase{htCalibration, 65, 65, clBlack, TLook::Idle, 60, 32, {128, 0, 0}},
    // A small ellipse over grey, as the main window's jumpers have.
    ShadeCase{htSettings, 17, 25, kGrey, TLook::Idle, 1, 12, {192, 192, 64}},
    ShadeCase{htSettings, 17, 25, kGrey, TLook::Idle, 8, 12, {138, 138, 118}},
    ShadeCase{htSettings, 17, 25, kGrey, TLook::Idle, 0, 12, {128, 128, 128}}));

TEST(BoardHighlight, TooThinToShadeShowsThePictureUnchanged)
{
    for (TRect bounds : {Bounds(3, 3, 1, 9), Bounds(3, 3, 9, 1), Bounds(3, 3, 1, 1), Bounds(3, 3, 0, 0)}) {
        TComponent owner(nullptr);
        TBoardImage* board = SolidBoard(&owner, 20, 20, kGrey);
        AddHighlight(board, bounds, "x");
        TBitmap shot;
        board->PaintTo(shot);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                ASSERT_EQ(PixelAt(shot, x, y), (TRgb{128, 128, 128})) << "at " << x << "," << y;
    }
}

TEST(BoardHighlight, TitleForms)
{
    struct Case {
        const char* Title;
        const char* Plain;
        const char* Ident;
    };
    const Case cases[] = {
        {"Coun&ter Interrupt Enable", "Counter Interrupt Enable", "CounterInterruptEnable"},
        {"&Counter Configuration", "Counter Configuration", "CounterConfiguration"},
        {"DIO &Interrupt Enable", "DIO Interrupt Enable", "DIOInterruptEnable"},
        {"Salt && Pepper", "Salt  Pepper", "SaltPepper"},
        {"3-way _switch 2", "3-way _switch 2", "way_switch2"},
        {"_private1", "_private1", "_private1"},
        {"", "", ""},
        {"12 & 34!", "12  34!", ""},
    };
    for (const Case& c : cases) {
        TBoardHighlight h(nullptr);
        h.SetTitle(c.Title);
        EXPECT_EQ(h.PlainTitle(), c.Plain) << c.Title;
        EXPECT_EQ(h.TitleIdent(), c.Ident) << c.Title;
    }
}

// Counts repaint requests.
class TCountingHighlight : public TBoardHighlight {
public:
    using TBoardHighlight::TBoardHighlight;
    void Invalidate() override
    {
        ++Invalidations;
        TBoardHighlight::Invalidate();
    }
    int Invalidations = 0;
};

TEST(BoardHighlight, ConstructionLoadsTheSettingsKind)
{
    TBoardHighlight h(nullptr);
    EXPECT_EQ(h.HighlightType(), htSettings);
    EXPECT_EQ(h.Width(), 65);
    EXPECT_EQ(h.Height(), 65);
    EXPECT_TRUE(h.CreatePopup());
    EXPECT_TRUE(h.ControlStyle() & csReplicatable);
    EXPECT_EQ(h.ClassName(), "TBoardHighlight");
}

TEST(BoardHighlight, UnchangedKindOrRepeatedEntryRequestsNoRepaint)
{
    TCountingHighlight h(nullptr);
    h.SetCreatePopup(false);
    h.Invalidations = 0;
    h.SetHighlightType(htSettings);
    EXPECT_EQ(h.Invalidations, 0);
    h.SetHighlightType(htCalibration);
    EXPECT_EQ(h.Invalidations, 1);

    h.MouseEntered(false);
    EXPECT_TRUE(h.Lit());
    const int afterFirst = h.Invalidations;
    h.MouseEntered(false);
    EXPECT_EQ(h.Invalidations, afterFirst);
}

TEST(BoardHighlight, SetPopupActiveMovesTheLinkedHighlightsToTheEnd)
{
    TComponent owner(nullptr);
    TBoardImage* board = SolidBoard(&owner, 200, 100, clBlack);
    std::vector<TBoardHighlight*> hs;
    const char* titles[] = {"a", "L", "b", "L", "c", "d", "L", "e"};
    for (int i = 0; i < 8; ++i) {
        hs.push_back(AddHighlight(board, Bounds(i * 20, 0, 17, 25), titles[i]));
        hs.back()->SetName("H" + std::to_string(i));
    }
    // A same-titled highlight of another kind is not linked.
    hs[2]->SetTitle("L");
    hs[2]->SetHighlightType(htOptions);

    hs[3]->SetPopupActive(true, true);

    std::vector<std::string> order;
    for (int i = 0; i < board->ControlCount(); ++i)
        order.push_back(board->Controls(i)->Name());
    EXPECT_EQ(order, (std::vector<std::string>{"H0", "H2", "H4", "H5", "H7", "H3", "H1", "H6"}));
    for (int i : {1, 3, 6})
        EXPECT_TRUE(hs[i]->PopupActive()) << i;
    for (int i : {0, 2, 4, 5, 7})
        EXPECT_FALSE(hs[i]->PopupActive()) << i;
}

TEST(BoardHighlight, OnlyExactClassesOnABoardImageAreLinked)
{
    TComponent owner(nullptr);
    TBoardImage* board = SolidBoard(&owner, 200, 100, clBlack);
    TBoardHighlight* a = AddHighlight(board, Bounds(0, 0, 17, 25), "T");
    TBoardHighlight* b = AddHighlight(board, Bounds(20, 0, 17, 25), "T");
    auto* counting = new TCountingHighlight(&owner);  // same registered class: linked too
    counting->SetParent(board);
    counting->SetTitle("T");
    EXPECT_EQ(a->LinkedHighlights(), (std::vector<TBoardHighlight*>{a, b, counting}));

    TWinControl plain(nullptr);
    TBoardHighlight loose(nullptr);
    loose.SetParent(&plain);
    loose.SetTitle("T");
    EXPECT_TRUE(loose.LinkedHighlights().empty());
}

// The real pointer on the offscreen platform: entering one circle of a group lights the group.
TEST(BoardHighlight, PointerOverOneCircleLightsItsGroup)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    TBoardImage* board = SolidBoard(&form, 300, 200, kGrey);
    board->SetParent(&form);
    TBoardHighlight* first = AddHighlight(board, Bounds(10, 10, 17, 25), "DIO");
    TBoardHighlight* other = AddHighlight(board, Bounds(100, 10, 48, 25), "Counter");
    TBoardHighlight* second = AddHighlight(board, Bounds(200, 10, 17, 25), "DIO");
    form.ShowForm();
    ASSERT_TRUE(WaitFor([&] { return form.Handle()->isVisible() && first->Prepared(); }));

    const TPoint away = board->ClientToScreen({150, 150});
    MovePointer(QPoint(away.X, away.Y));
    const TPoint target = first->ClientToScreen({8, 12});
    MovePointer(QPoint(target.X, target.Y));
    EXPECT_TRUE(WaitFor([&] { return first->Lit() && second->Lit(); }));
    EXPECT_FALSE(other->Lit());
    // Nothing but the popup's closing puts a lit circle out; leaving leaves it lit.
    MovePointer(QPoint(away.X, away.Y));
    QTest::qWait(20);
    EXPECT_TRUE(first->Lit());
    EXPECT_FALSE(other->Lit());
}

}  // namespace
