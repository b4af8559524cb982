#pragma once
// TStatusPanels: the panels of a status bar, left to right. It owns them; any change to the
// list or to one of its panels is reported through OnChange.

#include "core/Event.h"
#include "core/Object.h"
#include "stdctrls/StatusPanel.h"

#include <memory>
#include <vector>

namespace platform {

class TStatusPanels : public TPersistent {
    PLATFORM_CLASS(TStatusPanels)
public:
    TStatusPanels();
    ~TStatusPanels() override;

    int Count() const { return int(FItems.size()); }
    TStatusPanel* Items(int index) const { return FItems.at(std::size_t(index)).get(); }
    // Appends a panel with the default text, width and bevel.
    TStatusPanel* Add();
    void Delete(int index);
    void Clear();

    TNotifyEvent OnChange;

private:
    friend class TStatusPanel;
    void Changed() { OnChange(this); }

    std::vector<std::unique_ptr<TStatusPanel>> FItems;
};

}  // namespace platform
