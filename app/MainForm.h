#pragma once
// The main window: the card's photograph with its highlight circles and the main menu, built
// from the window's stored layout.

#include "platform/Form.h"

namespace platform {
class TMainMenu;
class TMenuItem;
}  // namespace platform

namespace setupctrls {
class TBoardHighlight;
class TBoardImage;
}  // namespace setupctrls

namespace settings {

using namespace platform;
using namespace setupctrls;

class TMainForm : public TForm {
    PLATFORM_CLASS(TMainForm)
public:
    explicit TMainForm(TComponent* owner);

    // File > Exit.
    void Exit2Click(TObject* sender);

    // The layout's components, by name.
    TBoardImage* BoardImage1 = nullptr;
    TBoardHighlight* IENCTRHighlight = nullptr;
    TBoardHighlight* IEN0Highlight = nullptr;
    TBoardHighlight* IEN1Highlight = nullptr;
    TBoardHighlight* IEN3Highlight = nullptr;
    TBoardHighlight* BoardHighlight1 = nullptr;
    TBoardHighlight* BoardHighlight2 = nullptr;
    TBoardHighlight* BoardHighlight3 = nullptr;
    TBoardHighlight* IEN2Highlight = nullptr;
    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* File1 = nullptr;
    TMenuItem* Exit2 = nullptr;
    TMenuItem* Help1 = nullptr;
    TMenuItem* Howtousethisprogram1 = nullptr;
    TMenuItem* TechnicalSupport1 = nullptr;
};

// The layout compiled into the program.
constexpr const char* kMainFormLayout = ":/app/MainForm.layout";

extern TMainForm* MainForm;

}  // namespace settings
