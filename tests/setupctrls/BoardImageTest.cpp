#include "BoardTestFixtures.h"

#include "core/Messages.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

// Counts repaint requests.
class TCountingBoard : public TBoardImage {
public:
    using TBoardImage::TBoardImage;
    void Invalidate() override
    {
        ++Invalidations;
        TBoardImage::Invalidate();
    }
    int Invalidations = 0;
};

TEST(BoardImage, StartsAtItsDeclaredState)
{
    TBoardImage board(nullptr);
    EXPECT_EQ(board.Width(), 105);
    EXPECT_EQ(board.Height(), 105);
    EXPECT_DOUBLE_EQ(board.AspectRatio(), 1.0);
    EXPECT_TRUE(board.AutoSize());
    EXPECT_TRUE(board.Scale());
    EXPECT_TRUE(board.CenterOnForm());
    EXPECT_FALSE(board.Stretch());
    EXPECT_FALSE(board.Center());
    EXPECT_FALSE(board.Transparent());
    EXPECT_EQ(board.First(), nullptr);
    EXPECT_EQ(board.Menu(), nullptr);
    // Nothing to cover the control with yet: its background must be erased before it paints.
    EXPECT_FALSE(board.ControlStyle() & csOpaque);
}

TEST(BoardImage, DrawingRectFollowsStretchAndCenter)
{
    struct Case {
        bool Stretch, Center;
        int PictureW, PictureH;
        TRect Expected;
    };
    const Case cases[] = {
        {true, false, 600, 241, Rect(0, 0, 105, 105)},
        {true, true, 30, 20, Rect(0, 0, 105, 105)},
        {false, true, 30, 20, Bounds(37, 42, 30, 20)},
        // Larger than the control: negative offsets, truncated toward zero.
        {false, true, 200, 110, Bounds(-47, -2, 200, 110)},
        {false, false, 30, 20, Rect(0, 0, 30, 20)},
    };
    for (const Case& c : cases) {
        TBoardImage board(nullptr);
        board.SetAutoSize(false);
        board.SetPicture(SolidPicture(c.PictureW, c.PictureH, clBlack).get());
        board.SetStretch(c.Stretch);
        board.SetCenter(c.Center);
        EXPECT_EQ(board.DrawingRect(), c.Expected) << c.Stretch << c.Center << " " << c.PictureW;
    }
}

TEST(BoardImage, PaintCentresOnTheParentsOuterSizeTruncatingTowardZero)
{
    TWinControl parent(nullptr);
    parent.SetBounds(0, 0, 100, 50);
    TBoardImage* board = new TBoardImage(nullptr);
    board->SetParent(&parent);
    board->SetAutoSize(false);
    board->SetBounds(7, 9, 105, 55);
    TBitmap shot;
    board->PaintTo(shot);
    EXPECT_EQ(board->Left(), -2);  // (100 − 105) div 2
    EXPECT_EQ(board->Top(), -2);   // (50 − 55) div 2
    EXPECT_EQ(board->LayoutLeft(), 7);
    EXPECT_EQ(board->LayoutTop(), 9);
}

TEST(BoardImage, LayoutPositionIsRecordedOnceAtTheFirstPaint)
{
    TWinControl parent(nullptr);
    parent.SetBounds(0, 0, 812, 702);
    TBoardImage* board = SolidBoard(&parent, 662, 266, clBlack);
    board->SetParent(&parent);
    board->SetCenterOnForm(true);
    board->SetBounds(96, 242, 662, 266);
    TBitmap shot;
    board->PaintTo(shot);
    EXPECT_EQ(board->Left(), 75);
    EXPECT_EQ(board->Top(), 218);
    board->SetBounds(5, 6, 662, 266);
    parent.SetBounds(0, 0, 1280, 1024);
    board->PaintTo(shot);
    EXPECT_EQ(board->LayoutLeft(), 96);
    EXPECT_EQ(board->LayoutTop(), 242);
    EXPECT_EQ(board->Left(), 309);
    EXPECT_EQ(board->Top(), 379);
}

TEST(BoardImage, EmptyPictureStillCentresAndDrawsNothing)
{
    TWinControl parent(nullptr);
    parent.SetBounds(0, 0, 300, 200);
    TBoardImage* board = new TBoardImage(nullptr);
    board->SetParent(&parent);  // auto-size of an empty picture: 0 × 0
    EXPECT_EQ(board->Width(), 0);
    board->SetAutoSize(false);
    board->SetBounds(0, 0, 100, 100);
    board->SetColor(clWhite);
    board->SetPicture(nullptr);
    EXPECT_FALSE(board->ControlStyle() & csOpaque);
    TBitmap shot;
    board->PaintTo(shot);
    EXPECT_EQ(board->Left(), 100);
    // A control that is not opaque has its background erased before it paints; the board
    // itself draws nothing over it.
    EXPECT_EQ(PixelAt(shot, 50, 50), (TRgb{255, 255, 255}));
    EXPECT_DOUBLE_EQ(board->AspectRatio(), 1.0);
}

TEST(BoardImage, PictureSetsAspectRatioAutoSizeAndOpacity)
{
    TBoardImage board(nullptr);
    board.SetPicture(SolidPicture(600, 241, clBlack).get());
    EXPECT_DOUBLE_EQ(board.AspectRatio(), 241.0 / 600.0);
    EXPECT_EQ(board.Width(), 600);  // AutoSize took the picture's size
    EXPECT_EQ(board.Height(), 241);
    EXPECT_TRUE(board.ControlStyle() & csOpaque);

    board.SetAutoSize(false);
    board.SetBounds(0, 0, 662, 266);
    board.SetPicture(SolidPicture(600, 241, clBlack).get());
    EXPECT_FALSE(board.ControlStyle() & csOpaque);  // natural size leaves a margin uncovered
    board.SetStretch(true);
    EXPECT_TRUE(board.ControlStyle() & csOpaque);
    board.SetTransparent(true);
    EXPECT_FALSE(board.ControlStyle() & csOpaque);
    board.SetPicture(nullptr);
    EXPECT_FALSE(board.ControlStyle() & csOpaque);
    EXPECT_DOUBLE_EQ(board.AspectRatio(), 241.0 / 600.0);  // an empty picture keeps the ratio
}

TEST(BoardImage, ProposeAutoSizeFollowsAlignment)
{
    struct Case {
        TAlign Align;
        int PictureW, PictureH;
        int ExpectW, ExpectH;
    };
    const Case cases[] = {
        {alNone, 30, 20, 30, 20}, {alLeft, 30, 20, 30, 99}, {alRight, 30, 20, 30, 99},
        {alTop, 30, 20, 99, 20}, {alBottom, 30, 20, 99, 20}, {alClient, 30, 20, 99, 99},
        {alNone, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        TBoardImage board(nullptr);
        board.SetAutoSize(false);
        if (c.PictureW)
            board.SetPicture(SolidPicture(c.PictureW, c.PictureH, clBlack).get());
        board.SetAlign(c.Align);
        int w = 99, h = 99;
        EXPECT_TRUE(board.ProposeAutoSize(w, h));
        EXPECT_EQ(w, c.ExpectW) << int(c.Align);
        EXPECT_EQ(h, c.ExpectH) << int(c.Align);
    }
}

TEST(BoardImage, UnchangedSettersDoNotRepaint)
{
    TCountingBoard board(nullptr);
    board.Invalidations = 0;
    board.SetStretch(false);
    board.SetCenter(false);
    board.SetScale(true);
    board.SetTransparent(false);
    EXPECT_EQ(board.Invalidations, 0);
    board.SetStretch(true);
    board.SetCenter(true);
    EXPECT_EQ(board.Invalidations, 2);
}

TEST(BoardImage, ShowFirstHighlightOpensTheFirstOrDoesNothing)
{
    TComponent owner(nullptr);
    TBoardImage* board = SolidBoard(&owner, 100, 100, clBlack);
    EXPECT_EQ(board->Perform(WM_SHOWFIRSTHIGHLIGHT, 0, 0), 0);  // no First: nothing happens

    TBoardHighlight* first = AddHighlight(board, Bounds(0, 0, 17, 25), "a");
    int clicks = 0;
    struct Counter {
        int* N;
        void Clicked(TObject*) { ++*N; }
    } counter{&clicks};
    first->OnClick = Method(&Counter::Clicked, &counter);
    board->SetFirst(first);
    board->Perform(WM_SHOWFIRSTHIGHLIGHT, 0, 0);
    EXPECT_TRUE(first->Lit());
    EXPECT_EQ(clicks, 1);
}

}  // namespace
