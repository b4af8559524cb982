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
