#include "PopupForm.h"

#include "BoardHighlight.h"
#include "BoardImage.h"
#include "RadioPanel.h"

#include "controls/SizeConstraints.h"
#include "controls/WinApi.h"
#include "forms/Screen.h"
#include "stdctrls/Button.h"
#include "stdctrls/Memo.h"
#include "stdctrls/StatusBar.h"

#include <algorithm>

namespace setupctrls {

namespace {
constexpr const char* kStatusBarName = "PopupStatus";
constexpr const char* kPreviousButtonName = "PreviousButton";
constexpr const char* kNextButtonName = "NextButton";
constexpr const char* kDoneButtonName = "DoneButton";
constexpr const char* kMemoName = "StatusMemo";
}  // namespace

const TClassInfo& TPopupForm::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TPopupForm, TForm>("TPopupForm").Build();
    return info;
}

TPopupForm::TPopupForm(TComponent* owner) : TForm(owner) {}

// The steps keep this order, which shows in the result: each child gets its
// anchors after its bounds, the caption comes before the minimum size is taken, and the minimum
// size before the window is placed.
void TPopupForm::BuildFor(TBoardHighlight* highlight)
{
    FHighlight = highlight;
    SetToolWindowStyle();
    TRadioPanel* panel = highlight->RadioPanel();
    const TTakenPanel taken = panel ? TakeInPanel(*panel) : SizeWithoutPanel();
    SetCaptionAndMinimumSize();
    SetTagAndPosition();
    PlaceByBoardImage(taken);
    OnClose = Method(&TBoardHighlight::PopupClose, highlight);

    const int cw = ClientWidth(), ch = ClientHeight();
    AddStatusBar(cw, ch);
    AddButtons(cw, ch);
    ShowPanelLines(taken, AddTextBox(cw, ch, taken.MemoHeight));
    KeepOnPrimaryDisplay();
}

bool TPopupForm::CursorInside() const
{
    TPoint p;
    GetCursorPos(&p);
    return Rect(0, 0, Width(), Height()).Contains({p.X - Left(), p.Y - Top()});
}

TButton* TPopupForm::DoneButton() const { return dynamic_cast<TButton*>(FindComponent(kDoneButtonName)); }

void TPopupForm::WMActivate(TMessage& message)
{
    if (FHighlight)
        FHighlight->SetPopupActive(message.WParam != WA_INACTIVE, true);
    message.Result = 0;
}

void TPopupForm::CMMouseLeave(TMessage& message)
{
    if (!CursorInside() && FCloseOnLeave) {
        Close();
        return;
    }
    TForm::CMMouseLeave(message);
}

void TPopupForm::SetToolWindowStyle()
{
    SetAutoScroll(false);
    SetBorderStyle(bsSizeToolWin);
    SetFormStyle(fsStayOnTop);
}

TPopupForm::TTakenPanel TPopupForm::TakeInPanel(TRadioPanel& panel)
{
    TTakenPanel taken;
    taken.Panel = &panel;
    taken.MemoHeight = panel.MemoHeight();
    OnActivate = panel.OnActivate;
    OnDeactivate = panel.OnDeactivate;
    taken.LaidOutAt = {panel.Left(), panel.Top()};
    panel.SetLeft(0);
    panel.SetTop(0);
    panel.SetVisible(true);
    SizeClientToPanel(panel, taken.MemoHeight);
    // Moved, not copied: the panel keeps its owner and its state, and lives here from now on.
    panel.SetParent(this);
    panel.SetAnchors(panel.FinalAnchors());
    panel.SetPlaced(true);
    return taken;
}

void TPopupForm::SizeClientToPanel(const TRadioPanel& panel, int memoHeight)
{
    SetClientWidth(panel.Width());
    SetClientHeight(panel.Height() + kPopupBelowPanel + memoHeight + kPopupStatusHeight);
}

TPopupForm::TTakenPanel TPopupForm::SizeWithoutPanel()
{
    SetWidth(kNoPanelPopupWidth);
    SetHeight(kNoPanelPopupHeight);
    return {};
}

void TPopupForm::SetCaptionAndMinimumSize()
{
    SetCaption(FHighlight->PlainTitle());
    SetWidth(std::max(kMinPopupWidth, Width()));
    SetHeight(std::max(kMinPopupHeight, Height()));
    // The user can enlarge the window but not make it smaller than built.
    Constraints()->SetMinWidth(Width());
    Constraints()->SetMinHeight(Height());
}

void TPopupForm::SetTagAndPosition()
{
    SetTag(int(FHighlight->HighlightType()));
    SetPosition(poDesigned);
}

// Where the panel was laid out, moved as far as the board image has moved since; without a
// panel, at the board image's left edge, just below it. The numbers are the main window's client
// coordinates, used unchanged as a screen position.
void TPopupForm::PlaceByBoardImage(const TTakenPanel& taken)
{
    const TWinControl* board = FHighlight->Parent();
    int dx = 0, dy = 0;
    if (const TBoardImage* image = FHighlight->ParentBoardImage()) {
        dx = image->LayoutLeft() - taken.LaidOutAt.X;
        dy = image->LayoutTop() - taken.LaidOutAt.Y;
    }
    if (!taken.Panel) {
        dx = 0;
        dy = -((board ? board->Height() : 0) + kNoPanelPopupGap);
    }
    SetLeft((board ? board->Left() : 0) - dx);
    SetTop((board ? board->Top() : 0) - dy);
}

void TPopupForm::AddStatusBar(int clientWidth, int clientHeight)
{
    auto* status = new TStatusBar(this);
    status->SetName(kStatusBarName);
    status->SetAlign(alNone);
    status->SetBounds(0, clientHeight - kPopupStatusHeight, clientWidth, kPopupStatusHeight);
    status->SetParent(this);
    status->SetAnchors({akLeft, akRight, akBottom});
    status->Panels()->Add()->SetBevel(pbNone);
    PopupStatus = status;
}

void TPopupForm::AddButtons(int clientWidth, int clientHeight)
{
    struct ButtonSpec {
        const char* Name;
        const char* Caption;
        int Left;
        TAnchors Anchors;
        void (TBoardHighlight::*Handler)(TObject*);
    };
    const ButtonSpec buttons[] = {
        {kPreviousButtonName, "Previous", kPopupButtonMargin, {akLeft, akBottom}, &TBoardHighlight::PreviousClick},
        {kNextButtonName, "Next", (clientWidth - kPopupButtonWidth) / 2, {akBottom}, &TBoardHighlight::NextClick},
        {kDoneButtonName, "Done", clientWidth - kPopupButtonWidth - kPopupButtonMargin, {akRight, akBottom},
         &TBoardHighlight::DoneClick},
    };
    for (const ButtonSpec& b : buttons) {
        auto* button = new TButton(this);
        button->SetName(b.Name);
        button->SetCaption(b.Caption);
        button->SetBounds(b.Left, clientHeight - kPopupButtonsFromBottom, kPopupButtonWidth, kPopupButtonHeight);
        button->SetParent(this);
        button->SetAnchors(b.Anchors);
        button->OnClick = Method(b.Handler, FHighlight);
    }
}

TMemo* TPopupForm::AddTextBox(int clientWidth, int clientHeight, int memoHeight)
{
    const int buttonTop = clientHeight - kPopupButtonsFromBottom;
    auto* memo = new TMemo(this);
    memo->SetName(kMemoName);
    memo->SetBounds(kPopupButtonMargin, buttonTop - kPopupButtonMargin - memoHeight,
                    clientWidth - 2 * kPopupButtonMargin, memoHeight);
    memo->SetParent(this);
    memo->SetAnchors({akLeft, akTop, akRight, akBottom});
    memo->SetReadOnly(true);
    memo->SetScrollBars(ssVertical);
    return memo;
}

void TPopupForm::ShowPanelLines(const TTakenPanel& taken, TMemo* memo)
{
    if (!taken.Panel)
        return;
    memo->Lines()->Assign(*taken.Panel->Lines());
    taken.Panel->SetStatusMemo(memo);
}

void TPopupForm::KeepOnPrimaryDisplay()
{
    const int sw = Screen->Width(), sh = Screen->Height();
    if (Left() < 0)
        SetLeft(0);
    else if (Left() + Width() > sw)
        SetLeft(sw - Width());
    if (Top() < 0)
        SetTop(0);
    else if (Top() + Height() > sh)
        SetTop(sh - Height());
}

}  // namespace setupctrls
