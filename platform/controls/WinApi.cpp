#include "controls/WinApi.h"

#include "controls/WinControl.h"
#include "controls/internal/MessageWindow.h"

#include <QCursor>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QImage>

#include <dlfcn.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace platform {

bool BitBlt(HDC dest, int x, int y, int w, int h, HDC src, int sx, int sy, DWORD rop)
{
    if (rop != SRCCOPY || !dest || !src || !dest->Image() || !src->Image())
        return false;
    QImage& to = *dest->Image();
    const QImage& from = *src->Image();
    // Work in image coordinates; clip the block against both clip rectangles.
    int dx = x + dest->Origin().X, dy = y + dest->Origin().Y;
    int fx = sx + src->Origin().X, fy = sy + src->Origin().Y;
    const TRect dc = dest->ClipRect(), sc = src->ClipRect();
    auto clip = [&](int& d, int& f, int& len, int dMin, int dMax, int fMin, int fMax) {
        int shift = std::max({0, dMin - d, fMin - f});
        d += shift;
        f += shift;
        len -= shift;
        len = std::min({len, dMax - d, fMax - f});
    };
    clip(dx, fx, w, dc.Left, dc.Right, sc.Left, sc.Right);
    clip(dy, fy, h, dc.Top, dc.Bottom, sc.Top, sc.Bottom);
    if (w <= 0 || h <= 0)
        return true;
    // The same image may be both source and target: copy through a row buffer.
    std::vector<std::uint32_t> row(static_cast<std::size_t>(w));
    const bool upward = &to == &from && dy > fy;
    for (int i = 0; i < h; ++i) {
        int r = upward ? h - 1 - i : i;
        std::memcpy(row.data(), reinterpret_cast<const std::uint32_t*>(from.constScanLine(fy + r)) + fx,
                    std::size_t(w) * 4);
        std::memcpy(reinterpret_cast<std::uint32_t*>(to.scanLine(dy + r)) + dx, row.data(), std::size_t(w) * 4);
    }
    return true;
}

void PostMessage(TWinControl* target, unsigned msg, std::intptr_t wParam, std::intptr_t lParam)
{
    if (!target)
        return;
    QPointer<QWidget> handle(target->Handle());
    QTimer::singleShot(0, handle, [handle, target, msg, wParam, lParam] {
        if (handle)
            target->Perform(msg, wParam, lParam);
    });
}

bool GetCursorPos(TPoint* point)
{
    if (!point)
        return false;
    QPoint p = QCursor::pos();
    *point = {p.x(), p.y()};
    return true;
}

HWND AllocateHWnd(TWndMethod method) { return new TMessageWindow(method); }

void DeallocateHWnd(HWND window) { delete window; }

std::uintptr_t SetTimer(HWND window, std::uintptr_t id, unsigned elapse, TIMERPROC timerFunc)
{
    if (!window || timerFunc)
        return 0;
    return window->StartTimer(id, elapse) ? id : 0;
}

bool KillTimer(HWND window, std::uintptr_t id) { return window && window->StopTimer(id); }

std::intptr_t DefWindowProc(HWND, unsigned, std::intptr_t, std::intptr_t) { return 0; }

HMODULE LoadLibraryA(const char* fileName)
{
    // Every reference resolved now, so a library that would fail a call later fails the load
    // instead; its symbols stay its own and do not leak into later loads.
    return dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
}

FARPROC GetProcAddress(HMODULE module, const char* procName)
{
    if (!module)
        return nullptr;
    // POSIX guarantees that a function's address survives the trip through void*.
    return reinterpret_cast<FARPROC>(dlsym(module, procName));
}

}  // namespace platform
