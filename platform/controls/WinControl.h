#pragma once
// TWinControl: a control with a window of its own (a Qt widget, its handle) and an ordered list
// of child controls, in creation order; the components walk that order. A custom-drawn windowed
// control paints into an off-screen 32-bit image, then lets its visible graphic children paint
// into the same image, and the image reaches the screen in one copy.

#include "controls/Control.h"
#include "graphics/Canvas.h"

#include <memory>
#include <vector>

class QImage;
class QWidget;

namespace platform {

class TBitmap;

class TWinControl : public TControl {
    PLATFORM_CLASS(TWinControl)
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    int ControlCount() const { return int(FControls.size()); }
    TControl* Controls(int index) const { return FControls.at(std::size_t(index)); }
    int IndexOfControl(const TControl* control) const;

    // The window: the frame of a form, the widget of any other control.
    QWidget* Handle() const { return FHandle; }
    // Where children sit and the control paints: the client widget of a form, else the handle.
    virtual QWidget* ClientHandle() const { return FHandle; }

    // Paints the client area with its graphic children into the bitmap, as the screen shows it.
    void PaintTo(TBitmap& bitmap);
    // The canvas of the paint in progress; nullptr outside painting.
    TCanvas* Canvas() const { return FCanvas; }

    // The place among the parent's windowed children that Tab walks them in; setting it moves
    // the control there and the others along (out of range: last). -1 while it has no parent.
    int TabOrder() const;
    void SetTabOrder(int value);
    // Tab and Shift+Tab stop at the control; a control without it still takes the focus when
    // clicked, if it takes the focus at all.
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool value);
    // Stored only: Qt's style draws every control's edges; kept so that layouts naming it load.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value) { FCtl3D = value; }
    bool ParentCtl3D() const { return FParentCtl3D; }
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int value) { FHelpContext = value; }
    void SetParentCtl3D(bool value) { FParentCtl3D = value; }
    bool Focused() const;
    virtual void SetFocus();

    void SetBounds(int left, int top, int width, int height) override;
    void Invalidate() override;
    void Repaint() override;
    void WndProc(TMessage& message) override;
    TPoint ClientOrigin() const override;

    // Raised when the focus moves into the control or one of its children, and out of it.
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    // The topmost visible graphic child at a client position, else this control.
    TControl* ControlAtPos(TPoint p);
    // Places the aligned children: alTop ones stacked from the top edge across the full width,
    // alBottom from the bottom, then alLeft and alRight in what is left, alClient in the rest;
    // in child order within each kind.
    void AlignControls();
    // Sets the client area's size; the frame or border keeps its size.
    virtual void SetClientSize(int width, int height);

    // The window system moved the input focus to this control's window: OnExit for the controls
    // it left, innermost first, then OnEnter for those it entered, outermost first. Within one
    // top-level window; switching windows keeps each window's focused control.
    void FocusReceived();

    // Invalidates part of the client area (a graphic child's rectangle).
    void InvalidateRect(const TRect& rect);
    // The image the last paint drew into; graphic children read the picture beneath them from it.
    QImage* BackBuffer() const { return FBackBuffer.get(); }
    // Called by the handle's paint: paints into the back buffer and returns it.
    QImage& PaintHandler();

protected:
    // Adopts a widget made by a standard control (a button, a check box).
    TWinControl(TComponent* owner, QWidget* handle);

    // Draws the control's own content on Canvas(); the default fills the client area with Color.
    virtual void Paint();
    // Standard controls draw themselves through Qt; only custom-drawn ones paint here.
    virtual bool CustomDrawn() const { return true; }
    // Whether the bridge turns mouse input into messages: Qt's own widgets (buttons, edits) handle
    // theirs, but one that is only drawn by Qt (a label) still clicks like any other control.
    virtual bool TakesMouseMessages() const { return CustomDrawn(); }
    // The client area changed size: children follow their anchors and alignment.
    virtual void Resized();
    // With AutoSize on and children present, the children's bounding box becomes the client
    // area and the children move by its top-left corner; without children, as any control.
    void AdjustSize() override;
    void BoundsChanged() override;
    void VisibleChanged() override;
    void EnabledChanged() override;
    void CursorChanged() override;

    // Applies stored bounds and visibility to the widget.
    virtual void UpdateHandleGeometry();

    // What the window system does to a top-level window, reported by the Qt edge: its frame moved
    // or was resized, it was activated or deactivated, its close box was clicked. Only forms are
    // top-level windows; other controls ignore these.
    virtual void WindowFrameChanged() {}
    virtual void WindowActivationChanged(bool /*active*/) {}
    virtual void WindowCloseRequested() {}

private:
    friend class TControl;
    friend class TQtBridge;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    // Moves and sizes the children by their anchors, from where they stood when anchored.
    void ArrangeChildren();
    void ApplyFocusPolicy();
    // Chains the window's Tab stops in tab order: each control, then its own children.
    void UpdateTabChain();
    void CollectTabStops(std::vector<QWidget*>& chain) const;
    TWinControl* Root();
    void PaintInto(QImage& image);

    QWidget* FHandle = nullptr;
    std::vector<TControl*> FControls;
    std::unique_ptr<QImage> FBackBuffer;
    TCanvas* FCanvas = nullptr;
    int FTabOrder = -1;  // asked for before the control had a parent
    bool FTabStop = false;
    bool FCtl3D = true;
    bool FParentCtl3D = true;
    int FHelpContext = 0;
    // The windowed children in tab order.
    std::vector<TWinControl*> FTabList;
    // What the handle widget does with the focus by itself (a button takes it, a panel does not).
    int FNaturalFocusPolicy = 0;
    // For a top-level control: the control in its window that has the focus.
    TWinControl* FFocusedControl = nullptr;
    int FLastClientWidth = 0;
    int FLastClientHeight = 0;
    // Set while AlignControls places children, whose own resizing would call it again.
    bool FAligning = false;
};

}  // namespace platform
