#include "controls/internal/MessageWindow.h"

#include "controls/internal/QtBridge.h"

#include <QTimerEvent>

namespace platform {

namespace {
// The window system's usual per-process limit.
constexpr int kDefaultTimerLimit = 10000;
int gTimerLimit = kDefaultTimerLimit;
int gRunningTimers = 0;
}  // namespace

TMessageWindow::TMessageWindow(TWndMethod method) : FMethod(method) {}

TMessageWindow::~TMessageWindow()
{
    // Releasing the window ends its timers.
    for (const auto& [id, qtId] : FTimers)
        killTimer(qtId);
    gRunningTimers -= int(FTimers.size());
}

bool TMessageWindow::StartTimer(std::uintptr_t id, unsigned milliseconds)
{
    auto existing = FTimers.find(id);
    if (existing != FTimers.end()) {
        // Setting a running timer again restarts its period.
        killTimer(existing->second);
        FTimers.erase(existing);
        --gRunningTimers;
    }
    if (gRunningTimers >= gTimerLimit)
        return false;
    const int qtId = startTimer(int(milliseconds), Qt::PreciseTimer);
    if (qtId == 0)
        return false;
    FTimers[id] = qtId;
    ++gRunningTimers;
    return true;
}

bool TMessageWindow::StopTimer(std::uintptr_t id)
{
    auto timer = FTimers.find(id);
    if (timer == FTimers.end())
        return false;
    killTimer(timer->second);
    FTimers.erase(timer);
    --gRunningTimers;
    return true;
}

void TMessageWindow::Dispatch(TMessage& message) { FMethod(message); }

void TMessageWindow::timerEvent(QTimerEvent* event)
{
    for (const auto& [id, qtId] : FTimers) {
        if (qtId != event->timerId())
            continue;
        TMessage message{WM_TIMER, std::intptr_t(id), 0, 0};
        // The method may free this window: nothing here touches it afterwards.
        TQtBridge::Guard([&] { Dispatch(message); });
        return;
    }
}

int TMessageWindow::TimerLimit() { return gTimerLimit; }

void TMessageWindow::SetTimerLimit(int limit) { gTimerLimit = limit; }

int TMessageWindow::RunningTimers() { return gRunningTimers; }

}  // namespace platform
