#pragma once
// The few window-system calls the components make, in their customary form.

#include "core/Event.h"
#include "core/Messages.h"
#include "core/Types.h"
#include "graphics/Canvas.h"

#include <cstdint>
#include <stdexcept>

namespace platform {

using DWORD = std::uint32_t;
// A device context: here, a canvas.
using HDC = TCanvas*;

constexpr DWORD SRCCOPY = 0x00CC0020;

// Copies a w × h block from src at (sx, sy) to dest at (x, y), clipped to both; only SRCCOPY
// is supported. Returns false for an unsupported operation or a missing canvas.
bool BitBlt(HDC dest, int x, int y, int w, int h, HDC src, int sx, int sy, DWORD rop);

class TWinControl;

// Queues a message for the control; it is delivered from the message loop, and dropped if the
// control's window is gone by then.
void PostMessage(TWinControl* target, unsigned msg, std::intptr_t wParam, std::intptr_t lParam);

// The mouse cursor's position on the screen.
bool GetCursorPos(TPoint* point);

// The window system ran out of something (timers): what the program asked for cannot be had.
class EOutOfResources : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Hidden windows: a message procedure without anything on screen, for timers. AllocateHWnd binds
// one to a method; DeallocateHWnd releases it and every timer on it.
class TMessageWindow;
using HWND = TMessageWindow*;
using TWndMethod = TEvent<TMessage&>;
HWND AllocateHWnd(TWndMethod method);
void DeallocateHWnd(HWND window);

// Starts timer `id` on the window, or restarts its period if it runs: the window receives
// WM_TIMER with WParam `id` every `elapse` milliseconds. There are no timer callbacks here;
// `timerFunc` must be null. Returns `id`, or 0 when no timer is available.
using TIMERPROC = void (*)();
std::uintptr_t SetTimer(HWND window, std::uintptr_t id, unsigned elapse, TIMERPROC timerFunc);
// Stops timer `id`; false when the window has no such timer.
bool KillTimer(HWND window, std::uintptr_t id);
// What a hidden window does with a message it does not handle: nothing; the result is 0.
std::intptr_t DefWindowProc(HWND window, unsigned msg, std::intptr_t wParam, std::intptr_t lParam);

// Libraries loaded at run time. LoadLibraryA loads by file name through the system's loader, so
// a bare name is found by the loader's own search order; it returns null when the library cannot
// be loaded. Nothing here unloads a library. GetProcAddress looks an export up by its exact name
// and returns null when the library has no such export.
using HMODULE = void*;
using FARPROC = void (*)();
HMODULE LoadLibraryA(const char* fileName);
FARPROC GetProcAddress(HMODULE module, const char* procName);

// Message-box flags and answers. The flags are or-ed together from four groups: the buttons
// (MB_TYPEMASK), the icon (MB_ICONMASK), which button is the default (MB_DEFMASK) and how the box
// stands among the other windows.
constexpr unsigned MB_OK = 0x00;
constexpr unsigned MB_OKCANCEL = 0x01;
constexpr unsigned MB_YESNOCANCEL = 0x03;
constexpr unsigned MB_YESNO = 0x04;
constexpr unsigned MB_RETRYCANCEL = 0x05;
constexpr unsigned MB_TYPEMASK = 0x0F;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONWARNING = 0x30;
constexpr unsigned MB_ICONEXCLAMATION = MB_ICONWARNING;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr unsigned MB_ICONMASK = 0xF0;
constexpr unsigned MB_DEFBUTTON1 = 0x000;
constexpr unsigned MB_DEFBUTTON2 = 0x100;
constexpr unsigned MB_DEFBUTTON3 = 0x200;
constexpr unsigned MB_DEFMASK = 0xF00;
// Brought to the foreground and activated, even when the program is not the active one.
constexpr unsigned MB_SETFOREGROUND = 0x10000;
// Above every window that is not itself on top, including other programs' windows.
constexpr unsigned MB_TOPMOST = 0x40000;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDRETRY = 4;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

}  // namespace platform
