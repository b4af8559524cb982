#pragma once
// TScreen: the display and the application's forms.

#include "core/Types.h"

#include <vector>

namespace platform {

class TForm;

class TScreen {
public:
    // The primary display.
    int Width() const;
    int Height() const;
    // The primary display less panels and docks.
    TRect WorkAreaRect() const;

    int FormCount() const { return int(FForms.size()); }
    TForm* Forms(int index) const { return FForms.at(std::size_t(index)); }
    TForm* ActiveForm() const { return FActiveForm; }

    // Called by the window-system edge when one of the application's windows became active:
    // the previous active form gets OnDeactivate, the new one OnActivate.
    void FormActivated(TForm* form);

    void AddForm(TForm* form);
    void RemoveForm(TForm* form);

private:
    std::vector<TForm*> FForms;
    TForm* FActiveForm = nullptr;
};

extern TScreen* Screen;

}  // namespace platform
