#pragma once
// The edge between Qt and the class library: every Qt event that the controls care about turns
// into a message here, and nowhere else. Internal to the platform layer.

#include "controls/Control.h"

#include <QCursor>
#include <QObject>

#include <exception>

class QWidget;

namespace platform {

class TControl;
class TWinControl;

// The Qt pointer shape for one of ours; crDefault is the widget's own.
QCursor ToQCursor(TCursor cursor);

class TQtBridge : public QObject {
public:
    // Binds a handle widget to its control and starts translating its events.
    static void Attach(QWidget* widget, TWinControl* control);
    static void Detach(QWidget* widget);
    // The control a widget is the handle (or client widget) of.
    static TWinControl* ControlOf(const QWidget* widget);
    // A control that is going away no longer receives the mouse release.
    static void ForgetCapture(const TControl* control);

    // Runs a call that a Qt signal makes (a button's click, a menu command): an error it raises
    // goes to the application's handler instead of unwinding through Qt, which cannot take it.
    template <class F>
    static void Guard(F&& call)
    {
        try {
            call();
        } catch (const std::exception& e) {
            ReportException(e);
        }
    }
    static void ReportException(const std::exception& e);
    // Where those errors go: the application installs its handler here.
    using TErrorHandler = void (*)(const std::exception& e);
    static void SetErrorHandler(TErrorHandler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static TQtBridge& Instance();
};

}  // namespace platform
