#pragma once
// TTwoJumper: a picture of one two-pin jumper on the card: a base carrying two round pins, bare
// (open) or covered by a shunt (closed). A click puts the shunt on or takes it off; inside a
// radio panel the jumpers of the panel behave as one group of which exactly one is closed.

#include "controls/GraphicControl.h"
#include "core/ClassInfo.h"
#include "graphics/Bitmap.h"

#include <cstdint>
#include <memory>

namespace setupctrls {

using namespace platform;

// Which way the jumper faces: otUp and otDown lie horizontally (pins side by side), otLeft and
// otRight stand upright.
enum TOrientationType : std::uint8_t { otUp, otDown, otLeft, otRight };

class TTwoJumper : public TGraphicControl {
    PLATFORM_CLASS(TTwoJumper)
public:
    explicit TTwoJumper(TComponent* owner);
    ~TTwoJumper() override;

    bool Closed() const { return FClosed; }
    void SetClosed(bool value);
    TColor BaseColor() const { return FBaseColor; }
    void SetBaseColor(TColor value);
    TColor PinColor() const { return FPinColor; }
    void SetPinColor(TColor value);
    TColor JumperColor() const { return FJumperColor; }
    void SetJumperColor(TColor value);
    TOrientationType Orientation() const { return FOrientation; }
    // Turning between lying and standing swaps Width and Height at the next paint.
    void SetOrientation(TOrientationType value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);

    // A turn between lying and standing whose size swap waits for the next paint.
    bool SwapPending() const { return FSwapPending; }
    // Whether the jumper has been painted once: only then is a pending swap a real turn rather
    // than a layout that already stored the turned size.
    bool Painted() const { return FPainted; }

    // Puts the shunt on or takes it off, lets a radio panel parent select this jumper, then
    // fires OnClick.
    void Click() override;

protected:
    void Paint() override;

private:
    void DrawUpright(int w, int h);

    TOrientationType FOrientation = otUp;
    bool FClosed = false;
    std::unique_ptr<TBitmap> FOrientedBitmap;
    std::unique_ptr<TBitmap> FUprightBitmap;
    bool FSwapPending = false;
    bool FPainted = false;
    TColor FBaseColor = clGray;
    TColor FJumperColor = clMaroon;
    TColor FPinColor = clYellow;
    TBorderStyle FBorderStyle = bsSingle;
};

// Whether the orientation stands the jumper upright (pins one above the other).
constexpr bool IsStanding(TOrientationType orientation) { return orientation == otLeft || orientation == otRight; }

// Turns the picture of a lying, upward-facing jumper to the given orientation: `oriented` takes
// the upright size for otUp and otDown, the transposed size for otLeft and otRight.
void OrientBitmap(const TBitmap& upright, TOrientationType orientation, TBitmap& oriented);

}  // namespace setupctrls

namespace platform {
template <>
const TEnumInfo& EnumInfoOf<setupctrls::TOrientationType>();
}
