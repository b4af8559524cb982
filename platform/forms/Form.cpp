#include "forms/Form.h"

#include "controls/internal/QtBridge.h"
#include "controls/SizeConstraints.h"
#include "forms/Application.h"
#include "forms/Screen.h"
#include "forms/internal/X11WindowHints.h"
#include "graphics/internal/FontMapping.h"
#include "layout/LayoutReader.h"
#include "stdctrls/Menus.h"

#include <QMenuBar>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace platform {

template <>
const TEnumInfo& EnumInfoOf<TFormStyle>()
{
    static const TEnumInfo info{"TFormStyle", {"fsNormal", "fsStayOnTop"}};
    return info;
}

template <>
const TEnumInfo& EnumInfoOf<TPosition>()
{
    static const TEnumInfo info{"TPosition", {"poDesigned", "poDefault", "poDefaultPosOnly", "poScreenCenter", "poMainFormCenter"}};
    return info;
}

template <>
const TEnumInfo& EnumInfoOf<TWindowState>()
{
    static const TEnumInfo info{"TWindowState", {"wsNormal", "wsMinimized", "wsMaximized"}};
    return info;
}

const TClassInfo& TForm::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TForm, TWinControl>("TForm")
        .Integer("ClientWidth", &TForm::ClientWidth, &TForm::SetClientWidth)
        .Integer("ClientHeight", &TForm::ClientHeight, &TForm::SetClientHeight)
        .Enum("BorderStyle", &TForm::BorderStyle, &TForm::SetBorderStyle, bsSizeable)
        .Enum("FormStyle", &TForm::FormStyle, &TForm::SetFormStyle, fsNormal)
        .Enum("Position", &TForm::Position, &TForm::SetPosition, poDesigned)
        .Enum("WindowState", &TForm::WindowState, &TForm::SetWindowState, wsNormal)
        // Stored only: no window here grows scroll bars; its children are laid out to fit.
        .Boolean("AutoScroll", &TForm::AutoScroll, &TForm::SetAutoScroll, true)
        .Reference("Menu", &TForm::Menu, &TForm::SetMenu)
        // Stored only: what the designer measured with, for rescaling on another display;
        // layouts here are pixels at 96 per inch and are not rescaled.
        .Integer("PixelsPerInch", &TForm::PixelsPerInch, &TForm::SetPixelsPerInch)
        .Integer("TextHeight", &TForm::TextHeight, &TForm::SetTextHeight)
        .Event("OnActivate", &TForm::OnActivate)
        .Event("OnDeactivate", &TForm::OnDeactivate)
        .Event("OnCreate", &TForm::OnCreate)
        .Event("OnClose", &TForm::OnClose)
        .Publish({"Align", "Anchors", "Caption", "Color", "Constraints", "Enabled", "Font",
                  "ParentShowHint", "ShowHint", "Visible", "OnClick"})
        .Build();
    return info;
}

namespace {
// The window system's frame around the client area, per border style. Before a form's window
// exists its frame is unknown; the window manager's own estimate, asked for the first time a
// form of that style is sized, or else the last frame seen on a shown window stands in for it.
// Asking first matters: a size worked out with a frame of 0 makes the first window of a run
// differ from every later one.
struct TFrameExtra {
    int Width = 0;
    int Height = 0;
    bool Asked = false;
};
TFrameExtra gFrameEstimate[bsSizeToolWin + 1];

bool IsToolWindow(TFormBorderStyle style) { return style == bsToolWindow || style == bsSizeToolWin; }
bool IsSizeable(TFormBorderStyle style) { return style == bsSizeable || style == bsSizeToolWin; }

const TFrameExtra& FrameEstimate(TFormBorderStyle style)
{
    TFrameExtra& estimate = gFrameEstimate[style];
    if (!estimate.Asked && style != bsNone) {
        estimate.Asked = true;
        if (auto frame = TX11WindowHints::EstimateFrame(IsToolWindow(style), IsSizeable(style)))
            estimate = {frame->Width, frame->Height, true};
    }
    return estimate;
}

// The rectangle moved and, where it is larger, shrunk into the area.
TRect KeptInside(const TRect& r, const TRect& area)
{
    const int w = std::min(r.Width(), area.Width()), h = std::min(r.Height(), area.Height());
    const int left = std::clamp(r.Left, area.Left, area.Right - w);
    const int top = std::clamp(r.Top, area.Top, area.Bottom - h);
    return Bounds(left, top, w, h);
}
}  // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner)
{
    FClient = new QWidget(Handle());
    FClient->setMouseTracking(true);
    FClient->setAttribute(Qt::WA_OpaquePaintEvent);
    FClient->show();
    TQtBridge::Attach(FClient, this);
    FontChanged();
    SetVisible(false);
    SetBounds(0, 0, 320, 240);
    Screen->AddForm(this);
    if (Application)
        Application->FormConstructing(this);
}

TForm::~TForm()
{
    if (Application)
        Application->FormDestroying(this);
    Screen->RemoveForm(this);
    TQtBridge::Detach(FClient);
    // The menu bar and the owned components reference this window; they go before it.
    if (FMenu && FMenu->MenuBar())
        FMenu->MenuBar()->setParent(nullptr);
    DestroyComponents();
}

int TForm::FrameExtraWidth() const
{
    return FFrameKnown ? FFrameWidth : FrameEstimate(FBorderStyle).Width;
}

int TForm::FrameExtraHeight() const
{
    return FFrameKnown ? FFrameHeight : FrameEstimate(FBorderStyle).Height;
}

int TForm::MenuBarHeight() const
{
    if (!FMenu || !FMenu->MenuBar())
        return 0;
    return FMenu->MenuBar()->sizeHint().height();
}

int TForm::ClientWidth() const { return std::max(Width() - FrameExtraWidth(), 0); }

int TForm::ClientHeight() const
{
    return std::max(Height() - FrameExtraHeight() - MenuBarHeight(), 0);
}

void TForm::SetClientWidth(int value) { SetWidth(value + FrameExtraWidth()); }

void TForm::SetClientHeight(int value) { SetHeight(value + FrameExtraHeight() + MenuBarHeight()); }

void TForm::SetBorderStyle(TFormBorderStyle value)
{
    FBorderStyle = value;
    ApplyWindowFlags();
}

void TForm::SetClientSize(int width, int height)
{
    SetClientWidth(width);
    SetClientHeight(height);
}

void TForm::SetFormStyle(TFormStyle value)
{
    FFormStyle = value;
    ApplyWindowFlags();
}

void TForm::ApplyWindowFlags()
{
    Qt::WindowFlags flags = Qt::Window;
    switch (FBorderStyle) {
    case bsNone: flags |= Qt::FramelessWindowHint; break;
    case bsToolWindow:
    case bsSizeToolWin:
        // A tool window's small caption carries its title and a close box, nothing else.
        flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        break;
    case bsDialog: flags = Qt::Dialog; break;
    default: break;
    }
    if (FFormStyle == fsStayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    bool visible = Handle()->isVisible();
    Handle()->setWindowFlags(flags);
    if (visible) {
        Handle()->show();
        ApplyWindowManagerHints();
    }
}

void TForm::ApplyWindowManagerHints()
{
    // Qt's flags do not keep a fixed tool window from being resized; the window manager's own
    // hints say what the frame offers.
    if (IsToolWindow(FBorderStyle))
        TX11WindowHints::SetToolWindowHints(Handle(), IsSizeable(FBorderStyle));
}

void TForm::RestoreIfMinimized()
{
    // A form the user minimised comes back when the program shows or focuses it; one designed
    // to start minimised stays so.
    if (FWindowState == wsMinimized || !Handle()->isMinimized())
        return;
    Handle()->setWindowState((Handle()->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
}

void TForm::SetWindowState(TWindowState value)
{
    FWindowState = value;
    if (!Handle()->isVisible())
        return;
    switch (value) {
    case wsMaximized: Handle()->showMaximized(); break;
    case wsMinimized: Handle()->showMinimized(); break;
    default: Handle()->showNormal(); break;
    }
}

void TForm::SetMenu(TMainMenu* menu)
{
    if (FMenu && FMenu->MenuBar())
        FMenu->MenuBar()->setParent(nullptr);
    FMenu = menu;
    if (FMenu && FMenu->MenuBar()) {
        FMenu->MenuBar()->setParent(Handle());
        FMenu->MenuBar()->show();
    }
    LayoutFrame();
    Resized();
}

void TForm::UpdateHandleGeometry()
{
    if (FSyncingFrame)
        return;
    FSyncingFrame = true;
    Handle()->move(Left(), Top());
    Handle()->resize(std::max(Width() - FrameExtraWidth(), 1), std::max(Height() - FrameExtraHeight(), 1));
    ApplyMinimumSize();
    FSyncingFrame = false;
    LayoutFrame();
}

void TForm::ApplyMinimumSize()
{
    const TSizeConstraints* c = Constraints();
    Handle()->setMinimumSize(std::max(c->MinWidth() - FrameExtraWidth(), 0),
                             std::max(c->MinHeight() - FrameExtraHeight(), 0));
}

void TForm::KeepConstraintsOnFrameChange(int dw, int dh)
{
    TSizeConstraints* c = Constraints();
    auto shift = [](int value, int delta) { return value > 0 ? std::max(value + delta, 1) : value; };
    if (dw) {
        c->SetMinWidth(shift(c->MinWidth(), dw));
        c->SetMaxWidth(shift(c->MaxWidth(), dw));
    }
    if (dh) {
        c->SetMinHeight(shift(c->MinHeight(), dh));
        c->SetMaxHeight(shift(c->MaxHeight(), dh));
    }
}

void TForm::LayoutFrame()
{
    const int w = Handle()->width(), h = Handle()->height();
    const int mh = MenuBarHeight();
    if (FMenu && FMenu->MenuBar())
        FMenu->MenuBar()->setGeometry(0, 0, w, mh);
    FClient->setGeometry(0, mh, w, std::max(h - mh, 0));
}

void TForm::WindowFrameChanged()
{
    if (FSyncingFrame)
        return;
    const QRect frame = Handle()->frameGeometry();
    // The frame is known once the window exists; it may still change when the window manager
    // decorates the window, which reports another move or resize.
    FSyncingFrame = true;
    if (Handle()->windowHandle()) {
        const int oldWidth = FrameExtraWidth(), oldHeight = FrameExtraHeight();
        FFrameKnown = true;
        FFrameWidth = frame.width() - Handle()->width();
        FFrameHeight = frame.height() - Handle()->height();
        // A maximised window loses its side borders: its frame tells nothing about the next
        // window of its style.
        const bool normal = !(Handle()->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
        if (normal && (FFrameWidth > 0 || FFrameHeight > 0))
            gFrameEstimate[FBorderStyle] = {FFrameWidth, FFrameHeight, true};
        // Outer-size limits set while the frame was guessed keep the client size they meant.
        KeepConstraintsOnFrameChange(FFrameWidth - oldWidth, FFrameHeight - oldHeight);
    }
    TControl::SetBounds(frame.x(), frame.y(), frame.width(), frame.height());
    FSyncingFrame = false;
    ApplyMinimumSize();
    LayoutFrame();
    Resized();
}

void TForm::VisibleChanged()
{
    if (!Visible()) {
        Handle()->hide();
        return;
    }
    // A client-aligned form fills the screen's work area. One that opens maximised fills it
    // anyway and keeps its designed bounds, on the screen, for when it is restored: the work
    // area as outer bounds would run off the screen once the frame is added around it.
    if (Align() == alClient) {
        const TRect area = Screen->WorkAreaRect();
        const TRect bounds = FWindowState == wsMaximized ? KeptInside(BoundsRect(), area) : area;
        SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    }
    const bool systemPlaced = PlaceOnFirstShow();
    UpdateHandleGeometry();
    // Qt asks the window manager for the place of a window it was not told to move.
    if (systemPlaced)
        Handle()->setAttribute(Qt::WA_Moved, false);
    const int left = Left(), top = Top();
    switch (FWindowState) {
    case wsMaximized: Handle()->showMaximized(); break;
    case wsMinimized: Handle()->showMinimized(); break;
    default:
        Handle()->show();
        // Before its window existed Qt placed the client area, not the frame, at the position;
        // now that the frame is known, put the frame there.
        if (!systemPlaced && Handle()->frameGeometry().topLeft() != QPoint(left, top))
            Handle()->move(left, top);
        WindowFrameChanged();
        break;
    }
    ApplyWindowManagerHints();
}

void TForm::FontChanged() { FClient->setFont(ToQFont(*Font())); }

void TForm::TextChanged() { Handle()->setWindowTitle(QString::fromStdString(Caption())); }

void TForm::ShowForm()
{
    SetVisible(true);
    RestoreIfMinimized();
    Handle()->raise();
    Handle()->activateWindow();
}

bool TForm::Active() const { return Screen->ActiveForm() == this; }

void TForm::SetFocus()
{
    if (!Visible())
        return;
    RestoreIfMinimized();
    Handle()->raise();
    Handle()->activateWindow();
    // The control that had the focus here last gets it back; only a form without one takes the
    // focus itself.
    if (TWinControl* control = ActiveControl())
        control->Handle()->setFocus(Qt::ActiveWindowFocusReason);
    else
        FClient->setFocus(Qt::ActiveWindowFocusReason);
}

TWinControl* TForm::ActiveControl() const
{
    // Qt keeps, per window, the widget that had the focus last; a control's own inner widgets
    // (an edit's viewport) stand for the control.
    for (QWidget* w = Handle()->focusWidget(); w && w != FClient && w != Handle(); w = w->parentWidget())
        if (TWinControl* control = TQtBridge::ControlOf(w); control && control != this)
            return control;
    return nullptr;
}

void TForm::Close()
{
    const bool mainForm = Application && Application->MainForm() == this;
    TCloseAction action = mainForm ? caFree : caHide;
    OnClose(this, action);
    switch (action) {
    case caNone: return;
    case caMinimize: Handle()->showMinimized(); return;
    case caFree:
        if (mainForm) {
            Hide();
            Application->Terminate();
            return;
        }
        // A secondary window that asks to be freed is hidden: windows here are reused.
        Hide();
        return;
    case caHide: Hide(); return;
    }
}

void TForm::WindowCloseRequested() { Close(); }

void TForm::WindowActivationChanged(bool active)
{
    Perform(WM_ACTIVATE, active ? WA_ACTIVE : WA_INACTIVE, 0);
    if (active)
        Screen->FormActivated(this);
}

void TForm::WndProc(TMessage& message)
{
    if (message.Msg == WM_ACTIVATE) {
        WMActivate(message);
        return;
    }
    TWinControl::WndProc(message);
}

void TForm::WMActivate(TMessage& message) { message.Result = 0; }

void TForm::LoadLayout(std::string_view path)
{
    ReadLayoutResource(*this, path);
    OnCreate(this);
}

bool TForm::PlaceOnFirstShow()
{
    if (std::exchange(FPlaced, true))
        return false;
    const TForm* mainForm = Application ? Application->MainForm() : nullptr;
    switch (FPosition) {
    case poDesigned: return false;
    case poDefault:
    case poDefaultPosOnly: return true;
    case poMainFormCenter:
        // The main form itself, and a form shown before there is one, centre on the screen.
        if (mainForm && mainForm != this) {
            SetBounds(mainForm->Left() + (mainForm->Width() - Width()) / 2,
                      mainForm->Top() + (mainForm->Height() - Height()) / 2, Width(), Height());
            return false;
        }
        [[fallthrough]];
    case poScreenCenter:
        SetBounds((Screen->Width() - Width()) / 2, (Screen->Height() - Height()) / 2, Width(), Height());
        return false;
    }
    return false;
}

}  // namespace platform
