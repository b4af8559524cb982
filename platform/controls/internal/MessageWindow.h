#pragma once
// A hidden window bound to an object's method: it has no widget, only a message procedure and
// the window-system timers set on it. Internal to the platform layer; components hold it as an
// HWND from AllocateHWnd.

#include "controls/WinApi.h"

#include <QObject>

#include <cstdint>
#include <map>

namespace platform {

class TMessageWindow : public QObject {
public:
    explicit TMessageWindow(TWndMethod method);
    ~TMessageWindow() override;

    // Starts or restarts timer `id`; false when the window system has no timer to give.
    bool StartTimer(std::uintptr_t id, unsigned milliseconds);
    bool StopTimer(std::uintptr_t id);
    // Delivers a message to the bound method.
    void Dispatch(TMessage& message);

    // How many timers all hidden windows may run at once; the window system's limit, lowered
    // by tests to see what happens when it is reached.
    static int TimerLimit();
    static void SetTimerLimit(int limit);
    static int RunningTimers();

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    TWndMethod FMethod;
    // Our timer id → Qt's.
    std::map<std::uintptr_t, int> FTimers;
};

}  // namespace platform
