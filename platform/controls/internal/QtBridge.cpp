#include "controls/internal/QtBridge.h"

#include "controls/internal/MouseTracker.h"
#include "controls/WinControl.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCursor>
#include <QEnterEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWidget>

#include <utility>

namespace platform {

namespace {
constexpr const char* kControlProperty = "platform.control";

// The control that took the left button press; it gets the release wherever the mouse is.
TControl* gCaptured = nullptr;
TQtBridge::TErrorHandler gErrorHandler = nullptr;

TPoint ToClient(const TWinControl* control, QPointF global)
{
    QPoint p = control->ClientHandle()->mapFromGlobal(global.toPoint());
    return {p.x(), p.y()};
}

// A position in the host's client area, in the coordinates of the control found there.
TPoint Local(const TControl* target, const TWinControl* host, TPoint clientPos)
{
    if (target == host)
        return clientPos;
    return {clientPos.X - target->Left(), clientPos.Y - target->Top()};
}
}  // namespace

QCursor ToQCursor(TCursor cursor)
{
    static const std::pair<TCursor, Qt::CursorShape> kShapes[] = {
        {crArrow, Qt::ArrowCursor},        {crCross, Qt::CrossCursor},       {crIBeam, Qt::IBeamCursor},
        {crSizeNESW, Qt::SizeBDiagCursor}, {crSizeNS, Qt::SizeVerCursor},    {crSizeNWSE, Qt::SizeFDiagCursor},
        {crSizeWE, Qt::SizeHorCursor},     {crUpArrow, Qt::UpArrowCursor},   {crHourGlass, Qt::WaitCursor},
        {crNo, Qt::ForbiddenCursor},       {crHelp, Qt::WhatsThisCursor},    {crHandPoint, Qt::PointingHandCursor},
        {crSizeAll, Qt::SizeAllCursor},
    };
    for (auto [ours, shape] : kShapes)
        if (ours == cursor)
            return QCursor(shape);
    // crDefault, and numbers of cursors this library does not have.
    return QCursor();
}

TQtBridge& TQtBridge::Instance()
{
    // Never destroyed: widgets may still send events while the program shuts down.
    static TQtBridge* bridge = new TQtBridge;
    return *bridge;
}

void TQtBridge::Attach(QWidget* widget, TWinControl* control)
{
    widget->setProperty(kControlProperty, QVariant::fromValue(static_cast<void*>(control)));
    widget->installEventFilter(&Instance());
}

void TQtBridge::Detach(QWidget* widget)
{
    widget->removeEventFilter(&Instance());
    widget->setProperty(kControlProperty, QVariant());
}

TWinControl* TQtBridge::ControlOf(const QWidget* widget)
{
    if (!widget)
        return nullptr;
    return static_cast<TWinControl*>(widget->property(kControlProperty).value<void*>());
}

void TQtBridge::ForgetCapture(const TControl* control)
{
    if (gCaptured == control)
        gCaptured = nullptr;
}

bool TQtBridge::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    TWinControl* control = ControlOf(widget);
    if (!control)
        return false;
    const bool client = widget == control->ClientHandle();
    const bool selfDrawn = client && control->CustomDrawn();
    const bool ownMouse = client && control->TakesMouseMessages();
    // A top-level window's own widget: the frame of a form.
    const bool frame = widget == control->Handle() && widget->isWindow();
    try {
        switch (event->type()) {
        case QEvent::Paint: {
            if (!selfDrawn)
                return false;
            control->Perform(WM_PAINT, 0, 0);
            QPainter painter(widget);
            painter.drawImage(0, 0, *control->BackBuffer());
            return true;
        }
        case QEvent::Enter: {
            auto* e = static_cast<QEnterEvent*>(event);
            TMouseTracker::SetCurrent(control->ControlAtPos(ToClient(control, e->globalPosition())));
            return false;
        }
        case QEvent::Leave: {
            if (widget->isWindow()) {
                TMouseTracker::SetCurrent(nullptr);
            } else if (TWinControl* parent = ControlOf(widget->parentWidget())) {
                // The mouse went onto the parent, or on through it and out.
                TMouseTracker::SetCurrent(parent->ControlAtPos(ToClient(parent, QCursor::pos())));
            }
            return false;
        }
        case QEvent::MouseMove: {
            auto* e = static_cast<QMouseEvent*>(event);
            const TPoint p = ToClient(control, e->globalPosition());
            TControl* target = control->ControlAtPos(p);
            TMouseTracker::SetCurrent(target);
            // A graphic control has no widget of its own: its host shows its pointer shape.
            if (client && target->Cursor() != crDefault)
                widget->setCursor(ToQCursor(target->Cursor()));
            else if (client && control->Cursor() == crDefault)
                widget->unsetCursor();
            else if (client)
                widget->setCursor(ToQCursor(control->Cursor()));
            if (!ownMouse)
                return false;
            TControl* receiver = gCaptured ? gCaptured : target;
            const TPoint local = receiver->ScreenToClient({int(e->globalPosition().x()), int(e->globalPosition().y())});
            receiver->Perform(WM_MOUSEMOVE, 0, MakeLParam(local.X, local.Y));
            return true;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            auto* e = static_cast<QMouseEvent*>(event);
            if (!ownMouse || e->button() != Qt::LeftButton)
                return false;
            const TPoint p = ToClient(control, e->globalPosition());
            TControl* target = control->ControlAtPos(p);
            gCaptured = target;
            const TPoint local = Local(target, control, p);
            target->Perform(WM_LBUTTONDOWN, 0, MakeLParam(local.X, local.Y));
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* e = static_cast<QMouseEvent*>(event);
            if (!ownMouse || e->button() != Qt::LeftButton)
                return false;
            TControl* target = gCaptured;
            gCaptured = nullptr;
            if (target) {
                const TPoint global{int(e->globalPosition().x()), int(e->globalPosition().y())};
                const TPoint local = target->ScreenToClient(global);
                target->Perform(WM_LBUTTONUP, 0, MakeLParam(local.X, local.Y));
            }
            return true;
        }
        case QEvent::ToolTip: {
            // The hint of the control under the pointer, graphic children included. A control
            // that shows no hints leaves the question to its parent, which Qt asks next.
            auto* e = static_cast<QHelpEvent*>(event);
            const TControl* target = client ? control->ControlAtPos({e->pos().x(), e->pos().y()}) : control;
            if (!target->ShowHint()) {
                event->ignore();
                return true;
            }
            const std::string& hint = target->Hint();
            if (hint.empty()) {
                QToolTip::hideText();
                return true;
            }
            QRect area = widget->rect();
            if (target != control)
                area = QRect(target->Left(), target->Top(), target->Width(), target->Height());
            QToolTip::showText(e->globalPos(), QString::fromStdString(hint), widget, area);
            return true;
        }
        case QEvent::ContextMenu: {
            auto* e = static_cast<QContextMenuEvent*>(event);
            TControl* target = client ? control->ControlAtPos({e->pos().x(), e->pos().y()}) : control;
            return target->ContextPopup({e->globalPos().x(), e->globalPos().y()});
        }
        case QEvent::FocusIn:
            control->FocusReceived();
            return false;
        case QEvent::Move:
        case QEvent::Resize:
            if (frame)
                control->WindowFrameChanged();
            return false;
        case QEvent::WindowActivate:
            if (frame)
                control->WindowActivationChanged(true);
            return false;
        case QEvent::WindowDeactivate:
            if (frame)
                control->WindowActivationChanged(false);
            return false;
        case QEvent::Close:
            if (frame && event->spontaneous()) {
                // The close box: the form decides whether it hides or ends the program.
                event->ignore();
                control->WindowCloseRequested();
                return true;
            }
            return false;
        default:
            return false;
        }
    } catch (const std::exception& e) {
        ReportException(e);
        return true;
    }
}

void TQtBridge::SetErrorHandler(TErrorHandler handler) { gErrorHandler = handler; }

void TQtBridge::ReportException(const std::exception& e)
{
    if (gErrorHandler)
        gErrorHandler(e);
}

}  // namespace platform
