#include "BoardTestFixtures.h"

#include "RadioPanel.h"
#include "SetupCtrls.h"
#include "TwoJumper.h"

#include "forms/Form.h"
#include "layout/LayoutReader.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace testsupport;

namespace {

TRgb RgbOf(TColor color)
{
    const TColor c = ColorToRGB(color);
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

// Stands for "whatever surrounds the jumper" in the probes: the radio panel's colour, else the
// button face.
constexpr TColor kSurround = clNone;
constexpr int kMargin = 2;

struct TProbe {
    int X, Y;
    TColor Expected;
};

struct LookCase {
    const char* Name;
    TOrientationType Orientation;
    int W, H;
    bool Closed = false;
    TBorderStyle Border = bsSingle;
    bool Enabled = true;
    // The parent: a radio panel of this colour, or (clNone) a plain window in white.
    TColor PanelColor = clBtnFace;
    std::vector<TProbe> Probes;
    // No pixel of the jumper may show the pin colour.
    bool NoPins = false;
};

void PrintTo(const LookCase& c, std::ostream* os) { *os << c.Name; }

class JumperLook : public ::testing::TestWithParam<LookCase> {};

// Through the parent's real paint: the off-screen drawing, the turn and the copy to the screen.
TEST_P(JumperLook, ShowsTheDrawnJumper)
{
    const LookCase& c = GetParam();
    TComponent owner(nullptr);
    const bool inPanel = c.PanelColor != clNone;
    TWinControl* parent = inPanel ? new TRadioPanel(&owner) : new TWinControl(&owner);
    parent->SetColor(inPanel ? c.PanelColor : clWhite);
    parent->SetBounds(0, 0, c.W + 2 * kMargin, c.H + 2 * kMargin);
    auto* jumper = new TTwoJumper(&owner);
    jumper->SetParent(parent);
    jumper->SetOrientation(c.Orientation);
    jumper->SetBounds(kMargin, kMargin, c.W, c.H);
    jumper->SetClosed(c.Closed);
    jumper->SetBorderStyle(c.Border);
    jumper->SetEnabled(c.Enabled);

    TBitmap shot;
    parent->PaintTo(shot);
    ASSERT_EQ(jumper->Width(), c.W);
    ASSERT_EQ(jumper->Height(), c.H);

    const TRgb surround = RgbOf(inPanel ? c.PanelColor : clBtnFace);
    for (const TProbe& p : c.Probes)
        EXPECT_EQ(PixelAt(shot, kMargin + p.X, kMargin + p.Y), p.Expected == kSurround ? surround : RgbOf(p.Expected))
            << "at " << p.X << "," << p.Y;
    if (c.NoPins) {
        for (int y = 0; y < c.H; ++y)
            for (int x = 0; x < c.W; ++x)
                ASSERT_NE(PixelAt(shot, kMargin + x, kMargin + y), RgbOf(clYellow)) << "at " << x << "," << y;
    }
}

// The default jumper: base (1,1)-(33,17) with 9 × 9 corners, pins (8,6)-(14,12) and (20,6)-(26,12).
const std::vector<TProbe> kOpenDefault = {
    {0, 0, kSurround}, {1, 1, kSurround}, {0, 9, kSurround}, {16, 17, kSurround},  // around the rounded base
    {16, 1, clBlack}, {1, 9, clBlack}, {32, 9, clBlack}, {16, 16, clBlack},       // its outline
    {5, 9, clGray}, {16, 9, clGray},                                               // its face
    {11, 9, clYellow}, {8, 9, clYellow}, {13, 9, clYellow}, {10, 6, clYellow}, {23, 9, clYellow},
    {7, 9, clGray}, {14, 9, clGray}, {11, 5, clGray}, {11, 12, clGray}, {8, 6, clGray},
    {19, 9, clGray}, {26, 9, clGray}};

// The same jumper standing (otLeft, 18 × 34): pins (6,20)-(12,26) and (6,8)-(12,14).
const std::vector<TProbe> kStanding = {
    {0, 0, kSurround}, {1, 1, kSurround}, {1, 17, clBlack}, {9, 1, clBlack}, {9, 32, clBlack},
    {9, 23, clYellow}, {6, 23, clYellow}, {11, 23, clYellow}, {9, 11, clYellow},
    {5, 23, clGray}, {12, 23, clGray}, {9, 19, clGray}, {9, 26, clGray},
    {5, 11, clGray}, {12, 11, clGray}, {9, 7, clGray}, {9, 14, clGray}};

INSTANTIATE_TEST_SUITE_P(Looks, JumperLook, ::testing::Values(
    LookCase{"OpenDefault", otUp, 34, 18, false, bsSingle, true, clBtnFace, kOpenDefault},
    LookCase{"DisabledLooksTheSame", otUp, 34, 18, false, bsSingle, false, clBtnFace, kOpenDefault},
    LookCase{"FacingDown", otDown, 34, 18, false, bsSingle, true, clBtnFace, kOpenDefault},
    LookCase{"Closed", otUp, 34, 18, true, bsSingle, true, clBtnFace,
             {{0, 0, clBlack}, {33, 0, clBlack}, {33, 17, clBlack}, {0, 9, clBlack}, {1, 1, clMaroon},
              {16, 9, clMaroon}, {7, 9, clMaroon}, {14, 9, clMaroon}, {32, 16, clMaroon},
              {11, 9, clYellow}, {23, 9, clYellow}}},
    LookCase{"OpenBorderless", otUp, 34, 18, false, bsNone, true, clBtnFace,
             {{0, 0, kSurround}, {1, 1, kSurround}, {16, 1, clGray}, {1, 9, clGray}, {32, 9, clGray},
              {11, 9, clYellow}}},
    LookCase{"ClosedBorderless", otUp, 34, 18, true, bsNone, true, clBtnFace,
             {{0, 0, clMaroon}, {33, 17, clMaroon}, {0, 9, clMaroon}, {11, 9, clYellow}}},
    // Only a radio panel lends its colour to the corners; elsewhere they are button face.
    LookCase{"InColouredPanel", otUp, 34, 18, false, bsSingle, true, clSilver,
             {{0, 0, kSurround}, {1, 1, kSurround}, {16, 1, clBlack}}},
    LookCase{"InPlainWindow", otUp, 34, 18, false, bsSingle, true, clNone,
             {{0, 0, kSurround}, {1, 1, kSurround}, {-1, 0, clWhite}, {34, 17, clWhite}, {16, 1, clBlack}}},
    LookCase{"StandingLeft", otLeft, 18, 34, false, bsSingle, true, clBtnFace, kStanding},
    LookCase{"StandingRight", otRight, 18, 34, false, bsSingle, true, clBtnFace, kStanding},
    // Long and flat: the inset is 20, the radius min(6, 2.5 → 2): pins (19,3)-(23,7) and (47,3)-(51,7).
    LookCase{"LongAndFlat", otUp, 70, 10, false, bsSingle, true, clBtnFace,
             {{19, 5, clYellow}, {22, 5, clYellow}, {20, 3, clYellow}, {47, 5, clYellow}, {50, 5, clYellow},
              {18, 5, clGray}, {23, 5, clGray}, {21, 2, clGray}, {19, 3, clGray}, {46, 5, clGray},
              {51, 5, clGray}}},
    // The smallest sizes with pins (radius 1), and the largest without.
    LookCase{"Width9HasPins", otUp, 9, 18, false, bsSingle, true, clBtnFace, {{3, 8, clYellow}, {5, 9, clYellow}}},
    LookCase{"Height3HasPins", otUp, 34, 3, false, bsSingle, true, clBtnFace, {{11, 1, clYellow}}},
    LookCase{"Width8HasNoPins", otUp, 8, 18, false, bsSingle, true, clBtnFace, {{4, 9, clGray}}, true},
    LookCase{"Height2HasNoPins", otUp, 34, 2, true, bsSingle, true, clBtnFace, {{11, 1, clBlack}}, true},
    LookCase{"StandingWidth8HasNoPins", otLeft, 18, 8, true, bsSingle, true, clBtnFace, {{9, 4, clMaroon}}, true}),
    [](const ::testing::TestParamInfo<LookCase>& info) { return std::string(info.param.Name); });

// The turns on a picture with every pixel distinct; the jumper's own picture is too symmetric to
// tell a turn from its mirror image.
TEST(TwoJumper, OrientBitmapTurnsThePicture)
{
    // 3 × 2:  a b c
    //         d e f
    TBitmap upright;
    upright.SetSize(3, 2);
    const TColor a = RGB(1, 0, 0), b = RGB(2, 0, 0), c = RGB(3, 0, 0), d = RGB(4, 0, 0), e = RGB(5, 0, 0),
                 f = RGB(6, 0, 0);
    const TColor pixels[2][3] = {{a, b, c}, {d, e, f}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            upright.Canvas().SetPixel(x, y, pixels[y][x]);

    struct Case {
        TOrientationType Orientation;
        std::vector<std::vector<TColor>> Rows;
    };
    const Case cases[] = {
        {otUp, {{a, b, c}, {d, e, f}}},
        {otDown, {{f, e, d}, {c, b, a}}},
        {otLeft, {{c, f}, {b, e}, {a, d}}},   // turned a quarter anticlockwise
        {otRight, {{d, a}, {e, b}, {f, c}}},  // turned a quarter clockwise
    };
    for (const Case& k : cases) {
        TBitmap oriented;
        oriented.SetSize(7, 7);
        OrientBitmap(upright, k.Orientation, oriented);
        const int rows = int(k.Rows.size()), cols = int(k.Rows[0].size());
        ASSERT_EQ(oriented.Height(), rows) << int(k.Orientation);
        ASSERT_EQ(oriented.Width(), cols) << int(k.Orientation);
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < cols; ++x)
                EXPECT_EQ(oriented.Canvas().Pixel(x, y), k.Rows[y][x]) << int(k.Orientation) << " at " << x << "," << y;
    }
}

TEST(TwoJumper, StartsOpenLyingAtItsDeclaredSize)
{
    TTwoJumper j(nullptr);
    EXPECT_EQ(j.Width(), 34);
    EXPECT_EQ(j.Height(), 18);
    EXPECT_EQ(j.Orientation(), otUp);
    EXPECT_FALSE(j.Closed());
    EXPECT_FALSE(j.SwapPending());
    EXPECT_FALSE(j.Painted());
    EXPECT_EQ(j.BaseColor(), clGray);
    EXPECT_EQ(j.PinColor(), clYellow);
    EXPECT_EQ(j.JumperColor(), clMaroon);
    EXPECT_EQ(j.BorderStyle(), bsSingle);
    EXPECT_TRUE(j.ControlStyle() & csReplicatable);
}

TEST(TwoJumper, TurningAPaintedJumperSwapsItsSizeAtTheNextPaint)
{
    struct Case {
        TOrientationType From, To;
        int W, H;
    };
    const Case cases[] = {
        {otUp, otLeft, 18, 34}, {otUp, otRight, 18, 34}, {otUp, otDown, 34, 18},
        {otLeft, otRight, 34, 18}, {otLeft, otUp, 18, 34}};
    for (const Case& c : cases) {
        TComponent owner(nullptr);
        auto* panel = new TRadioPanel(&owner);
        auto* j = new TTwoJumper(&owner);
        j->SetParent(panel);
        j->SetOrientation(c.From);  // before the first paint: the size stays
        TBitmap shot;
        panel->PaintTo(shot);
        ASSERT_EQ(j->Width(), 34);
        j->SetOrientation(c.To);
        EXPECT_EQ(j->Width(), 34) << "no swap before the paint";
        panel->PaintTo(shot);
        EXPECT_EQ(j->Width(), c.W) << int(c.From) << "->" << int(c.To);
        EXPECT_EQ(j->Height(), c.H) << int(c.From) << "->" << int(c.To);
        EXPECT_FALSE(j->SwapPending());
    }
}

TEST(TwoJumper, TurnedSizeFromALayoutIsKept)
{
    RegisterSetupCtrls();
    TForm form(nullptr);
    ReadLayout(form, R"(object Form1: TForm
  Width = 200
  Height = 100
  object Jumper1: TTwoJumper
    Left = 8
    Top = 8
    Width = 18
    Height = 34
    Orientation = otLeft
    Closed = True
  end
end)", "test.layout", [](const std::string&) -> std::vector<std::uint8_t> { throw std::runtime_error("none"); });
    auto* j = dynamic_cast<TTwoJumper*>(form.FindComponent("Jumper1"));
    ASSERT_NE(j, nullptr);
    EXPECT_TRUE(j->SwapPending());
    TBitmap shot;
    form.PaintTo(shot);
    EXPECT_FALSE(j->SwapPending());
    EXPECT_EQ(j->Width(), 18);
    EXPECT_EQ(j->Height(), 34);
    // Standing: the pins one above the other.
    EXPECT_EQ(PixelAt(shot, 8 + 9, 8 + 23), RgbOf(clYellow));
    EXPECT_EQ(PixelAt(shot, 8 + 9, 8 + 11), RgbOf(clYellow));
}

// Counts repaint requests.
class TCountingJumper : public TTwoJumper {
public:
    using TTwoJumper::TTwoJumper;
    void Invalidate() override
    {
        ++Invalidations;
        TTwoJumper::Invalidate();
    }
    int Invalidations = 0;
};

class TClickRecorder {
public:
    void Clicked(TObject* sender) { States.push_back(static_cast<TTwoJumper*>(sender)->Closed()); }
    std::vector<bool> States;
};

TEST(TwoJumper, ClickTogglesThenFiresOnClick)
{
    TCountingJumper j(nullptr);
    TClickRecorder recorder;
    j.OnClick = Method(&TClickRecorder::Clicked, &recorder);
    j.Click();
    EXPECT_TRUE(j.Closed());
    EXPECT_EQ(j.Invalidations, 1);
    j.Click();
    EXPECT_FALSE(j.Closed());
    EXPECT_EQ(recorder.States, (std::vector<bool>{true, false}));
}

TEST(TwoJumper, SettersRepaintOnlyOnChange)
{
    struct Case {
        const char* Name;
        std::function<void(TTwoJumper&)> Same, Different;
    };
    const Case cases[] = {
        {"Closed", [](TTwoJumper& j) { j.SetClosed(false); }, [](TTwoJumper& j) { j.SetClosed(true); }},
        {"BaseColor", [](TTwoJumper& j) { j.SetBaseColor(clGray); }, [](TTwoJumper& j) { j.SetBaseColor(clRed); }},
        {"PinColor", [](TTwoJumper& j) { j.SetPinColor(clYellow); }, [](TTwoJumper& j) { j.SetPinColor(clRed); }},
        {"JumperColor", [](TTwoJumper& j) { j.SetJumperColor(clMaroon); },
         [](TTwoJumper& j) { j.SetJumperColor(clRed); }},
        {"BorderStyle", [](TTwoJumper& j) { j.SetBorderStyle(bsSingle); },
         [](TTwoJumper& j) { j.SetBorderStyle(bsNone); }},
        {"Orientation", [](TTwoJumper& j) { j.SetOrientation(otUp); },
         [](TTwoJumper& j) { j.SetOrientation(otDown); }},
    };
    for (const Case& c : cases) {
        TCountingJumper j(nullptr);
        c.Same(j);
        EXPECT_EQ(j.Invalidations, 0) << c.Name;
        EXPECT_FALSE(j.SwapPending()) << c.Name;
        c.Different(j);
        EXPECT_EQ(j.Invalidations, 1) << c.Name;
    }
}

}  // namespace
