#pragma once
// TStatusPanel: one section of a status bar, with its text, width and edge.

#include "core/ClassInfo.h"
#include "core/Object.h"

#include <cstdint>
#include <string>

namespace platform {

class TStatusPanels;

enum TStatusPanelBevel : std::uint8_t { pbNone, pbLowered, pbRaised };

class TStatusPanel : public TPersistent {
    PLATFORM_CLASS(TStatusPanel)
public:
    explicit TStatusPanel(TStatusPanels* collection) : FCollection(collection) {}

    const std::string& Text() const { return FText; }
    void SetText(const std::string& value);
    // The last panel of a bar takes whatever width is left, whatever this says.
    int Width() const { return FWidth; }
    void SetWidth(int value);
    TStatusPanelBevel Bevel() const { return FBevel; }
    void SetBevel(TStatusPanelBevel value);

private:
    void Changed();

    TStatusPanels* FCollection;
    std::string FText;
    int FWidth = 50;
    TStatusPanelBevel FBevel = pbLowered;
};

template <>
const TEnumInfo& EnumInfoOf<TStatusPanelBevel>();

}  // namespace platform
