#pragma once
// Colours: $00BBGGRR for an RGB colour, or a system colour code with the high bit set, resolved
// from the window system's palette when drawn.

#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

using TColor = std::int32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clNavy = 0x800000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clWhite = 0xFFFFFF;

constexpr TColor kSystemColorBit = TColor(0x80000000u);
constexpr TColor clWindowText = TColor(0x80000008u);
constexpr TColor clWindow = TColor(0x80000005u);
constexpr TColor clBtnFace = TColor(0x8000000Fu);
constexpr TColor clBtnShadow = TColor(0x80000010u);
constexpr TColor clBtnHighlight = TColor(0x80000014u);
constexpr TColor clNone = 0x1FFFFFFF;

inline std::uint8_t GetRValue(TColor c) { return std::uint8_t(c & 0xFF); }
inline std::uint8_t GetGValue(TColor c) { return std::uint8_t((c >> 8) & 0xFF); }
inline std::uint8_t GetBValue(TColor c) { return std::uint8_t((c >> 16) & 0xFF); }
inline constexpr TColor RGB(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return TColor(r | (g << 8) | (b << 16));
}

// A system colour becomes its current RGB value; an RGB colour stays as it is.
TColor ColorToRGB(TColor color);

// Colour names as layouts write them (clWhite, clBtnFace).
std::optional<TColor> IdentToColor(std::string_view name);

}  // namespace platform
