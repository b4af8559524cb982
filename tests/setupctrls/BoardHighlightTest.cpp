#include "BoardTestFixtures.h"
#include "support/Pointer.h"

#include "forms/Form.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace testsupport;

namespace {

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
