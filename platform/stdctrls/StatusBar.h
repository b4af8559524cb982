#pragma once
// TStatusBar: the strip of text panels along the bottom of a window, with a grip for resizing
// the window at its right end. Its height stays as set.

#include "controls/WinControl.h"
#include "stdctrls/StatusPanels.h"

#include <memory>
#include <string>
#include <vector>

class QLabel;
class QSizeGrip;

namespace platform {

class TStatusBar : public TWinControl {
    PLATFORM_CLASS(TStatusBar)
public:
    explicit TStatusBar(TComponent* owner);
    ~TStatusBar() override;

    TStatusPanels* Panels() const { return FPanels.get(); }
    // Shows SimpleText across the whole bar in place of the panels.
    bool SimplePanel() const { return FSimplePanel; }
    void SetSimplePanel(bool value);
    const std::string& SimpleText() const { return FSimpleText; }
    void SetSimpleText(const std::string& value);
    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool value);

protected:
    bool CustomDrawn() const override { return false; }
    void Resized() override;
    void FontChanged() override;
    void ColorChanged() override;

private:
    void PanelsChanged(TObject*);
    // Rebuilds the panel widgets from Panels and places them and the grip.
    void UpdatePanels();
    void ArrangePanels();
    QLabel* NewLabel();

    std::unique_ptr<TStatusPanels> FPanels;
    std::vector<QLabel*> FPanelLabels;  // children of the handle, one per panel
    QLabel* FSimpleLabel;
    QSizeGrip* FGrip;
    bool FSimplePanel = false;
    std::string FSimpleText;
    bool FSizeGrip = true;
};

}  // namespace platform
