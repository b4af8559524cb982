#pragma once
// TFont: the nested object a layout sets as Font.Height, Font.Name.

#include "core/Event.h"
#include "core/Object.h"
#include "graphics/Color.h"

#include <cstdint>
#include <string>

namespace platform {

// TFont's style bits.
constexpr std::uint8_t fsBold = 1;
constexpr std::uint8_t fsItalic = 2;
constexpr std::uint8_t fsUnderline = 4;
constexpr std::uint8_t fsStrikeOut = 8;

class TFont : public TPersistent {
    PLATFORM_CLASS(TFont)
public:
    int Charset() const { return FCharset; }
    void SetCharset(int value) { FCharset = value; Changed(); }
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { FColor = value; Changed(); }
    // Negative: the character height in pixels; positive: the cell height.
    int Height() const { return FHeight; }
    void SetHeight(int value) { FHeight = value; Changed(); }
    // The size in points on a 96 pixels-per-inch screen: the character height, rounded.
    int Size() const;
    void SetSize(int points);
    const std::string& Name() const { return FName; }
    void SetName(const std::string& value) { FName = value; Changed(); }
    // Style bits: 1 bold, 2 italic, 4 underline, 8 strike-out.
    std::uint8_t Style() const { return FStyle; }
    void SetStyle(std::uint8_t value) { FStyle = value; Changed(); }

    void Assign(const TPersistent& source) override;
    TNotifyEvent OnChange;

private:
    void Changed() { OnChange(this); }

    int FCharset = 1;
    TColor FColor = clWindowText;
    int FHeight = -11;
    std::string FName = "MS Sans Serif";
    std::uint8_t FStyle = 0;
};

}  // namespace platform
