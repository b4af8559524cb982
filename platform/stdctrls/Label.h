#pragma once
// TLabel: a line or block of static text. It has a window of its own here (a Qt label), and
// clicks like any control; with AutoSize it takes the size of its text.

#include "controls/WinControl.h"
#include "core/ClassInfo.h"

#include <cstdint>

class QLabel;

namespace platform {

enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout : std::uint8_t { tlTop, tlCenter, tlBottom };

class TLabel : public TWinControl {
    PLATFORM_CLASS(TLabel)
public:
    explicit TLabel(TComponent* owner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    // Lets the parent show through instead of filling the label's area with Color.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);

    void SetParent(TWinControl* parent) override;
    void Loaded() override;

protected:
    bool CustomDrawn() const override { return false; }
    bool TakesMouseMessages() const override { return true; }
    bool ProposeAutoSize(int& newWidth, int& newHeight) override;
    void TextChanged() override;
    void FontChanged() override;
    void ColorChanged() override;

private:
    TLabel(TComponent* owner, QLabel* label);
    void UpdateAlignment();
    void UpdateBackground();
    // Takes the parent's colour and font while ParentColor and ParentFont are on.
    void FollowParent();

    QLabel* FLabel;
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FWordWrap = false;
    bool FTransparent = false;
    bool FParentColor = true;
    bool FParentFont = true;
    // Set while the parent's font is copied in, which must not turn ParentFont off.
    bool FTakingParentFont = false;
};

template <>
const TEnumInfo& EnumInfoOf<TAlignment>();
template <>
const TEnumInfo& EnumInfoOf<TTextLayout>();

}  // namespace platform
