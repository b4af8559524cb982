#include "TwoJumper.h"

#include "RadioPanel.h"

#include "controls/CustomPanel.h"
#include "controls/WinApi.h"
#include "controls/WinControl.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace platform {
template <>
const TEnumInfo& EnumInfoOf<setupctrls::TOrientationType>()
{
    static const TEnumInfo info{"TOrientationType", {"otUp", "otDown", "otLeft", "otRight"}};
    return info;
}
}  // namespace platform

namespace setupctrls {

namespace {
constexpr int kDefaultWidth = 34;
constexpr int kDefaultHeight = 18;
// Pin placement along the lying jumper: the pin centres sit about 1/3.5 of the length in from
// each end; a pin's radius is at most a third of that inset and a quarter of the height.
constexpr double kPinInsetDivisor = 3.5;
constexpr int kPinInsetPerRadius = 3;
constexpr double kPinHeightDivisor = 4.0;

// Nearest integer, halves to even (the default rounding mode): H 10 gives a radius of 2, not 3.
int RoundHalfEven(double value) { return int(std::lrint(value)); }

std::uint32_t* PixelRow(TBitmap& bitmap, int y) { return reinterpret_cast<std::uint32_t*>(bitmap.ScanLine(y)); }
const std::uint32_t* PixelRow(const TBitmap& bitmap, int y)
{
    return reinterpret_cast<const std::uint32_t*>(bitmap.ScanLine(y));
}
}  // namespace

const TClassInfo& TTwoJumper::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TTwoJumper, TGraphicControl>("TTwoJumper")
        .Boolean("Closed", &TTwoJumper::Closed, &TTwoJumper::SetClosed, false)
        .Color("BaseColor", &TTwoJumper::BaseColor, &TTwoJumper::SetBaseColor, clGray)
        .Color("PinColor", &TTwoJumper::PinColor, &TTwoJumper::SetPinColor, clYellow)
        .Color("JumperColor", &TTwoJumper::JumperColor, &TTwoJumper::SetJumperColor, clMaroon)
        .Enum("Orientation", &TTwoJumper::Orientation, &TTwoJumper::SetOrientation, otUp)
        .Enum("BorderStyle", &TTwoJumper::BorderStyle, &TTwoJumper::SetBorderStyle, bsSingle)
        .Publish({"OnClick", "Align", "Anchors", "Enabled", "Constraints", "ParentShowHint", "ShowHint", "Visible",
                  "OnMouseDown", "OnMouseMove", "OnMouseUp"})
        .Build();
    return info;
}

TTwoJumper::TTwoJumper(TComponent* owner)
    : TGraphicControl(owner),
      FOrientedBitmap(std::make_unique<TBitmap>()),
      FUprightBitmap(std::make_unique<TBitmap>())
{
    SetBounds(Left(), Top(), kDefaultWidth, kDefaultHeight);
    SetControlStyle(ControlStyle() | csReplicatable);
}

TTwoJumper::~TTwoJumper() = default;

void TTwoJumper::SetClosed(bool value)
{
    if (value == FClosed)
        return;
    FClosed = value;
    Invalidate();
}

void TTwoJumper::SetBaseColor(TColor value)
{
    if (value == FBaseColor)
        return;
    FBaseColor = value;
    Invalidate();
}

void TTwoJumper::SetPinColor(TColor value)
{
    if (value == FPinColor)
        return;
    FPinColor = value;
    Invalidate();
}

void TTwoJumper::SetJumperColor(TColor value)
{
    if (value == FJumperColor)
        return;
    FJumperColor = value;
    Invalidate();
}

void TTwoJumper::SetOrientation(TOrientationType value)
{
    if (value == FOrientation)
        return;
    // The size follows at the next paint, which alone knows whether the jumper was shown with
    // the old size (a real turn) or a layout is still setting the turned size up.
    if (IsStanding(value) != IsStanding(FOrientation))
        FSwapPending = true;
    FOrientation = value;
    Invalidate();
}

void TTwoJumper::SetBorderStyle(TBorderStyle value)
{
    if (value == FBorderStyle)
        return;
    FBorderStyle = value;
    Invalidate();
}

void TTwoJumper::Click()
{
    TWinControl* parent = Parent();
    if (IsExactly<TRadioPanel>(parent) && static_cast<TRadioPanel*>(parent)->RadioEnabled()) {
        // Not turned over here: the panel closes this jumper and opens the others, and as it
        // compares with the states from before the click, it reports a change exactly when the
        // selection moved (not when the closed one is clicked again, but when an all-open group
        // gets its first).
        Invalidate();
        static_cast<TRadioPanel*>(parent)->SelectJumper(this);
    } else {
        FClosed = !FClosed;
        Invalidate();
    }
    TGraphicControl::Click();
}

void TTwoJumper::DrawUpright(int w, int h)
{
    TCanvas& c = FUprightBitmap->Canvas();
    const TPen savedPen = c.Pen();
    const TBrush savedBrush = c.Brush();

    // The corners the rounded base leaves uncovered show what surrounds the jumper.
    const TColor background = IsExactly<TRadioPanel>(Parent()) ? Parent()->Color() : clBtnFace;
    c.Brush().Style = bsSolid;
    c.Brush().Color = background;
    c.Pen().Color = background;
    c.Pen().Style = psSolid;
    c.Rectangle(0, 0, w, h);

    const bool outlined = FBorderStyle == bsSingle;
    if (FClosed) {
        // The shunt covers the whole base.
        c.Brush().Color = FJumperColor;
        c.Pen().Color = outlined ? clBlack : FJumperColor;
        c.Rectangle(0, 0, w, h);
    } else {
        c.Brush().Color = FBaseColor;
        c.Pen().Color = outlined ? clBlack : FBaseColor;
        c.RoundRect(1, 1, w - 1, h - 1, h / 2, h / 2);
    }

    // The pins show in both states, so a closed jumper still reads as a pair of pins.
    c.Pen().Style = psClear;
    c.Brush().Color = FPinColor;
    const int inset = RoundHalfEven(w / kPinInsetDivisor);
    const int cx = inset + 1;
    const int r = std::min(inset / kPinInsetPerRadius, RoundHalfEven(h / kPinHeightDivisor));
    const int cy = h / 2;
    c.Ellipse(cx - r, cy - r, cx + r, cy + r);
    c.Ellipse(w - cx - r, cy - r, w - cx + r, cy + r);

    c.SetPen(savedPen);
    c.SetBrush(savedBrush);
}

void TTwoJumper::Paint()
{
    // The jumper is drawn lying and facing up, then turned: one drawing serves all four ways.
    const bool standing = IsStanding(FOrientation);
    const int w = standing ? Height() : Width();
    const int h = standing ? Width() : Height();
    FUprightBitmap->SetSize(w, h);
    DrawUpright(w, h);
    OrientBitmap(*FUprightBitmap, FOrientation, *FOrientedBitmap);

    if (FSwapPending) {
        FSwapPending = false;
        // Before the first paint the size came from a layout that stored it turned already.
        if (FPainted) {
            const int oldWidth = Width(), oldHeight = Height();
            SetWidth(oldHeight);
            SetHeight(oldWidth);
        }
    }
    BitBlt(&Canvas(), 0, 0, Width(), Height(), &FOrientedBitmap->Canvas(), 0, 0, SRCCOPY);
    FPainted = true;
}

void OrientBitmap(const TBitmap& upright, TOrientationType orientation, TBitmap& oriented)
{
    const int w = upright.Width(), h = upright.Height();
    switch (orientation) {
    case otUp:
        oriented.SetSize(w, h);
        for (int y = 0; y < h; ++y)
            std::memcpy(PixelRow(oriented, y), PixelRow(upright, y), std::size_t(w) * sizeof(std::uint32_t));
        break;
    case otDown:
        oriented.SetSize(w, h);
        for (int x = 0; x < w; ++x)
            for (int y = 0; y < h; ++y)
                PixelRow(oriented, h - 1 - y)[w - 1 - x] = PixelRow(upright, y)[x];
        break;
    case otLeft:
        oriented.SetSize(h, w);
        for (int x = 0; x < w; ++x)
            for (int y = 0; y < h; ++y)
                PixelRow(oriented, w - 1 - x)[y] = PixelRow(upright, y)[x];
        break;
    case otRight:
        oriented.SetSize(h, w);
        for (int x = 0; x < w; ++x)
            for (int y = 0; y < h; ++y)
                PixelRow(oriented, x)[h - 1 - y] = PixelRow(upright, y)[x];
        break;
    }
}

}  // namespace setupctrls
