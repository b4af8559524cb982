#include "BoardHighlight.h"

#include "BoardImage.h"
#include "PopupForm.h"
#include "RadioPanel.h"
#include "RingShading.h"

#include "controls/WinApi.h"
#include "controls/WinControl.h"
#include "forms/Application.h"
#include "forms/Screen.h"
#include "stdctrls/Button.h"
#include "stdctrls/Menus.h"

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

// A title with neither letter nor "_" has an empty identifier form, and a bare number is no
// component name: such entries are named Item1, Item2, ... instead.
constexpr const char* kUnnamedEntryBase = "Item";

// Where a new heading goes among the top-level items: before the first of these captions.
struct THeadingOrder {
    const char* Heading;
    std::vector<std::string> Before;
};
const THeadingOrder kHeadingOrder[] = {
    {"&Settings", {"&Calibration", "&Options", "&Help"}},
    {"&Calibration", {"&Options", "&Help"}},
    {"&Options", {"&Help"}},
};

int HeadingInsertIndex(const TMenuItem* root, const std::string& heading)
{
    for (const THeadingOrder& order : kHeadingOrder) {
        if (heading != order.Heading)
            continue;
        for (int i = 0; i < root->Count(); ++i)
            for (const std::string& before : order.Before)
                if (root->Items(i)->Caption() == before)
                    return i;
    }
    return root->Count();
}

// Whether choosing the item runs some highlight's MenuItemClick. Items of a stored menu under
// the same heading run other handlers, or none.
bool IsHighlightEntry(const TMenuItem* item)
{
    auto* target = static_cast<TBoardHighlight*>(item->OnClick.Data());
    return target && item->OnClick == Method(&TBoardHighlight::MenuItemClick, target);
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

TBoardHighlight::~TBoardHighlight() { ReleaseMenuEntries(); }

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
        // The menu usually goes before the highlights when the window is destroyed.
        if (FMenu)
            FMenu->FreeNotification(this);
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

void TBoardHighlight::SetRadioPanel(TRadioPanel* value)
{
    if (value == FRadioPanel)
        return;
    if (!value) {
        FRadioPanel = nullptr;
        return;
    }
    TWinControl* parent = Parent();
    if (parent) {
        for (int i = 0; i < parent->ControlCount(); ++i) {
            TControl* child = parent->Controls(i);
            if (child == this || !IsExactly<TBoardHighlight>(child))
                continue;
            auto* other = static_cast<TBoardHighlight*>(child);
            if (other->FRadioPanel != value || IsLinkedTo(other))
                continue;
            if (parent->IsDesigning())
                Application->MessageBox(value->Name() + " has already been assigned to " + other->Name() + ".",
                                        Application->Title(), MB_OK | MB_ICONERROR);
            return;
        }
    }
    FRadioPanel = value;
    if (!parent || !IsDesigning() || IsLoading())
        return;
    // In the designer, offer to bring the rest of the group along; any parent will do here.
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* child = parent->Controls(i);
        if (child == this || !IsLinkedTo(child))
            continue;
        auto* other = static_cast<TBoardHighlight*>(child);
        if (other->FRadioPanel == value)
            continue;
        const std::string question = Name() + "'s RadioPanel property changed. Synchronize linked component " +
                                     other->Name() + "?";
        if (Application->MessageBox(question, Application->Title(), MB_YESNO | MB_ICONQUESTION) == IDYES)
            other->LinkRadioPanel(value);
    }
}

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

void TBoardHighlight::PreviousClick(TObject*) { StepMenu(-1); }

void TBoardHighlight::NextClick(TObject*) { StepMenu(+1); }

void TBoardHighlight::StepMenu(int step)
{
    TMenuItem* entry = MenuEntry();
    if (!entry)
        return;
    TMenuItem* heading = entry->Parent();
    const int n = heading->Count();
    const int j = heading->IndexOf(entry);
    // Items that no highlight answers are stepped over: the walk goes through settings only.
    // With no other entry it comes back to this one, which closes and reopens it.
    TMenuItem* target = nullptr;
    for (int k = 1; k <= n && !target; ++k) {
        TMenuItem* candidate = heading->Items(((j + step * k) % n + n) % n);
        if (IsHighlightEntry(candidate))
            target = candidate;
    }
    if (!target)
        return;
    if (FPopup)
        FPopup->Close();
    target->OnClick(this);
}

TMenuItem* TBoardHighlight::MenuEntry() const
{
    if (!FMenu)
        return nullptr;
    const std::string heading = HighlightKind(FHighlightType).MenuHeading;
    TMenuItem* root = FMenu->Items();
    for (int i = 0; i < root->Count(); ++i) {
        TMenuItem* top = root->Items(i);
        if (top->Caption() != heading)
            continue;
        for (int k = 0; k < top->Count(); ++k)
            if (top->Items(k)->Caption() == FTitle)
                return top->Items(k);
    }
    return nullptr;
}

TMenuItem* TBoardHighlight::NewMenuItem(const std::string& caption, const std::string& base) const
{
    // Without an owner of its own, the menu keeps its items.
    TComponent* owner = FMenu->Owner() ? FMenu->Owner() : static_cast<TComponent*>(FMenu);
    auto* item = new TMenuItem(owner);
    int n = 1;
    while (owner->FindComponent(base + std::to_string(n)))
        ++n;
    item->SetName(base + std::to_string(n));
    item->SetCaption(caption);
    return item;
}

void TBoardHighlight::AddToMenu()
{
    if (!FMenu)
        return;
    const std::string heading = HighlightKind(FHighlightType).MenuHeading;
    TMenuItem* root = FMenu->Items();
    TMenuItem* top = nullptr;
    for (int i = 0; i < root->Count() && !top; ++i)
        if (root->Items(i)->Caption() == heading)
            top = root->Items(i);
    if (top) {
        // A linked highlight (or one of the same title and kind) has added the entry already.
        for (int k = 0; k < top->Count(); ++k)
            if (top->Items(k)->Caption() == FTitle)
                return;
    } else {
        // The heading's component name is its caption's word: "&Settings" gives Settings1.
        top = NewMenuItem(heading, PlainTitleOf(heading));
        root->Insert(HeadingInsertIndex(root, heading), top);
    }
    if (FTitle.empty())
        return;
    TMenuItem* entry = NewMenuItem(FTitle, FTitleIdent.empty() ? kUnnamedEntryBase : FTitleIdent);
    AdoptMenuEntry(entry);
    top->Add(entry);
}

void TBoardHighlight::AdoptMenuEntry(TMenuItem* entry)
{
    entry->OnClick = Method(&TBoardHighlight::MenuItemClick, this);
    FMenuEntries.push_back(entry);
    entry->FreeNotification(this);
}

void TBoardHighlight::ReleaseMenuEntries()
{
    const std::vector<TMenuItem*> entries = std::move(FMenuEntries);
    FMenuEntries.clear();
    TWinControl* parent = Parent();
    for (TMenuItem* entry : entries) {
        entry->RemoveFreeNotification(this);
        // Another highlight of the entry's group takes it over; one that is itself going (its
        // parent is taking its children down) will pass it on again or remove it.
        TBoardHighlight* heir = nullptr;
        for (int i = 0; parent && i < parent->ControlCount() && !heir; ++i) {
            TControl* child = parent->Controls(i);
            auto* other = static_cast<TBoardHighlight*>(child);
            if (child != this && IsExactly<TBoardHighlight>(child) && other->FHighlightType == FHighlightType &&
                other->FTitle == entry->Caption())
                heir = other;
        }
        if (heir) {
            heir->FMenu = FMenu;
            if (FMenu)
                FMenu->FreeNotification(heir);
            heir->AdoptMenuEntry(entry);
        } else {
            delete entry;  // leaves its heading and its owner
        }
    }
    if (FMenu)
        FMenu->RemoveFreeNotification(this);
}

void TBoardHighlight::Notification(TComponent* component)
{
    TGraphicControl::Notification(component);
    if (component == FMenu)
        FMenu = nullptr;
    std::erase(FMenuEntries, component);
}

void TBoardHighlight::CheckMenuEntry(bool value)
{
    if (TMenuItem* entry = MenuEntry())
        entry->SetChecked(value);
}

void TBoardHighlight::MenuItemClick(TObject* sender)
{
    if (IsExactly<TMenuItem>(sender) && static_cast<TMenuItem*>(sender)->Checked()) {
        if (FPopup) {
            FPopup->Close();
        } else {
            for (TBoardHighlight* h : LinkedHighlights())
                if (h->FPopup)
                    h->MenuItemClick(sender);
        }
        return;
    }
    MouseEntered(false);
    PinPopup();
    // Pinned by now, so the popup window stays open.
    MouseLeft(false);
}

}  // namespace setupctrls
