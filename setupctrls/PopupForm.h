#pragma once
// TPopupForm: the small stay-on-top tool window a highlight opens to explain its setting.

#include "forms/Form.h"

namespace platform {
class TStatusBar;
}

namespace setupctrls {

using namespace platform;

class TBoardHighlight;

class TPopupForm : public TForm {
    PLATFORM_CLASS(TPopupForm)
public:
    explicit TPopupForm(TComponent* owner);

    TBoardHighlight* Highlight() const { return FHighlight; }
    void SetHighlight(TBoardHighlight* value) { FHighlight = value; }
    // The window closes when the mouse leaves it (it was reached from its highlight).
    bool CloseOnLeave() const { return FCloseOnLeave; }
    void SetCloseOnLeave(bool value) { FCloseOnLeave = value; }

    TStatusBar* PopupStatus = nullptr;

protected:
    void WMActivate(TMessage& message) override;
    void CMMouseLeave(TMessage& message) override;

private:
    TBoardHighlight* FHighlight = nullptr;
    bool FCloseOnLeave = false;
};

}  // namespace setupctrls
