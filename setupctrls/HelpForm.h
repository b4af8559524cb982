#pragma once
// THelpForm: the help window, with the instructions as formatted text and a Start button that
// begins the walk through the board's settings. Built in code by the setup supporter; closing it
// only hides it, and showing it again brings back the same text and size.

#include "core/ClassInfo.h"
#include "forms/Form.h"

#include <string>

namespace platform {
class TButton;
class TLabel;
class TRichEdit;
}  // namespace platform

namespace setupctrls {

using namespace platform;

// What the help document says about this card.
struct THelpDocumentValues {
    std::string CompanyName;
    std::string CardName;
    bool Series = true;       // "Series" after the card name in the title
    bool MultiPort = false;   // the note on setting each port group alike
    bool CardsListed = false; // the hint on the File menu's list of installed cards
};

// The factor a window laid out for an 800 × 450 screen grows by on a screen of this size: the
// smaller of the two ratios, never below 1.
double HelpScale(int screenWidth, int screenHeight);

// The instructions as an RTF document: the title line, five paragraphs, and the optional note
// and hint.
std::string HelpDocument(const THelpDocumentValues& values);

class THelpForm : public TForm {
    PLATFORM_CLASS(THelpForm)
public:
    explicit THelpForm(TComponent* owner);

    // Creates the heading, the text box holding `document` and the Start button, sizes the
    // window around them and scales it up for screens larger than 800 × 450.
    void Build(const std::string& document);

    // Hides the window and opens the first highlight's popup on the main window's board image.
    void StartButtonClick(TObject* sender);

    TRichEdit* HelpRich = nullptr;
    TLabel* HelpLabel = nullptr;
    TButton* StartButton = nullptr;

private:
    void ScaleToScreen();
};

}  // namespace setupctrls
