// The ring shading's worked values, on a bare bitmap and through a highlight's paint, which
// captures the picture beneath before it shades it.

#include "BoardTestFixtures.h"

#include "RingShading.h"

#include <gtest/gtest.h>

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

const ShadeCase kWorkedValues[] = {
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
    ShadeCase{htSettings, 17, 25, kGrey, TLook::Idle, 0, 12, {128, 128, 128}},
};

// What a look shades with: its kind's strength for it, and a white core for the selected look.
void ShadeAsLook(TBitmap& bitmap, THighlightType type, TLook look)
{
    const THighlightKind& kind = HighlightKind(type);
    switch (look) {
    case TLook::Idle:
        ShadeRing(bitmap, kind.Color, kind.IdleAlpha, false);
        break;
    case TLook::Hover:
        ShadeRing(bitmap, kind.Color, kind.HoverAlpha, false);
        break;
    case TLook::Selected:
        ShadeRing(bitmap, kind.Color, kind.SelectedAlpha, true);
        break;
    }
}

void Fill(TBitmap& bitmap, int w, int h, TColor color)
{
    bitmap.SetSize(w, h);
    bitmap.Canvas().Brush().Color = color;
    bitmap.Canvas().FillRect(Rect(0, 0, w, h));
}

class ShadeRingOnABitmap : public ::testing::TestWithParam<ShadeCase> {};

TEST_P(ShadeRingOnABitmap, GivesTheWorkedPixelValues)
{
    const ShadeCase& c = GetParam();
    TBitmap bitmap;
    Fill(bitmap, c.W, c.H, c.Background);
    ShadeAsLook(bitmap, c.Type, c.Look);
    EXPECT_EQ(PixelAt(bitmap, c.X, c.Y), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, ShadeRingOnABitmap, ::testing::ValuesIn(kWorkedValues));

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

INSTANTIATE_TEST_SUITE_P(WorkedValues, ShadeRingThroughPaint, ::testing::ValuesIn(kWorkedValues));

TEST(RingShading, TooThinABitmapIsLeftAsItIs)
{
    struct Size {
        int W, H;
    };
    for (Size size : {Size{1, 9}, Size{9, 1}, Size{1, 1}, Size{0, 0}}) {
        TBitmap bitmap;
        Fill(bitmap, size.W, size.H, kGrey);
        ShadeRing(bitmap, clYellow, 1.0f, true);
        for (int y = 0; y < size.H; ++y)
            for (int x = 0; x < size.W; ++x)
                ASSERT_EQ(PixelAt(bitmap, x, y), (TRgb{128, 128, 128})) << size.W << "x" << size.H << " at " << x;
    }
}

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

}  // namespace
