#include "controls/WinControl.h"

#include "controls/GraphicControl.h"
#include "controls/internal/QtBridge.h"
#include "core/ClassInfo.h"
#include "graphics/Bitmap.h"

#include <QImage>
#include <QWidget>

#include <algorithm>

namespace platform {

const TClassInfo& TWinControl::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TWinControl, TControl>("TWinControl")
        .Integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder, -1).Hidden()
        .Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, false).Hidden()
        .Build();
    return info;
}

TWinControl::TWinControl(TComponent* owner) : TWinControl(owner, new QWidget) {}

TWinControl::TWinControl(TComponent* owner, QWidget* handle)
    : TControl(owner), FHandle(handle), FBackBuffer(std::make_unique<QImage>())
{
    // The default paint fills the whole client area.
    SetControlStyle(ControlStyle() | csOpaque);
    FHandle->hide();
    FHandle->setMouseTracking(true);
    TQtBridge::Attach(FHandle, this);
}

TWinControl::~TWinControl()
{
    // Child controls go with their parent window, whoever owns them.
    TQtBridge::Detach(FHandle);
    while (!FControls.empty())
        delete FControls.back();
    delete FHandle;
}

int TWinControl::IndexOfControl(const TControl* control) const
{
    auto it = std::find(FControls.begin(), FControls.end(), control);
    return it == FControls.end() ? -1 : int(it - FControls.begin());
}

void TWinControl::InsertControl(TControl* control)
{
    FControls.push_back(control);
    control->FParent = this;
    if (auto* win = dynamic_cast<TWinControl*>(control)) {
        win->FHandle->setParent(ClientHandle());
        win->UpdateHandleGeometry();
        win->FHandle->raise();
    }
    if (control->Align() != alNone)
        AlignControls();
}

void TWinControl::RemoveControl(TControl* control)
{
    FControls.erase(std::remove(FControls.begin(), FControls.end(), control), FControls.end());
    control->FParent = nullptr;
    if (auto* win = dynamic_cast<TWinControl*>(control)) {
        win->FHandle->hide();
        win->FHandle->setParent(nullptr);
    }
}

void TWinControl::SetBounds(int left, int top, int width, int height)
{
    TControl::SetBounds(left, top, width, height);
}

void TWinControl::BoundsChanged()
{
    UpdateHandleGeometry();
    Resized();
}

void TWinControl::VisibleChanged() { UpdateHandleGeometry(); }

void TWinControl::EnabledChanged() { FHandle->setEnabled(Enabled()); }

void TWinControl::UpdateHandleGeometry()
{
    FHandle->setGeometry(Left(), Top(), std::max(Width(), 0), std::max(Height(), 0));
    // A widget without a parent would be a window of its own: keep it hidden until placed.
    FHandle->setVisible(Visible() && Parent() != nullptr);
}

void TWinControl::Resized()
{
    const int oldW = FLastClientWidth, oldH = FLastClientHeight;
    FLastClientWidth = ClientWidth();
    FLastClientHeight = ClientHeight();
    if (oldW != FLastClientWidth || oldH != FLastClientHeight)
        ArrangeChildren();
}

void TWinControl::ArrangeChildren()
{
    const int cw = ClientWidth(), ch = ClientHeight();
    sArranging = true;
    for (TControl* c : std::vector<TControl*>(FControls)) {
        const TAnchors a = c->FAnchors;
        const TRect b = c->FAnchorBounds;
        const int dw = cw - c->FAnchorParentWidth, dh = ch - c->FAnchorParentHeight;
        int l = b.Left, t = b.Top, w = b.Width(), h = b.Height();
        // Anchored to both sides: stretch; to the far side only: move; to neither: keep the
        // control where it was relative to the middle.
        if (a.Contains(akRight)) {
            if (a.Contains(akLeft))
                w += dw;
            else
                l += dw;
        } else if (!a.Contains(akLeft)) {
            l += dw / 2;
        }
        if (a.Contains(akBottom)) {
            if (a.Contains(akTop))
                h += dh;
            else
                t += dh;
        } else if (!a.Contains(akTop)) {
            t += dh / 2;
        }
        c->SetBounds(l, t, w, h);
    }
    sArranging = false;
    AlignControls();
}

void TWinControl::AlignControls()
{
    if (FAligning || IsLoading())
        return;
    FAligning = true;
    TRect free = ClientRect();
    auto place = [&](TAlign align) {
        for (TControl* c : std::vector<TControl*>(FControls)) {
            if (c->Align() != align || !c->Visible())
                continue;
            const int w = c->Width(), h = c->Height();
            switch (align) {
            case alTop:
                c->SetBounds(free.Left, free.Top, free.Width(), h);
                free.Top += h;
                break;
            case alBottom:
                c->SetBounds(free.Left, free.Bottom - h, free.Width(), h);
                free.Bottom -= h;
                break;
            case alLeft:
                c->SetBounds(free.Left, free.Top, w, free.Height());
                free.Left += w;
                break;
            case alRight:
                c->SetBounds(free.Right - w, free.Top, w, free.Height());
                free.Right -= w;
                break;
            case alClient: c->SetBounds(free.Left, free.Top, free.Width(), free.Height()); break;
            case alNone: break;
            }
        }
    };
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient})
        place(align);
    FAligning = false;
}

void TWinControl::SetClientSize(int width, int height)
{
    SetBounds(Left(), Top(), width + Width() - ClientWidth(), height + Height() - ClientHeight());
}

void TWinControl::AdjustSize()
{
    if (!AutoSize() || IsLoading() || FControls.empty()) {
        TControl::AdjustSize();
        return;
    }
    bool any = false;
    TRect box;
    for (const TControl* c : FControls) {
        if (!c->Visible())
            continue;
        const TRect b = c->BoundsRect();
        box = any ? TRect{std::min(box.Left, b.Left), std::min(box.Top, b.Top), std::max(box.Right, b.Right),
                          std::max(box.Bottom, b.Bottom)}
                  : b;
        any = true;
    }
    if (!any)
        return;
    if (box.Left != 0 || box.Top != 0)
        for (TControl* c : std::vector<TControl*>(FControls))
            c->SetBounds(c->Left() - box.Left, c->Top() - box.Top, c->Width(), c->Height());
    SetClientSize(box.Width(), box.Height());
}

TPoint TWinControl::ClientOrigin() const
{
    QPoint p = ClientHandle()->mapToGlobal(QPoint(0, 0));
    return {p.x(), p.y()};
}

bool TWinControl::Focused() const { return FHandle->hasFocus() || ClientHandle()->hasFocus(); }

void TWinControl::SetFocus()
{
    FHandle->window()->activateWindow();
    FHandle->setFocus(Qt::OtherFocusReason);
}

void TWinControl::Invalidate()
{
    ClientHandle()->update();
}

void TWinControl::Repaint() { ClientHandle()->repaint(); }

void TWinControl::InvalidateRect(const TRect& rect)
{
    ClientHandle()->update(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()));
}

TControl* TWinControl::ControlAtPos(TPoint p)
{
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        auto* g = dynamic_cast<TGraphicControl*>(*it);
        if (g && g->Visible() && g->BoundsRect().Contains(p))
            return g;
    }
    return this;
}

void TWinControl::WndProc(TMessage& message)
{
    if (message.Msg == WM_PAINT) {
        PaintHandler();
        return;
    }
    TControl::WndProc(message);
}

QImage& TWinControl::PaintHandler()
{
    const int w = std::max(ClientWidth(), 1), h = std::max(ClientHeight(), 1);
    if (FBackBuffer->width() != w || FBackBuffer->height() != h)
        *FBackBuffer = QImage(w, h, QImage::Format_RGB32);
    PaintInto(*FBackBuffer);
    return *FBackBuffer;
}

void TWinControl::PaintTo(TBitmap& bitmap)
{
    bitmap.SetSize(ClientWidth(), ClientHeight());
    if (bitmap.Image().isNull())
        return;
    PaintInto(bitmap.Image());
    // Windowed children draw themselves through their own widgets.
    for (TControl* c : FControls) {
        auto* win = dynamic_cast<TWinControl*>(c);
        if (win && win->Visible())
            win->FHandle->render(&bitmap.Image(), QPoint(win->Left(), win->Top()), QRegion(),
                                 QWidget::DrawChildren);
    }
}

void TWinControl::PaintInto(QImage& image)
{
    if (CustomDrawn()) {
        TCanvas canvas(&image);
        struct Restore {
            TCanvas*& slot;
            ~Restore() { slot = nullptr; }
        } restore{FCanvas};
        FCanvas = &canvas;
        // A control that does not cover its whole area gets its background erased first.
        if (!(ControlStyle() & csOpaque))
            image.fill(ColorToPixel(Color()));
        Paint();
    }
    // Copy the list: a child's paint may reorder its siblings (a highlight brought to the front).
    for (TControl* c : std::vector<TControl*>(FControls)) {
        auto* g = dynamic_cast<TGraphicControl*>(c);
        if (!g || !g->Visible() || IndexOfControl(g) < 0)
            continue;
        TCanvas canvas(&image, {g->Left(), g->Top()}, g->BoundsRect());
        g->PaintOn(canvas);
    }
}

void TWinControl::Paint()
{
    if (!FCanvas)
        return;
    FCanvas->Brush().Color = Color();
    FCanvas->Brush().Style = bsSolid;
    FCanvas->FillRect(ClientRect());
}

}  // namespace platform
