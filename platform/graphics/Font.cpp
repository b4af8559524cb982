#include "graphics/Font.h"

#include "core/ClassInfo.h"

namespace platform {

const TClassInfo& TFont::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TFont, TPersistent>("TFont")
        .Integer("Charset", &TFont::Charset, &TFont::SetCharset, 1)
        .Color("Color", &TFont::Color, &TFont::SetColor, clWindowText)
        .Integer("Height", &TFont::Height, &TFont::SetHeight, -11)
        .String("Name", &TFont::Name, &TFont::SetName, std::string("MS Sans Serif"))
        .Integer("Style", &TFont::Style, &TFont::SetStyle, 0)
        .Build();
    return info;
}

namespace {
constexpr int kScreenPixelsPerInch = 96;
constexpr int kPointsPerInch = 72;

// a · b / c rounded to the nearest integer, halves away from zero, as the window system scales.
int MulDiv(int a, int b, int c)
{
    const long long product = (long long)a * b;
    const long long half = c / 2;
    return int(product >= 0 ? (product + half) / c : (product - half) / c);
}
}  // namespace

int TFont::Size() const { return MulDiv(-FHeight, kPointsPerInch, kScreenPixelsPerInch); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, kScreenPixelsPerInch, kPointsPerInch)); }

void TFont::Assign(const TPersistent& source)
{
    if (auto* font = dynamic_cast<const TFont*>(&source)) {
        FCharset = font->FCharset;
        FColor = font->FColor;
        FHeight = font->FHeight;
        FName = font->FName;
        FStyle = font->FStyle;
        Changed();
        return;
    }
    TPersistent::Assign(source);
}

}  // namespace platform
