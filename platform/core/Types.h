#pragma once
// Small value types shared by the whole class library.

#include <cstdint>
#include <initializer_list>

namespace platform {

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// A rectangle given by its edges; Right and Bottom are exclusive, as in every drawing call.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
inline TRect Bounds(int left, int top, int width, int height)
{
    return {left, top, left + width, top + height};
}

enum TAlign : std::uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient };

// A form's frame; controls with a border use the first two values only.
enum TFormBorderStyle : std::uint8_t { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;

enum TAnchorKind : std::uint8_t { akLeft, akTop, akRight, akBottom };

// A set of anchors, one bit per TAnchorKind.
class TAnchors {
public:
    constexpr TAnchors() = default;
    constexpr TAnchors(std::initializer_list<TAnchorKind> kinds)
    {
        for (TAnchorKind k : kinds)
            FBits |= Bit(k);
    }
    constexpr bool Contains(TAnchorKind k) const { return (FBits & Bit(k)) != 0; }
    constexpr std::uint8_t Bits() const { return FBits; }
    static constexpr TAnchors FromBits(std::uint8_t bits)
    {
        TAnchors a;
        a.FBits = bits & 0x0F;
        return a;
    }
    friend constexpr bool operator==(TAnchors, TAnchors) = default;

private:
    static constexpr std::uint8_t Bit(TAnchorKind k) { return std::uint8_t(1u << k); }
    std::uint8_t FBits = 0;
};

}  // namespace platform
