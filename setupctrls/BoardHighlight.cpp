#include "BoardHighlight.h"

#include "BoardImage.h"
#include "PopupForm.h"
#include "RadioPanel.h"

#include "controls/SizeConstraints.h"
#include "forms/Screen.h"
#include "stdctrls/Button.h"
#include "stdctrls/Memo.h"
#include "stdctrls/StatusBar.h"

#include "controls/WinApi.h"
#include "controls/WinControl.h"

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

// The popup window, in pixels: the stack under the panel is 1 px, the text box, 6 px, the
// buttons and the status bar.
constexpr int kDefaultMemoHeight = 58;
constexpr int kStatusHeight = 19;
constexpr int kButtonWidth = 58;
constexpr int kButtonHeight = 25;
constexpr int kButtonMargin = 6;
constexpr int kButtonsFromBottom = kStatusHeight + kButtonHeight;  // 44
constexpr int kBelowPanel = 1 + kButtonMargin + kButtonHeight;     // 32, with the status bar 51
constexpr int kNoPanelWidth = 194;
constexpr int kNoPanelHeight = kDefaultMemoHeight + 64 + kStatusHeight;  // 141
constexpr int kMinPopupWidth = 194;
constexpr int kMinPopupHeight = 122;
constexpr int kNoPanelGap = 38;  // a popup without a panel opens this far below the board
constexpr const char* kStatusBarName = "PopupStatus";
constexpr const char* kPreviousButtonName = "PreviousButton";
constexpr const char* kNextButtonName = "NextButton";
constexpr const char* kDoneButtonName = "DoneButton";
constexpr const char* kMemoName = "StatusMemo";

const THighlightKind kKinds[] = {
    {clBlue, 0.25f, 0.5f, 1.0f, "&Options"},
    {clYellow, 0.5f, 0.75f, 1.0f, "&Settings"},
    {clRed, 0.5f, 0.75f, 1.0f, "&Calibration"},
};

// Adding and taking away 1.5 · 2^23 leaves a float in [0, 2^22) rounded to the nearest
// integer, halves to even, in the default rounding mode: the same result as lrintf, without
// the library call in the innermost loop.
constexpr float kRoundingMagic = 12582912.0f;

std::uint8_t Blend(std::uint8_t pixel, std::uint8_t color, float a, float b)
{
    const float value = float(pixel) * b + float(color) * a;
    const float rounded = (value + kRoundingMagic) - kRoundingMagic;
    return std::uint8_t(std::clamp(int(rounded), 0, 255));
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
        .Reference("RadioPanel", &TBoardHighlight::RadioPanel, &TBoardHighlight::SetRadioPanel)
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
    if (IsExactly<TBoardImage>(Parent())) {
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
    if (!IsExactly<TBoardHighlight>(control))
        return false;
    auto* other = static_cast<const TBoardHighlight*>(control);
    return other->FTitle == FTitle && other->FHighlightType == FHighlightType;
}

std::vector<TBoardHighlight*> TBoardHighlight::LinkedHighlights() const
{
    std::vector<TBoardHighlight*> linked;
    TWinControl* parent = Parent();
    if (!IsExactly<TBoardImage>(parent))
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
    if (!linked || !IsExactly<TBoardImage>(parent))
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

void TBoardHighlight::SetRadioPanel(TRadioPanel* value) { FRadioPanel = value; }

void TBoardHighlight::ShowPopup()
{
    if (FPopup) {
        // Shown again after it was closed: a preview, until something pins it.
        if (!FPopup->Visible())
            FPinned = false;
        FPopup->ShowForm();
        return;
    }
    // A linked highlight may have built the group's window; it shows it when it gets the
    // linked mouse entry.
    for (int i = 0; i < Screen->FormCount(); ++i) {
        const TForm* form = Screen->Forms(i);
        if (form->Caption() == FPlainTitle && form->Tag() == int(FHighlightType))
            return;
    }
    BuildPopup();
    FPopup->ShowForm();
    if (FRadioPanel)
        FRadioPanel->SetFocus();
    else if (auto* done = dynamic_cast<TButton*>(FPopup->FindComponent(kDoneButtonName)))
        done->SetFocus();
}

void TBoardHighlight::BuildPopup()
{
    FPopup = new TPopupForm(this);
    FPopup->SetHighlight(this);
    FPopup->SetAutoScroll(false);
    FPopup->SetBorderStyle(bsSizeToolWin);
    FPopup->SetFormStyle(fsStayOnTop);
    FPinned = false;

    int memoHeight = kDefaultMemoHeight;
    int layoutLeft = 0, layoutTop = 0;
    if (TRadioPanel* panel = FRadioPanel) {
        memoHeight = panel->MemoHeight();
        FPopup->OnActivate = panel->OnActivate;
        FPopup->OnDeactivate = panel->OnDeactivate;
        layoutLeft = panel->Left();
        layoutTop = panel->Top();
        panel->SetLeft(0);
        panel->SetTop(0);
        panel->SetVisible(true);
        FPopup->SetClientWidth(panel->Width());
        FPopup->SetClientHeight(panel->Height() + kBelowPanel + memoHeight + kStatusHeight);
        // Moved, not copied: the panel keeps its owner and its state, and lives here from now on.
        panel->SetParent(FPopup);
        panel->SetAnchors(panel->FinalAnchors());
        panel->SetPlaced(true);
    } else {
        FPopup->SetWidth(kNoPanelWidth);
        FPopup->SetHeight(kNoPanelHeight);
    }
    FPopup->SetCaption(FPlainTitle);
    FPopup->SetWidth(std::max(kMinPopupWidth, FPopup->Width()));
    FPopup->SetHeight(std::max(kMinPopupHeight, FPopup->Height()));
    FPopup->Constraints()->SetMinWidth(FPopup->Width());
    FPopup->Constraints()->SetMinHeight(FPopup->Height());
    FPopup->SetTag(int(FHighlightType));
    FPopup->SetPosition(poDesigned);

    // Where the panel was laid out, moved as far as the board image has moved since.
    const TWinControl* board = Parent();
    int dx = 0, dy = 0;
    if (IsExactly<TBoardImage>(board)) {
        auto* image = static_cast<const TBoardImage*>(board);
        dx = image->LayoutLeft() - layoutLeft;
        dy = image->LayoutTop() - layoutTop;
    }
    if (!FRadioPanel) {
        dx = 0;
        dy = -((board ? board->Height() : 0) + kNoPanelGap);
    }
    FPopup->SetLeft((board ? board->Left() : 0) - dx);
    FPopup->SetTop((board ? board->Top() : 0) - dy);
    FPopup->OnClose = Method(&TBoardHighlight::PopupClose, this);

    const int cw = FPopup->ClientWidth(), ch = FPopup->ClientHeight();
    auto* status = new TStatusBar(FPopup);
    status->SetName(kStatusBarName);
    status->SetAlign(alNone);
    status->SetBounds(0, ch - kStatusHeight, cw, kStatusHeight);
    status->SetParent(FPopup);
    status->SetAnchors({akLeft, akRight, akBottom});
    status->Panels()->Add()->SetBevel(pbNone);
    FPopup->PopupStatus = status;

    const int buttonTop = ch - kButtonsFromBottom;
    struct ButtonSpec {
        const char* Name;
        const char* Caption;
        int Left;
        TAnchors Anchors;
        void (TBoardHighlight::*Handler)(TObject*);
    };
    const ButtonSpec buttons[] = {
        {kPreviousButtonName, "Previous", kButtonMargin, {akLeft, akBottom}, &TBoardHighlight::PreviousClick},
        {kNextButtonName, "Next", (cw - kButtonWidth) / 2, {akBottom}, &TBoardHighlight::NextClick},
        {kDoneButtonName, "Done", cw - kButtonWidth - kButtonMargin, {akRight, akBottom}, &TBoardHighlight::DoneClick},
    };
    for (const ButtonSpec& b : buttons) {
        auto* button = new TButton(FPopup);
        button->SetName(b.Name);
        button->SetCaption(b.Caption);
        button->SetBounds(b.Left, buttonTop, kButtonWidth, kButtonHeight);
        button->SetParent(FPopup);
        button->SetAnchors(b.Anchors);
        button->OnClick = Method(b.Handler, this);
    }

    auto* memo = new TMemo(FPopup);
    memo->SetName(kMemoName);
    memo->SetBounds(kButtonMargin, buttonTop - kButtonMargin - memoHeight, cw - 2 * kButtonMargin, memoHeight);
    memo->SetParent(FPopup);
    memo->SetAnchors({akLeft, akTop, akRight, akBottom});
    memo->SetReadOnly(true);
    memo->SetScrollBars(ssVertical);
    if (FRadioPanel) {
        memo->Lines()->Assign(*FRadioPanel->Lines());
        FRadioPanel->SetStatusMemo(memo);
    }

    // Keep the window on the primary display.
    const int sw = Screen->Width(), sh = Screen->Height();
    if (FPopup->Left() < 0)
        FPopup->SetLeft(0);
    else if (FPopup->Left() + FPopup->Width() > sw)
        FPopup->SetLeft(sw - FPopup->Width());
    if (FPopup->Top() < 0)
        FPopup->SetTop(0);
    else if (FPopup->Top() + FPopup->Height() > sh)
        FPopup->SetTop(sh - FPopup->Height());
}

void TBoardHighlight::PinPopup()
{
    if (FPopup) {
        FPinned = true;
        CheckMenuEntry(true);
    }
    for (TBoardHighlight* h : LinkedHighlights())
        h->PinAndFocusPopup();
}

void TBoardHighlight::PinAndFocusPopup()
{
    if (!FPopup)
        return;
    FPinned = true;
    CheckMenuEntry(true);
    FPopup->SetFocus();
}

void TBoardHighlight::PopupClose(TObject*, TCloseAction&)
{
    CheckMenuEntry(false);
    if (FPopup)
        FPopup->SetCloseOnLeave(false);
    Unlight();
    for (TBoardHighlight* h : LinkedHighlights())
        h->Unlight();
}

void TBoardHighlight::DoneClick(TObject*)
{
    if (FPopup)
        FPopup->Close();
}

void TBoardHighlight::PreviousClick(TObject*) {}

void TBoardHighlight::NextClick(TObject*) {}

void TBoardHighlight::AddToMenu() {}

void TBoardHighlight::CheckMenuEntry(bool) {}

}  // namespace setupctrls
