#pragma once
// TCheckBox: a box the user ticks. Every change of Checked, by the user or from code, raises
// OnClick; setting it to the value it has does nothing.

#include "controls/WinControl.h"

class QCheckBox;

namespace platform {

class TCheckBox : public TWinControl {
    PLATFORM_CLASS(TCheckBox)
public:
    explicit TCheckBox(TComponent* owner);

    bool Checked() const { return FChecked; }
    void SetChecked(bool value);

protected:
    bool CustomDrawn() const override { return false; }
    void TextChanged() override;
    void FontChanged() override;

private:
    TCheckBox(TComponent* owner, QCheckBox* box);
    void UserClicked();

    QCheckBox* FBox;
    bool FChecked = false;
};

}  // namespace platform
