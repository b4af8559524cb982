// Hidden windows and their timers: WM_TIMER delivery, restart, stop, release, the timer limit.

#include "controls/WinApi.h"
#include "controls/internal/MessageWindow.h"

#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace platform;

class TTimerSink {
public:
    void WndProc(TMessage& message)
    {
        if (message.Msg == WM_TIMER)
            Ticks.push_back(message.WParam);
    }
    std::vector<std::intptr_t> Ticks;
};

constexpr int kWaitMs = 2000;

TEST(MessageWindow, TimerTicksCarryTheirIdUntilKilled)
{
    TTimerSink sink;
    HWND window = AllocateHWnd(Method(&TTimerSink::WndProc, &sink));
    EXPECT_EQ(SetTimer(window, 7, 10, nullptr), 7u);
    ASSERT_TRUE(QTest::qWaitFor([&] { return sink.Ticks.size() >= 2; }, kWaitMs));
    EXPECT_EQ(sink.Ticks.front(), 7);

    EXPECT_TRUE(KillTimer(window, 7));
    EXPECT_FALSE(KillTimer(window, 7)) << "a stopped timer cannot be stopped again";
    const std::size_t ticks = sink.Ticks.size();
    QTest::qWait(50);
    EXPECT_EQ(sink.Ticks.size(), ticks) << "no tick after KillTimer";
    EXPECT_EQ(DefWindowProc(window, WM_TIMER, 0, 0), 0);
    DeallocateHWnd(window);
}

TEST(MessageWindow, SettingARunningTimerRestartsItAndReleasingTheWindowEndsIt)
{
    const int before = TMessageWindow::RunningTimers();
    TTimerSink sink;
    HWND window = AllocateHWnd(Method(&TTimerSink::WndProc, &sink));
    ASSERT_EQ(SetTimer(window, 1, 60000, nullptr), 1u);
    ASSERT_EQ(SetTimer(window, 1, 60000, nullptr), 1u);
    EXPECT_EQ(TMessageWindow::RunningTimers(), before + 1) << "a restart is not a second timer";
    DeallocateHWnd(window);
    EXPECT_EQ(TMessageWindow::RunningTimers(), before);
}

TEST(MessageWindow, RefusedTimersReturnZero)
{
    TTimerSink sink;
    HWND window = AllocateHWnd(Method(&TTimerSink::WndProc, &sink));
    EXPECT_EQ(SetTimer(nullptr, 1, 100, nullptr), 0u) << "no window";
    EXPECT_EQ(SetTimer(window, 1, 100, [] {}), 0u) << "callbacks are not supported";

    const int limit = TMessageWindow::TimerLimit();
    TMessageWindow::SetTimerLimit(TMessageWindow::RunningTimers());
    EXPECT_EQ(SetTimer(window, 1, 100, nullptr), 0u) << "the limit is reached";
    TMessageWindow::SetTimerLimit(limit);
    EXPECT_EQ(SetTimer(window, 1, 100, nullptr), 1u);
    DeallocateHWnd(window);
}

}  // namespace
