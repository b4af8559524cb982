#pragma once
// Moving the real pointer of the offscreen platform: the platform then delivers the enter,
// leave and move events as a window system would, and GetCursorPos reads the same position.

#include <QCoreApplication>
#include <QCursor>
#include <QPoint>
#include <QTest>

#include <functional>

namespace testsupport {

inline void MovePointer(QPoint global)
{
    QCursor::setPos(global);
    QCoreApplication::processEvents();
}

// Waits for the condition while the event loop runs; false when it never held.
inline bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 3000)
{
    return QTest::qWaitFor(condition, timeoutMs);
}

}  // namespace testsupport
