#pragma once
// TBoardHighlight: a soft coloured ring over one spot of the board photograph. Highlights with
// the same Title and kind on one board image are linked: they light together and share one popup
// window and one menu entry.

#include "controls/GraphicControl.h"
#include "core/ClassInfo.h"
#include "forms/Form.h"
#include "graphics/Bitmap.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {
class TMainMenu;
class TMenuItem;
}

namespace setupctrls {

using namespace platform;

class TBoardImage;
class TPopupForm;
class TRadioPanel;

enum THighlightType : std::uint8_t { htOptions, htSettings, htCalibration };

// What a kind of highlight looks like and where it lists itself.
struct THighlightKind {
    TColor Color;
    float IdleAlpha;
    float HoverAlpha;
    float SelectedAlpha;
    const char* MenuHeading;
};
const THighlightKind& HighlightKind(THighlightType type);

class TBoardHighlight : public TGraphicControl {
    PLATFORM_CLASS(TBoardHighlight)
public:
    explicit TBoardHighlight(TComponent* owner);
    ~TBoardHighlight() override;

    bool CreatePopup() const { return FCreatePopup; }
    void SetCreatePopup(bool value) { FCreatePopup = value; }
    THighlightType HighlightType() const { return FHighlightType; }
    void SetHighlightType(THighlightType value);
    TRadioPanel* RadioPanel() const { return FRadioPanel; }
    // Refused (the old panel stays) when a sibling highlight that is not linked to this one
    // already shows the panel: a panel can stand in one popup window only.
    void SetRadioPanel(TRadioPanel* value);
    // Stores the panel without any test: the designer's way to bring a linked highlight along.
    void LinkRadioPanel(TRadioPanel* value) { FRadioPanel = value; }
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& value);
    // The title without "&": the popup window's caption.
    const std::string& PlainTitle() const { return FPlainTitle; }
    // The title as an identifier: the base of its menu entry's name.
    const std::string& TitleIdent() const { return FTitleIdent; }

    bool Lit() const { return FLit; }
    bool PopupActive() const { return FPopupActive; }
    bool Pinned() const { return FPinned; }
    bool Prepared() const { return FPrepared; }
    TPopupForm* Popup() const { return FPopup; }
    TMainMenu* Menu() const { return FMenu; }
    const TBitmap& IdleBitmap() const { return *FIdleBitmap; }
    const TBitmap& SelectedBitmap() const { return *FSelectedBitmap; }
    const TBitmap& HoverBitmap() const { return *FHoverBitmap; }

    // The parent if its class is exactly TBoardImage, else none: only such a parent gives the
    // highlight its menu, its linked highlights and a place for its popup window.
    TBoardImage* ParentBoardImage() const;
    // The linked highlights in the parent's child order, this one included; none unless the
    // parent is a board image.
    std::vector<TBoardHighlight*> LinkedHighlights() const;

    // The mouse-entered and mouse-left handling; Linked marks a call from a linked highlight.
    void MouseEntered(bool linked);
    void MouseLeft(bool linked);
    // The class library's mouse notifications, WParam 1 from a linked highlight. Public, unlike
    // the base's, because the board image's start message calls them with its own record.
    void CMMouseEnter(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;
    // The class library's click operation: fires OnClick, then pins the popup window.
    void Click() override;
    // The popup window of the group became active (or inactive).
    void SetPopupActive(bool value, bool linked);
    void Unlight();

    // The group's popup window: shown (and built, the first time) by a mouse entry, pinned by
    // a click; any number of groups can have theirs open.
    void ShowPopup();
    void PinPopup();
    void PinAndFocusPopup();
    // The popup window's OnClose: the group goes back to its idle look.
    void PopupClose(TObject* sender, TCloseAction& action);
    // The popup window's buttons.
    void DoneClick(TObject* sender);
    void PreviousClick(TObject* sender);
    void NextClick(TObject* sender);

    // The highlight's entry in the main menu: under the heading of its kind, captioned with
    // its Title; linked highlights share one. The menu items belong to the menu's owner.
    void AddToMenu();
    // The entry's check mark shows that the group's popup window is pinned.
    void CheckMenuEntry(bool value);
    // The entry's OnClick: a checked entry closes the popup window, anything else opens and
    // pins it. Previous and Next call it with the highlight as Sender.
    void MenuItemClick(TObject* sender);
    // The first entry under this kind's headings captioned with the Title, or none.
    TMenuItem* MenuEntry() const;

protected:
    void Paint() override;
    void Notification(TComponent* component) override;

private:
    void RenderBitmaps();
    void PrepareHighlight();
    // Whether some form of the application already has the group's caption and tag: then a
    // linked highlight has built the group's popup window.
    bool GroupPopupExists() const;
    // Whether a child of the parent board image is linked to this highlight: exactly a
    // TBoardHighlight, with the same Title and HighlightType (this one included).
    bool IsLinkedTo(const TControl* control) const;
    // A menu item owned by the menu's owner, named base + the smallest free number.
    TMenuItem* NewMenuItem(const std::string& caption, const std::string& base) const;
    // Binds an entry's OnClick to this highlight and remembers it, so that the entry never
    // calls a highlight that has gone.
    void AdoptMenuEntry(TMenuItem* entry);
    // Called on destruction: each entry this highlight answers goes to another highlight of
    // its group, or out of the menu when none is left.
    void ReleaseMenuEntries();
    // Previous (-1) and Next (+1): the neighbouring entry under the same heading, wrapping.
    void StepMenu(int step);

    std::unique_ptr<TBitmap> FIdleBitmap;
    std::unique_ptr<TBitmap> FSelectedBitmap;
    std::unique_ptr<TBitmap> FHoverBitmap;
    float FIdleAlpha = 0;
    float FSelectedAlpha = 0;
    float FHoverAlpha = 0;
    TColor FColor = 0;
    THighlightType FHighlightType = htOptions;
    bool FLit = false;
    TPopupForm* FPopup = nullptr;
    std::string FTitle;
    std::string FPlainTitle;
    std::string FTitleIdent;
    TMainMenu* FMenu = nullptr;
    bool FPrepared = false;
    bool FCreatePopup = true;
    bool FPinned = false;
    TRadioPanel* FRadioPanel = nullptr;
    bool FPopupActive = false;
    // The menu entries whose OnClick runs this highlight's MenuItemClick.
    std::vector<TMenuItem*> FMenuEntries;
};

// The title forms: without "&", and as an identifier.
std::string PlainTitleOf(const std::string& title);
std::string TitleIdentOf(const std::string& title);

}  // namespace setupctrls

namespace platform {
template <>
const TEnumInfo& EnumInfoOf<setupctrls::THighlightType>();
}
