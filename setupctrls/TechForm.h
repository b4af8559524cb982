#pragma once
// TTechForm: the technical-support window, with the maker's fixed text on how to get help and a
// Close button. Built in code by the setup supporter; closing it only hides it.

#include "core/ClassInfo.h"
#include "forms/Form.h"

#include <string>

namespace platform {
class TButton;
class TMemo;
}  // namespace platform

namespace setupctrls {

using namespace platform;

// The support text: two paragraphs, an empty line between them.
std::string TechSupportText(const std::string& companyName, const std::string& callHow);

class TTechForm : public TForm {
    PLATFORM_CLASS(TTechForm)
public:
    explicit TTechForm(TComponent* owner);

    // Creates the text box and the Close button, whose click runs `closeClick`, and sizes the
    // window around them.
    void Build(const std::string& text, const TNotifyEvent& closeClick);

    TMemo* TechMemo = nullptr;
    TButton* CloseButton = nullptr;
};

}  // namespace setupctrls
