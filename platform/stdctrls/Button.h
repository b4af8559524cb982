#pragma once
// TButton: a push button. The Default button is also pressed by Enter anywhere in its window
// (a focused button takes Enter for itself), the Cancel button by Escape.

#include "controls/WinControl.h"

class QPushButton;
class QShortcut;

namespace platform {

class TButton : public TWinControl {
    PLATFORM_CLASS(TButton)
public:
    explicit TButton(TComponent* owner);

    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value);

protected:
    bool CustomDrawn() const override { return false; }
    void TextChanged() override;
    void FontChanged() override;

private:
    TButton(TComponent* owner, QPushButton* button);
    void EnterPressed();

    QPushButton* FButton;
    // Owned by the button widget; they act wherever it sits, in whatever window is active.
    QShortcut* FReturnShortcut;
    QShortcut* FEnterShortcut;
    QShortcut* FEscapeShortcut;
    bool FDefault = false;
    bool FCancel = false;
};

}  // namespace platform
