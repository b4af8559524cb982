#pragma once
// The main window: the card's photograph with its highlight circles and the main menu, built
// from the window's stored layout.

#include "forms/Form.h"

#include <span>

namespace platform {
class TCheckBox;
class TLabel;
class TMainMenu;
class TMenuItem;
}  // namespace platform

namespace setupctrls {
class TBoardHighlight;
class TBoardImage;
class TRadioPanel;
class TSetupSupporter;
class TTwoJumper;
}  // namespace setupctrls

namespace settings {

using namespace platform;
using namespace setupctrls;

struct TCouplingPair;

class TMainForm : public TForm {
    PLATFORM_CLASS(TMainForm)
public:
    explicit TMainForm(TComponent* owner);

    // Hands the first idle moment to the setup supporter, which builds the heading and the help
    // and technical-support windows then.
    void FormCreate(TObject* sender);
    // File > Exit.
    void Exit2Click(TObject* sender);
    // Help > How to use this program, Help > Technical Support: show the supporter's windows.
    void Howtousethisprogram1Click(TObject* sender);
    void TechnicalSupport1Click(TObject* sender);

    // Each jumper and its check box show the same setting: a click on either copies its whole
    // group across, pair 0 first.
    void IENDIOJumperClick(TObject* sender);
    void IENDIOCheckClick(TObject* sender);
    void CTRJumperClick(TObject* sender);
    void CTRCheckClick(TObject* sender);
    void IENCTRJumperClick(TObject* sender);
    void IENCTRCheckClick(TObject* sender);

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
    TRadioPanel* IENCTRPanel = nullptr;
    TLabel* Label1 = nullptr;
    TTwoJumper* IENCTRJumper0 = nullptr;
    TLabel* Label2 = nullptr;
    TTwoJumper* IENCTRJumper1 = nullptr;
    TLabel* Label4 = nullptr;
    TTwoJumper* IENCTRJumper2 = nullptr;
    TCheckBox* IENCTRCheck0 = nullptr;
    TCheckBox* IENCTRCheck1 = nullptr;
    TCheckBox* IENCTRCheck2 = nullptr;
    TRadioPanel* IENDIOPanel = nullptr;
    TLabel* Label3 = nullptr;
    TTwoJumper* IENDIOJumper = nullptr;
    TCheckBox* IENDIOCheck = nullptr;
    TRadioPanel* CTRPanel = nullptr;
    TTwoJumper* CTRJumper0 = nullptr;
    TTwoJumper* CTRJumper1 = nullptr;
    TTwoJumper* CTRJumper2 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label7 = nullptr;
    TCheckBox* CTRCheck0 = nullptr;
    TCheckBox* CTRCheck1 = nullptr;
    TCheckBox* CTRCheck2 = nullptr;
    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* File1 = nullptr;
    TMenuItem* Exit2 = nullptr;
    TMenuItem* Help1 = nullptr;
    TMenuItem* Howtousethisprogram1 = nullptr;
    TMenuItem* TechnicalSupport1 = nullptr;
    TSetupSupporter* SetSup = nullptr;

private:
    using TCoupling = std::span<const TCouplingPair>;
    void CopyJumpersToChecks(TCoupling pairs);
    void CopyChecksToJumpers(TCoupling pairs);
    // The supporter's windows exist from the first idle moment on; a Help command that comes
    // earlier has them built at once.
    void EnsureSupportWindows();
};

// The layout compiled into the program.
constexpr const char* kMainFormLayout = ":/app/MainForm.layout";

extern TMainForm* MainForm;

}  // namespace settings
