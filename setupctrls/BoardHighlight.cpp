#include "BoardHighlight.h"

#include "BoardImage.h"
#include "PopupForm.h"
#include "RadioPanel.h"
#include "RingShading.h"

#include "controls/WinApi.h"
#include "controls/WinControl.h"
#include "forms/Screen.h"
#include "stdctrls/Button.h"

#include <algorithm>

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

const THighlightKind kKinds[] = {
    {clBlue, 0.25f, 0.5f, 1.0f, "&Options"},
    {clYellow, 0.5f, 0.75f, 1.0f, "&Settings"},
    {clRed, 0.5f, 0.75f, 1.0f, "&Calibration"},
};

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
    if (TBoardImage* board = ParentBoardImage()) {
        FMenu = board->Menu();
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

TBoardImage* TBoardHighlight::ParentBoardImage() const
{
    TWinControl* parent = Parent();
    return IsExactly<TBoardImage>(parent) ? static_cast<TBoardImage*>(parent) : nullptr;
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
    TBoardImage* board = ParentBoardImage();
    if (!board)
        return linked;
    for (int i = 0; i < board->ControlCount(); ++i)
        if (IsLinkedTo(board->Controls(i)))
            linked.push_back(static_cast<TBoardHighlight*>(board->Controls(i)));
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
        if (FPopup->CursorInside()) {
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
    TBoardImage* board = ParentBoardImage();
    if (!linked || !board)
        return;
    // Each linked highlight brought to the front moves to the end of the list, so the next
    // child now stands where it stood.
    int i = 0;
    int n = board->ControlCount();
    while (i < n) {
        TControl* child = board->Controls(i);
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

// Built with the Settings menu: the assignment is then tested against the sibling highlights.
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
    if (GroupPopupExists())
        return;
    FPopup = new TPopupForm(this);
    FPinned = false;
    FPopup->BuildFor(this);
    FPopup->ShowForm();
    if (FRadioPanel)
        FRadioPanel->SetFocus();
    else if (TButton* done = FPopup->DoneButton())
        done->SetFocus();
}

bool TBoardHighlight::GroupPopupExists() const
{
    for (int i = 0; i < Screen->FormCount(); ++i) {
        const TForm* form = Screen->Forms(i);
        if (form->Caption() == FPlainTitle && form->Tag() == int(FHighlightType))
            return true;
    }
    return false;
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

// Built with the Settings menu: moves to the previous setting's popup window.
void TBoardHighlight::PreviousClick(TObject*) {}

// Built with the Settings menu: moves to the next setting's popup window.
void TBoardHighlight::NextClick(TObject*) {}

// Built with the Settings menu: adds the highlight's entry under its kind's heading.
void TBoardHighlight::AddToMenu() {}

// Built with the Settings menu: sets or clears the check mark of the highlight's entry.
void TBoardHighlight::CheckMenuEntry(bool) {}

}  // namespace setupctrls
