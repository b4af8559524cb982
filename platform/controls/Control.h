#pragma once
// TControl: anything that shows inside a window. It keeps its own bounds and state and receives
// every window-system event as a message through WndProc.

#include "core/Component.h"
#include "core/Event.h"
#include "core/Messages.h"
#include "core/Types.h"
#include "graphics/Color.h"

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

class TFont;
class TPopupMenu;
class TSizeConstraints;
class TWinControl;

enum TControlStyleFlag : std::uint8_t {
    csReplicatable = 1 << 0,  // may be painted into other surfaces
    csOpaque = 1 << 1,        // covers its whole area: no background erase before a paint
    csSetCaption = 1 << 2,    // takes its component name as caption while the caption is empty
};

enum TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };
using TShiftState = std::uint8_t;
using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
// Asked before a resize: the handler may change the new size, or refuse it (Resize = false).
using TCanResizeEvent = TEvent<TObject*, int& /*NewWidth*/, int& /*NewHeight*/, bool& /*Resize*/>;
// Asked before a resize with the size limits in force (0: no limit); the handler may change them.
using TConstrainedResizeEvent =
    TEvent<TObject*, int& /*MinWidth*/, int& /*MinHeight*/, int& /*MaxWidth*/, int& /*MaxHeight*/>;

// The mouse pointer's shape over a control; the standard shapes are small negative numbers.
using TCursor = std::int16_t;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crNo = -18;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

// Opens a popup menu at a screen position. The menus sit in stdctrls/, above this folder, so
// they install it when the first one is made.
using TPopupMenuPresenter = void (*)(TPopupMenu* menu, TPoint screenPos);
void SetPopupMenuPresenter(TPopupMenuPresenter presenter);

enum TBiDiMode : std::uint8_t { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

class TControl : public TComponent {
    PLATFORM_CLASS(TControl)
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* parent);

    int Left() const { return FLeft; }
    void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
    int Top() const { return FTop; }
    void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
    int Width() const { return FWidth; }
    void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
    int Height() const { return FHeight; }
    void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    virtual int ClientWidth() const { return FWidth; }
    virtual int ClientHeight() const { return FHeight; }
    TRect ClientRect() const { return Rect(0, 0, ClientWidth(), ClientHeight()); }

    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign value);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors value);
    TSizeConstraints* Constraints() const { return FConstraints.get(); }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);

    std::uint8_t ControlStyle() const { return FControlStyle; }
    void SetControlStyle(std::uint8_t value) { FControlStyle = value; }
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TFont* Font() const { return FFont.get(); }
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool value) { FParentShowHint = value; }
    // Taken from the parent while ParentShowHint is on.
    bool ShowHint() const;
    void SetShowHint(bool value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& value) { FHint = value; }
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);
    // Shown at the pointer by a right click on the control. Not owned.
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* value) { FPopupMenu = value; }
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode value) { FBiDiMode = value; }
    bool ParentBiDiMode() const { return FParentBiDiMode; }
    void SetParentBiDiMode(bool value) { FParentBiDiMode = value; }

    // Requests a repaint of the control's area; the window system paints it soon.
    virtual void Invalidate();
    // Paints the control's area now.
    virtual void Repaint();
    void BringToFront();

    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;
    // The control's client origin in its window's client area (for graphic controls: the part
    // of the parent they cover).
    virtual TPoint ClientOrigin() const;

    // A right click at a screen position: opens the PopupMenu of the control, or else of the
    // nearest parent that has one. False when none has.
    bool ContextPopup(TPoint screenPos);

    // Delivers a message synchronously and returns its result.
    std::intptr_t Perform(unsigned msg, std::intptr_t wParam, std::intptr_t lParam);
    // The one entry point for messages; dispatches to the handlers below.
    virtual void WndProc(TMessage& message);

    // The click operation: a left press and release over the control, or a call from code.
    virtual void Click();

    void SetParentComponent(TComponent* parent) override;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TCanResizeEvent OnCanResize;
    TConstrainedResizeEvent OnConstrainedResize;
    // Raised after the control's size changed.
    TNotifyEvent OnResize;

protected:
    // While AutoSize is on, asked for the size the control wants; may change either argument.
    virtual bool ProposeAutoSize(int& newWidth, int& newHeight);
    // Applies AutoSize now.
    virtual void AdjustSize();

    virtual void CMMouseEnter(TMessage& message);
    virtual void CMMouseLeave(TMessage& message);
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    // What a control does with a message it has no handler for: mouse-entered and mouse-left
    // notifications go on to the parent; everything else is dropped.
    virtual void DefaultHandler(TMessage& message);

    // Hooks for the window-system side of the state.
    virtual void BoundsChanged() {}
    virtual void VisibleChanged() {}
    virtual void TextChanged() {}
    virtual void ColorChanged() { Invalidate(); }
    virtual void FontChanged() {}
    virtual void EnabledChanged() {}
    virtual void CursorChanged() {}
    // The bounds this control had when its anchors last took effect; TWinControl moves its
    // children by them when its client area is resized.
    friend class TWinControl;
    void RecordAnchorBase();
    // Set while a parent moves its children by their anchors, which keeps their anchor base.
    static inline bool sArranging = false;

private:
    void WMLButtonDown(TMessage& message);
    void WMLButtonUp(TMessage& message);
    void WMMouseMove(TMessage& message);
    // OnCanResize: may change the new size; false keeps the old one.
    bool CanResize(int& width, int& height);
    // The size limits, as OnConstrainedResize may adjust them, applied to the new size.
    void ApplyConstraints(int& width, int& height);
    void ConstraintsChanged(TObject*);
    void FontObjectChanged(TObject*);

    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    bool FVisible = true;
    bool FEnabled = true;
    TAlign FAlign = alNone;
    TAnchors FAnchors{akLeft, akTop};
    std::unique_ptr<TSizeConstraints> FConstraints;
    bool FAutoSize = false;
    std::uint8_t FControlStyle = 0;
    std::string FCaption;
    TColor FColor = clBtnFace;
    std::unique_ptr<TFont> FFont;
    bool FParentShowHint = true;
    bool FShowHint = false;
    std::string FHint;
    TCursor FCursor = crDefault;
    TPopupMenu* FPopupMenu = nullptr;
    TBiDiMode FBiDiMode = bdLeftToRight;
    bool FParentBiDiMode = true;
    bool FPressed = false;
    // Anchor base: bounds and the parent's client size when the anchors took effect.
    TRect FAnchorBounds;
    int FAnchorParentWidth = 0;
    int FAnchorParentHeight = 0;
};

}  // namespace platform
