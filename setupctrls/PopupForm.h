#pragma once
// TPopupForm: the small stay-on-top tool window a highlight opens to explain its setting: the
// highlight's radio panel on top, the panel's text in a box under it, the Previous, Next and
// Done buttons and a status bar. It builds itself for its highlight, once.

#include "PopupMetrics.h"

#include "core/Types.h"
#include "forms/Form.h"

namespace platform {
class TButton;
class TMemo;
class TStatusBar;
}  // namespace platform

namespace setupctrls {

using namespace platform;

class TBoardHighlight;
class TRadioPanel;

class TPopupForm : public TForm {
    PLATFORM_CLASS(TPopupForm)
public:
    explicit TPopupForm(TComponent* owner);

    // Builds the new window for `highlight`, which becomes its FHighlight: takes in the
    // highlight's radio panel, sizes, captions and places the window, adds the status bar, the
    // buttons and the text box, and keeps the window on the primary display. It does not show
    // the window. The buttons call the highlight's handlers; OnClose is its PopupClose.
    void BuildFor(TBoardHighlight* highlight);

    TBoardHighlight* Highlight() const { return FHighlight; }
    void SetHighlight(TBoardHighlight* value) { FHighlight = value; }
    // The window closes when the mouse leaves it (it was reached from its highlight).
    bool CloseOnLeave() const { return FCloseOnLeave; }
    void SetCloseOnLeave(bool value) { FCloseOnLeave = value; }
    // Whether the mouse cursor is on the window: its screen position less Left and Top lies in
    // (0, 0, Width, Height), the left and top edges inside, the right and bottom edges outside.
    bool CursorInside() const;
    // The Done button once the window is built, else none.
    TButton* DoneButton() const;

    TStatusBar* PopupStatus = nullptr;

protected:
    void WMActivate(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;

private:
    // What the build keeps from the radio panel it takes in: the panel, where it stood in the
    // main window's layout before it moved here, and the height of the text box under it.
    struct TTakenPanel {
        TRadioPanel* Panel = nullptr;
        TPoint LaidOutAt{0, 0};
        int MemoHeight = kDefaultMemoHeight;
    };

    void SetToolWindowStyle();
    TTakenPanel TakeInPanel(TRadioPanel& panel);
    void SizeClientToPanel(const TRadioPanel& panel, int memoHeight);
    TTakenPanel SizeWithoutPanel();
    void SetCaptionAndMinimumSize();
    void SetTagAndPosition();
    void PlaceByBoardImage(const TTakenPanel& taken);
    void AddStatusBar(int clientWidth, int clientHeight);
    void AddButtons(int clientWidth, int clientHeight);
    TMemo* AddTextBox(int clientWidth, int clientHeight, int memoHeight);
    void ShowPanelLines(const TTakenPanel& taken, TMemo* memo);
    void KeepOnPrimaryDisplay();

    TBoardHighlight* FHighlight = nullptr;
    bool FCloseOnLeave = false;
};

}  // namespace setupctrls
