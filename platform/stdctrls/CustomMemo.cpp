#include "stdctrls/CustomMemo.h"

#include "controls/internal/QtBridge.h"
#include "core/StringList.h"
#include "graphics/Font.h"
#include "graphics/internal/FontMapping.h"

#include <QAbstractScrollArea>

namespace platform {

template <>
const TEnumInfo& EnumInfoOf<TScrollStyle>()
{
    static const TEnumInfo info{"TScrollStyle", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}};
    return info;
}

// Published by the boxes themselves.
const TClassInfo& TCustomMemo::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TCustomMemo, TWinControl>("TCustomMemo")
        .Strings("Lines", &TCustomMemo::Lines).Hidden()
        .Boolean("ReadOnly", &TCustomMemo::ReadOnly, &TCustomMemo::SetReadOnly, false).Hidden()
        .Enum("ScrollBars", &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars, ssNone).Hidden()
        .Boolean("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap, true).Hidden()
        .Build();
    return info;
}

TCustomMemo::TCustomMemo(TComponent* owner, QAbstractScrollArea* edit, std::unique_ptr<TStringList> lines)
    : TWinControl(owner, edit), FEdit(edit), FLines(std::move(lines))
{
    FEdit->setFont(ToQFont(*Font()));
    SetTabStop(true);
    SetColor(clWindow);
}

TCustomMemo::~TCustomMemo() = default;

std::string TCustomMemo::Text() const { return FLines->Text(); }

void TCustomMemo::SetText(const std::string& value) { FLines->SetText(value); }

void TCustomMemo::SetReadOnly(bool value)
{
    FReadOnly = value;
    ApplyReadOnly(value);
}

void TCustomMemo::SetScrollBars(TScrollStyle value)
{
    FScrollBars = value;
    UpdateScrolling();
}

void TCustomMemo::SetWordWrap(bool value)
{
    FWordWrap = value;
    UpdateScrolling();
}

void TCustomMemo::LinesChanged()
{
    if (FSyncing)
        return;
    FSyncing = true;
    ShowLines();
    FSyncing = false;
}

void TCustomMemo::EditTextChanged()
{
    if (FSyncing)
        return;
    FSyncing = true;
    FLines->SetText(WidgetText());
    FSyncing = false;
}

void TCustomMemo::UpdateScrolling()
{
    const bool horizontal = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
    const bool vertical = FScrollBars == ssVertical || FScrollBars == ssBoth;
    // A text box's scroll bars stay in place, greyed out while there is nothing to scroll.
    FEdit->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    FEdit->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    ApplyWrap(FWordWrap && !horizontal);
}

void TCustomMemo::FontChanged() { ApplyFont(*FEdit, *Font(), QPalette::Text); }

void TCustomMemo::ColorChanged() { ApplyColor(*FEdit, QPalette::Base, Color()); }

}  // namespace platform
