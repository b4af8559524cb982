#pragma once
// Message numbers and the message record. Window-system events reach the controls as these
// messages, through TControl::WndProc; Perform sends one synchronously.

#include <cstdint>

namespace platform {

struct TMessage {
    unsigned Msg = 0;
    std::intptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::intptr_t Result = 0;
};

constexpr unsigned WM_ACTIVATE = 0x0006;
constexpr unsigned WM_CLOSE = 0x0010;
constexpr unsigned WM_PAINT = 0x000F;
constexpr unsigned WM_TIMER = 0x0113;
constexpr unsigned WM_MOUSEMOVE = 0x0200;
constexpr unsigned WM_LBUTTONDOWN = 0x0201;
constexpr unsigned WM_LBUTTONUP = 0x0202;
// Sent only for a graphic with a palette, which this library does not have (see TGraphic::Palette).
constexpr unsigned WM_QUERYNEWPALETTE = 0x030F;
constexpr unsigned WM_USER = 0x0400;

// The class library's own notifications.
constexpr unsigned CM_BASE = 0xB000;
constexpr unsigned CM_MOUSEENTER = CM_BASE + 19;
constexpr unsigned CM_MOUSELEAVE = CM_BASE + 20;

// WM_ACTIVATE's WParam.
constexpr std::intptr_t WA_INACTIVE = 0;
constexpr std::intptr_t WA_ACTIVE = 1;
constexpr std::intptr_t WA_CLICKACTIVE = 2;

// Mouse messages carry the client position packed into LParam, as the window system does.
inline std::intptr_t MakeLParam(int x, int y)
{
    return std::intptr_t((std::uint32_t(std::uint16_t(y)) << 16) | std::uint16_t(x));
}
inline int LParamX(std::intptr_t l) { return std::int16_t(std::uint16_t(l & 0xFFFF)); }
inline int LParamY(std::intptr_t l) { return std::int16_t(std::uint16_t((l >> 16) & 0xFFFF)); }

}  // namespace platform
