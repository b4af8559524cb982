#pragma once
// TPCIForm: the installed-cards window, one line per card of the maker's found in the PC, with a
// Close button. Built in code by the setup supporter, only for a host that describes its cards;
// closing it only hides it.

#include "core/ClassInfo.h"
#include "forms/Form.h"

#include <string>

namespace platform {
class TButton;
class TMemo;
}  // namespace platform

namespace setupctrls {

using namespace platform;

class TPCIForm : public TForm {
    PLATFORM_CLASS(TPCIForm)
public:
    explicit TPCIForm(TComponent* owner);

    // Shows the window at once, then creates the list and the Close button, whose click runs
    // `closeClick`, and sizes the window around them. The list is left empty for the caller.
    void Build(const std::string& cardName, const TNotifyEvent& closeClick);

    TMemo* PCIMemo = nullptr;
    TButton* CloseButton = nullptr;
};

}  // namespace setupctrls
