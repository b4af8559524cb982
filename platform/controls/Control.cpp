#include "controls/Control.h"

#include "controls/internal/MouseTracker.h"
#include "controls/internal/QtBridge.h"
#include "controls/SizeConstraints.h"
#include "controls/WinControl.h"
#include "core/ClassInfo.h"
#include "graphics/Font.h"

namespace platform {

template <>
const TEnumInfo& EnumInfoOf<TAlign>()
{
    static const TEnumInfo info{"TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"}};
    return info;
}

template <>
const TEnumInfo& EnumInfoOf<TAnchorKind>()
{
    static const TEnumInfo info{"TAnchorKind", {"akLeft", "akTop", "akRight", "akBottom"}};
    return info;
}

template <>
const TEnumInfo& EnumInfoOf<TBiDiMode>()
{
    static const TEnumInfo info{"TBiDiMode",
                                {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"}};
    return info;
}

const TClassInfo& TControl::StaticClass()
{
    // Every control shows its bounds in a layout; the rest waits for descendants to publish it.
    static const TClassInfo info = TClassBuilder<TControl, TComponent>("TControl")
        .Integer("Left", &TControl::Left, &TControl::SetLeft)
        .Integer("Top", &TControl::Top, &TControl::SetTop)
        .Integer("Width", &TControl::Width, &TControl::SetWidth)
        .Integer("Height", &TControl::Height, &TControl::SetHeight)
        .Enum("Align", &TControl::Align, &TControl::SetAlign, alNone).Hidden()
        .Set<TAnchorKind>("Anchors", &TControl::Anchors, &TControl::SetAnchors, TAnchors{akLeft, akTop}).Hidden()
        .Boolean("AutoSize", &TControl::AutoSize, &TControl::SetAutoSize, false).Hidden()
        .String("Caption", &TControl::Caption, &TControl::SetCaption).Hidden()
        .Color("Color", &TControl::Color, &TControl::SetColor, clBtnFace).Hidden()
        .Object("Constraints", &TControl::Constraints).Hidden()
        .Boolean("Enabled", &TControl::Enabled, &TControl::SetEnabled, true).Hidden()
        .Object("Font", &TControl::Font).Hidden()
        // Published on every control, as Left, Top, Width and Height are.
        .Integer("Cursor", &TControl::Cursor, &TControl::SetCursor, crDefault)
        .String("Hint", &TControl::Hint, &TControl::SetHint, std::string())
        // Stored only: every text here runs left to right and the custom-drawn controls place
        // theirs in pixels, so there is nothing to mirror; kept so that layouts naming it load.
        .Enum("BiDiMode", &TControl::BiDiMode, &TControl::SetBiDiMode).Hidden()
        .Boolean("ParentBiDiMode", &TControl::ParentBiDiMode, &TControl::SetParentBiDiMode, true).Hidden()
        .Boolean("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint, true).Hidden()
        .Boolean("ShowHint", &TControl::ShowHint, &TControl::SetShowHint).Hidden()
        .Boolean("Visible", &TControl::Visible, &TControl::SetVisible, true).Hidden()
        .Event("OnClick", &TControl::OnClick).Hidden()
        .Event("OnDblClick", &TControl::OnDblClick).Hidden()
        .Event("OnMouseDown", &TControl::OnMouseDown).Hidden()
        .Event("OnMouseMove", &TControl::OnMouseMove).Hidden()
        .Event("OnMouseUp", &TControl::OnMouseUp).Hidden()
        .Event("OnCanResize", &TControl::OnCanResize).Hidden()
        .Event("OnConstrainedResize", &TControl::OnConstrainedResize).Hidden()
        .Event("OnResize", &TControl::OnResize).Hidden()
        // PopupMenu is registered by the classes that publish it: its class, TPopupMenu, sits in
        // stdctrls/, above this folder, and a reference property needs the class it refers to.
        .Build();
    return info;
}

TControl::TControl(TComponent* owner)
    : TComponent(owner),
      FConstraints(std::make_unique<TSizeConstraints>()),
      FFont(std::make_unique<TFont>())
{
    FConstraints->OnChange = Method(&TControl::ConstraintsChanged, this);
    FFont->OnChange = Method(&TControl::FontObjectChanged, this);
}

TControl::~TControl()
{
    TMouseTracker::Forget(this);
    TQtBridge::ForgetCapture(this);
    if (FParent)
        FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == FParent)
        return;
    if (parent == this)
        throw std::invalid_argument("a control cannot be its own parent");
    if (FParent) {
        Invalidate();
        FParent->RemoveControl(this);
    }
    if (parent)
        parent->InsertControl(this);
    RecordAnchorBase();
    Invalidate();
    AdjustSize();
}

void TControl::SetParentComponent(TComponent* parent)
{
    if (auto* control = dynamic_cast<TWinControl*>(parent))
        SetParent(control);
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    if ((width != FWidth || height != FHeight) && !CanResize(width, height)) {
        width = FWidth;
        height = FHeight;
    }
    ApplyConstraints(width, height);
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight)
        return;
    Invalidate();
    const bool resized = width != FWidth || height != FHeight;
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    RecordAnchorBase();
    BoundsChanged();
    Invalidate();
    // An aligned control that changes size moves its aligned siblings.
    if (FAlign != alNone && FParent)
        FParent->AlignControls();
    if (resized)
        OnResize(this);
}

bool TControl::CanResize(int& width, int& height)
{
    bool resize = true;
    OnCanResize(this, width, height, resize);
    return resize;
}

void TControl::ApplyConstraints(int& width, int& height)
{
    if (!OnConstrainedResize) {
        FConstraints->Apply(width, height);
        return;
    }
    // The handler adjusts the limits for this one resize; the stored constraints stay as set.
    int minW = FConstraints->MinWidth(), minH = FConstraints->MinHeight();
    int maxW = FConstraints->MaxWidth(), maxH = FConstraints->MaxHeight();
    OnConstrainedResize(this, minW, minH, maxW, maxH);
    TSizeConstraints::Apply(width, height, minW, minH, maxW, maxH);
}

namespace {
TPopupMenuPresenter gPopupMenuPresenter = nullptr;
}  // namespace

void SetPopupMenuPresenter(TPopupMenuPresenter presenter) { gPopupMenuPresenter = presenter; }

bool TControl::ContextPopup(TPoint screenPos)
{
    for (TControl* c = this; c; c = c->Parent()) {
        if (c->FPopupMenu && gPopupMenuPresenter) {
            gPopupMenuPresenter(c->FPopupMenu, screenPos);
            return true;
        }
    }
    return false;
}

void TControl::SetCursor(TCursor value)
{
    if (value == FCursor)
        return;
    FCursor = value;
    CursorChanged();
}

void TControl::RecordAnchorBase()
{
    if (sArranging)
        return;
    FAnchorBounds = BoundsRect();
    FAnchorParentWidth = FParent ? FParent->ClientWidth() : 0;
    FAnchorParentHeight = FParent ? FParent->ClientHeight() : 0;
}

void TControl::SetVisible(bool value)
{
    if (value == FVisible)
        return;
    if (!value)
        Invalidate();
    FVisible = value;
    VisibleChanged();
    if (value)
        Invalidate();
}

void TControl::SetEnabled(bool value)
{
    if (value == FEnabled)
        return;
    FEnabled = value;
    EnabledChanged();
    Invalidate();
}

void TControl::SetAlign(TAlign value)
{
    if (value == FAlign)
        return;
    FAlign = value;
    if (FParent)
        FParent->AlignControls();
    AdjustSize();
}

void TControl::SetAnchors(TAnchors value)
{
    FAnchors = value;
    RecordAnchorBase();
}

void TControl::SetAutoSize(bool value)
{
    if (value == FAutoSize)
        return;
    FAutoSize = value;
    AdjustSize();
}

void TControl::AdjustSize()
{
    // Until a control has a parent, or while its layout is read, it keeps the size it was given.
    if (!FAutoSize || !FParent || IsLoading())
        return;
    int w = FWidth, h = FHeight;
    if (ProposeAutoSize(w, h))
        SetBounds(FLeft, FTop, w, h);
}

bool TControl::ProposeAutoSize(int&, int&) { return true; }

void TControl::SetCaption(const std::string& value)
{
    if (value == FCaption)
        return;
    FCaption = value;
    TextChanged();
}

void TControl::SetColor(TColor value)
{
    if (value == FColor)
        return;
    FColor = value;
    ColorChanged();
}

bool TControl::ShowHint() const
{
    if (FParentShowHint && FParent)
        return FParent->ShowHint();
    return FShowHint;
}

void TControl::SetShowHint(bool value)
{
    FShowHint = value;
    FParentShowHint = false;
}

void TControl::Invalidate()
{
    if (FParent && FVisible)
        FParent->InvalidateRect(BoundsRect());
}

void TControl::Repaint()
{
    Invalidate();
    if (FParent)
        FParent->Repaint();
}

void TControl::BringToFront()
{
    if (!FParent)
        return;
    TWinControl* parent = FParent;
    parent->RemoveControl(this);
    parent->InsertControl(this);
    Invalidate();
}

TPoint TControl::ClientOrigin() const
{
    if (!FParent)
        return {FLeft, FTop};
    TPoint p = FParent->ClientOrigin();
    return {p.X + FLeft, p.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint p) const
{
    TPoint o = ClientOrigin();
    return {o.X + p.X, o.Y + p.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const
{
    TPoint o = ClientOrigin();
    return {p.X - o.X, p.Y - o.Y};
}

std::intptr_t TControl::Perform(unsigned msg, std::intptr_t wParam, std::intptr_t lParam)
{
    TMessage message{msg, wParam, lParam, 0};
    WndProc(message);
    return message.Result;
}

void TControl::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_MOUSEENTER: CMMouseEnter(message); break;
    case CM_MOUSELEAVE: CMMouseLeave(message); break;
    case WM_LBUTTONDOWN: WMLButtonDown(message); break;
    case WM_LBUTTONUP: WMLButtonUp(message); break;
    case WM_MOUSEMOVE: WMMouseMove(message); break;
    default: DefaultHandler(message); break;
    }
}

void TControl::DefaultHandler(TMessage& message)
{
    if ((message.Msg == CM_MOUSEENTER || message.Msg == CM_MOUSELEAVE) && FParent)
        FParent->Perform(message.Msg, message.WParam, message.LParam ? message.LParam : std::intptr_t(this));
}

void TControl::CMMouseEnter(TMessage& message) { DefaultHandler(message); }
void TControl::CMMouseLeave(TMessage& message) { DefaultHandler(message); }

void TControl::WMLButtonDown(TMessage& message)
{
    FPressed = true;
    MouseDown(mbLeft, TShiftState(message.WParam), LParamX(message.LParam), LParamY(message.LParam));
}

void TControl::WMLButtonUp(TMessage& message)
{
    int x = LParamX(message.LParam), y = LParamY(message.LParam);
    bool click = FPressed && ClientRect().Contains({x, y});
    FPressed = false;
    MouseUp(mbLeft, TShiftState(message.WParam), x, y);
    if (click && FEnabled)
        Click();
}

void TControl::WMMouseMove(TMessage& message)
{
    MouseMove(TShiftState(message.WParam), LParamX(message.LParam), LParamY(message.LParam));
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) { OnMouseMove(this, mbLeft, shift, x, y); }

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    OnMouseUp(this, button, shift, x, y);
}

void TControl::Click() { OnClick(this); }

void TControl::ConstraintsChanged(TObject*) { SetBounds(FLeft, FTop, FWidth, FHeight); }

void TControl::FontObjectChanged(TObject*) { FontChanged(); }

}  // namespace platform
