#include "BoardHighlight.h"

#include "BoardImage.h"
#include "PopupForm.h"

#include "platform/WinApi.h"
#include "platform/WinControl.h"

#include <algorithm>
#include <cmath>

namespace platform {
template <>
const TEnumInfo& EnumInfoOf<setupctrls::THighlightType>()
{
    static const TEnumInfo info{"THighlightType", {"htOptions", "htSettings", "htCalibration"}};
    return info;
}
}  // namespace platform

namespace setupctrls {

namespace {
constexpr int kDefaultSize = 65;
// Ring geometry in the unit circle of the bitmap: the tint inside, the band's peak, its slope.
constexpr float kInnerRadiusSquared = 0.5929f;  // 0.77²
constexpr float kInnerWeight = 0.16f;
constexpr float kBandPeak = 0.875f;
constexpr float kBandSlope = 8.0f;

const THighlightKind kKinds[] = {
    {clBlue, 0.25f, 0.5f, 1.0f, "&Options"},
    {clYellow, 0.5f, 0.75f, 1.0f, "&Settings"},
    {clRed, 0.5f, 0.75f, 1.0f, "&Calibration"},
};

bool IsBoardImage(const TControl* control) { return control && control->ClassName() == "TBoardImage"; }

std::uint8_t Blend(std::uint8_t pixel, std::uint8_t color, float a, float b)
{
    const float value = float(pixel) * b + float(color) * a;
    // Nearest integer, halves to even (the default rounding mode).
    return std::uint8_t(std::clamp(std::lrintf(value), 0L, 255L));
}

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

const THighlightKind& HighlightKind(THighlightType type) { return kKinds[std::min<int>(type, 2)]; }

std::string PlainTitleOf(const std::string& title)
{
    std::string plain;
    for (char c : title)
        if (c != '&')
            plain += c;
    return plain;
}

std::string TitleIdentOf(const std::string& title)
{
    std::size_t start = 0;
    while (start < title.size() && !IsAsciiLetter(title[start]) && title[start] != '_')
        ++start;
    std::string ident;
    for (std::size_t i = start; i < title.size(); ++i) {
        char c = title[i];
        if (IsAsciiLetter(c) || IsAsciiDigit(c) || c == '_')
            ident += c;
    }
    return ident;
}

const TClassInfo& TBoardHighlight::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TBoardHighlight, TGraphicControl>("TBoardHighlight")
        .Boolean("CreatePopup", &TBoardHighlight::CreatePopup, &TBoardHighlight::SetCreatePopup, true)
        .Enum("HighlightType", &TBoardHighlight::HighlightType, &TBoardHighlight::SetHighlightType, htSettings)
        .String("Title", &TBoardHighlight::Title, &TBoardHighlight::SetTitle, std::string())
        .Publish({"Align", "Anchors", "Enabled", "Constraints", "ParentShowHint", "ShowHint", "Visible",
                  "OnClick", "OnMouseDown", "OnMouseMove", "OnMouseUp"})
        .Build();
    return info;
}

TBoardHighlight::TBoardHighlight(TComponent* owner)
    : TGraphicControl(owner),
      FIdleBitmap(std::make_unique<TBitmap>()),
      FSelectedBitmap(std::make_unique<TBitmap>()),
      FHoverBitmap(std::make_unique<TBitmap>())
{
    SetControlStyle(ControlStyle() | csReplicatable);
    SetBounds(Left(), Top(), kDefaultSize, kDefaultSize);
    FLit = false;
    FPrepared = false;
    FCreatePopup = true;
    // The kind starts at its first value, so this runs in full and loads the colours.
    SetHighlightType(htSettings);
}

TBoardHighlight::~TBoardHighlight() = default;

void TBoardHighlight::SetHighlightType(THighlightType value)
{
    if (value == FHighlightType)
        return;
    FHighlightType = value;
    const THighlightKind& kind = HighlightKind(value);
    FColor = kind.Color;
    FIdleAlpha = kind.IdleAlpha;
    FSelectedAlpha = kind.SelectedAlpha;
    FHoverAlpha = kind.HoverAlpha;
    Invalidate();
}

void TBoardHighlight::SetTitle(const std::string& value)
{
    if (value == FTitle)
        return;
    FTitle = value;
    FPlainTitle = PlainTitleOf(value);
    FTitleIdent = TitleIdentOf(value);
}

void TBoardHighlight::ShadeRing(TBitmap& bitmap, TColor color, float alpha, bool whiteCore)
{
    const int w = bitmap.Width(), h = bitmap.Height();
    // The ring is scaled to the bitmap; below 2 pixels on a side there is no ring to scale
    // (the step would divide by zero), and the bitmap keeps the picture beneath unshaded.
    if (w < 2 || h < 2)
        return;
    const std::uint8_t cr = GetRValue(color), cg = GetGValue(color), cb = GetBValue(color);
    const float sx = 2.0f / float(w - 1);
    const float sy = 2.0f / float(h - 1);
    for (int y = 0; y < h; ++y) {
        std::uint8_t* px = bitmap.ScanLine(y);
        const float v = float(y) * sy - 1.0f;
        for (int x = 0; x < w; ++x, px += 4) {
            const float u = float(x) * sx - 1.0f;
            const float uu = u * u;
            const float vv = v * v;
            const float d = uu + vv;
            if (d >= 1.0f)
                continue;
            float weight;
            if (d < kInnerRadiusSquared) {
                weight = kInnerWeight;
            } else {
                weight = 1.0f - kBandSlope * std::fabs(std::sqrt(d) - kBandPeak);
                if (whiteCore) {
                    weight = 2.0f * weight;
                    if (weight > 1.0f) {
                        px[0] = px[1] = px[2] = 255;
                        px[3] = 0;
                        weight = 2.0f - weight;
                    }
                }
            }
            const float a = weight * alpha;
            const float b = 1.0f - a;
            px[0] = Blend(px[0], cb, a, b);
            px[1] = Blend(px[1], cg, a, b);
            px[2] = Blend(px[2], cr, a, b);
        }
    }
}

void TBoardHighlight::RenderBitmaps()
{
    const int w = Width(), h = Height();
    struct Look {
        TBitmap& Bitmap;
        float Alpha;
        bool WhiteCore;
    };
    const Look looks[] = {{*FIdleBitmap, FIdleAlpha, false},
                          {*FSelectedBitmap, FSelectedAlpha, true},
                          {*FHoverBitmap, FHoverAlpha, false}};
    for (const Look& look : looks) {
        look.Bitmap.SetSize(w, h);
        // The parent has painted the picture under us already: capture it.
        BitBlt(&look.Bitmap.Canvas(), 0, 0, w, h, &Canvas(), 0, 0, SRCCOPY);
        ShadeRing(look.Bitmap, FColor, look.Alpha, look.WhiteCore);
    }
}

void TBoardHighlight::PrepareHighlight()
{
    RenderBitmaps();
    if (IsBoardImage(Parent())) {
        FMenu = static_cast<TBoardImage*>(Parent())->Menu();
        AddToMenu();
    } else {
        FMenu = nullptr;
    }
    FPrepared = true;
}

void TBoardHighlight::Paint()
{
    if (IsDesigning())
        RenderBitmaps();
    else if (!FPrepared)
        PrepareHighlight();
    TBitmap* look = FIdleBitmap.get();
    if (FLit != FPopupActive)
        look = FHoverBitmap.get();
    else if (FLit && FPopupActive)
        look = FSelectedBitmap.get();
    BitBlt(&Canvas(), 0, 0, Width(), Height(), &look->Canvas(), 0, 0, SRCCOPY);
}

bool TBoardHighlight::IsLinkedTo(const TControl* control) const
{
    if (!control || control->ClassName() != "TBoardHighlight")
        return false;
    auto* other = static_cast<const TBoardHighlight*>(control);
    return other->FTitle == FTitle && other->FHighlightType == FHighlightType;
}

std::vector<TBoardHighlight*> TBoardHighlight::LinkedHighlights() const
{
    std::vector<TBoardHighlight*> linked;
    TWinControl* parent = Parent();
    if (!IsBoardImage(parent))
        return linked;
    for (int i = 0; i < parent->ControlCount(); ++i)
        if (IsLinkedTo(parent->Controls(i)))
            linked.push_back(static_cast<TBoardHighlight*>(parent->Controls(i)));
    return linked;
}

void TBoardHighlight::CMMouseEnter(TMessage& message) { MouseEntered(message.WParam != 0); }

void TBoardHighlight::CMMouseLeave(TMessage& message) { MouseLeft(message.WParam != 0); }

void TBoardHighlight::MouseEntered(bool linked)
{
    if (FLit)
        return;
    FLit = true;
    Invalidate();
    if (FCreatePopup)
        ShowPopup();
    if (linked)
        return;
    for (TBoardHighlight* h : LinkedHighlights())
        h->Perform(CM_MOUSEENTER, 1, 0);
}

void TBoardHighlight::MouseLeft(bool linked)
{
    if (!FLit)
        return;
    if (FPopup && !FPinned) {
        TPoint p;
        GetCursorPos(&p);
        p = {p.X - FPopup->Left(), p.Y - FPopup->Top()};
        if (Rect(0, 0, FPopup->Width(), FPopup->Height()).Contains(p)) {
            // The mouse went from the highlight onto its popup window: hold it open.
            FPopup->SetCloseOnLeave(true);
            PinPopup();
        } else {
            FPopup->Close();
        }
    }
    if (linked)
        return;
    for (TBoardHighlight* h : LinkedHighlights())
        h->Perform(CM_MOUSELEAVE, 1, 0);
}

void TBoardHighlight::Click()
{
    TGraphicControl::Click();
    PinPopup();
}

void TBoardHighlight::SetPopupActive(bool value, bool linked)
{
    FPopupActive = value;
    BringToFront();
    Invalidate();
    TWinControl* parent = Parent();
    if (!linked || !IsBoardImage(parent))
        return;
    // Each linked highlight brought to the front moves to the end of the list, so the next
    // child now stands where it stood.
    int i = 0;
    int n = parent->ControlCount();
    while (i < n) {
        TControl* child = parent->Controls(i);
        if (child != this && IsLinkedTo(child)) {
            static_cast<TBoardHighlight*>(child)->SetPopupActive(value, false);
            --n;
        } else {
            ++i;
        }
    }
}

void TBoardHighlight::Unlight()
{
    FLit = false;
    Invalidate();
}

void TBoardHighlight::ShowPopup() {}

void TBoardHighlight::PinPopup() {}

void TBoardHighlight::PinAndFocusPopup() {}

void TBoardHighlight::AddToMenu() {}

void TBoardHighlight::CheckMenuEntry(bool) {}

}  // namespace setupctrls
