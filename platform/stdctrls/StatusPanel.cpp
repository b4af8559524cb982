#include "stdctrls/StatusPanel.h"

#include "stdctrls/StatusPanels.h"

namespace platform {

template <>
const TEnumInfo& EnumInfoOf<TStatusPanelBevel>()
{
    static const TEnumInfo info{"TStatusPanelBevel", {"pbNone", "pbLowered", "pbRaised"}};
    return info;
}

const TClassInfo& TStatusPanel::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TStatusPanel, TPersistent>("TStatusPanel")
        .String("Text", &TStatusPanel::Text, &TStatusPanel::SetText, std::string())
        .Integer("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth, 50)
        .Enum("Bevel", &TStatusPanel::Bevel, &TStatusPanel::SetBevel, pbLowered)
        .Build();
    return info;
}

void TStatusPanel::SetText(const std::string& value)
{
    if (value == FText)
        return;
    FText = value;
    Changed();
}

void TStatusPanel::SetWidth(int value)
{
    if (value == FWidth)
        return;
    FWidth = value;
    Changed();
}

void TStatusPanel::SetBevel(TStatusPanelBevel value)
{
    if (value == FBevel)
        return;
    FBevel = value;
    Changed();
}

void TStatusPanel::Changed()
{
    if (FCollection)
        FCollection->Changed();
}

}  // namespace platform
