#pragma once
// TCustomPanel: a windowed container drawn in its colour with optional bevels and a caption.

#include "controls/WinControl.h"
#include "core/ClassInfo.h"

#include <cstdint>

namespace platform {

enum TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };

class TCustomPanel : public TWinControl {
    PLATFORM_CLASS(TCustomPanel)
public:
    explicit TCustomPanel(TComponent* owner);

    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut value);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    bool FullRepaint() const { return FFullRepaint; }
    void SetFullRepaint(bool value) { FFullRepaint = value; }
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value) { FParentFont = value; }

protected:
    // Background in Color, then the bevels, then the caption centred.
    void Paint() override;

private:
    void DrawBevel(TRect& rect, TBevelCut cut);

    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvRaised;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    TBorderStyle FBorderStyle = bsNone;
    bool FFullRepaint = true;
    bool FParentColor = false;
    bool FParentFont = true;
};

template <>
const TEnumInfo& EnumInfoOf<TBevelCut>();
template <>
const TEnumInfo& EnumInfoOf<TBorderStyle>();

}  // namespace platform
