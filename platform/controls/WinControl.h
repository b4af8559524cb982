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

    int TabOrder() const { return FTabOrder; }
    void SetTabOrder(int value) { FTabOrder = value; }
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool value) { FTabStop = value; }
    bool Focused() const;
    virtual void SetFocus();

    void SetBounds(int left, int top, int width, int height) override;
    void Invalidate() override;
    void Repaint() override;
    void WndProc(TMessage& message) override;
    TPoint ClientOrigin() const override;

    // The topmost visible graphic child at a client position, else this control.
    TControl* ControlAtPos(TPoint p);
    // Places the aligned children: alTop ones stacked from the top edge across the full width,
    // alBottom from the bottom, then alLeft and alRight in what is left, alClient in the rest;
    // in child order within each kind.
    void AlignControls();
    // Sets the client area's size; the frame or border keeps its size.
    virtual void SetClientSize(int width, int height);

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
    void PaintInto(QImage& image);

    QWidget* FHandle = nullptr;
    std::vector<TControl*> FControls;
    std::unique_ptr<QImage> FBackBuffer;
    TCanvas* FCanvas = nullptr;
    int FTabOrder = -1;
    bool FTabStop = false;
    int FLastClientWidth = 0;
    int FLastClientHeight = 0;
    // Set while AlignControls places children, whose own resizing would call it again.
    bool FAligning = false;
};

}  // namespace platform
