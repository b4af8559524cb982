#include "stdctrls/StatusPanels.h"

#include "core/ClassInfo.h"
#include "stdctrls/StatusPanel.h"

#include <stdexcept>

namespace platform {

const TClassInfo& TStatusPanels::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TStatusPanels, TPersistent>("TStatusPanels").Build();
    return info;
}

TStatusPanels::TStatusPanels() = default;
TStatusPanels::~TStatusPanels() = default;

TStatusPanel* TStatusPanels::Add()
{
    FItems.push_back(std::make_unique<TStatusPanel>(this));
    Changed();
    return FItems.back().get();
}

void TStatusPanels::Delete(int index)
{
    if (index < 0 || index >= Count())
        throw std::out_of_range("status panel index out of range");
    FItems.erase(FItems.begin() + index);
    Changed();
}

void TStatusPanels::Clear()
{
    FItems.clear();
    Changed();
}

}  // namespace platform
