// A small host program for the end-to-end test of the installed-cards window: a main window
// built in code with a "&File" menu holding "&Exit", and a setup supporter whose card-string
// handler describes every card the driver counts. Run it with the test driver library on the
// loader's path (BRAKMO_TEST_CARDS sets the count).

#include "SetupSupporter.h"

#include "forms/Application.h"
#include "forms/Form.h"
#include "stdctrls/Menus.h"

#include <string>

namespace {

using namespace platform;
using namespace setupctrls;

class TCardsHostForm : public TForm {
public:
    explicit TCardsHostForm(TComponent* owner) : TForm(owner)
    {
        SetName("CardsHostForm");
        SetCaption("Cards Host");
        SetBounds(40, 40, 640, 400);
        auto* menu = new TMainMenu(this);
        auto* file = new TMenuItem(this);
        file->SetCaption("&File");
        menu->Items()->Add(file);
        auto* exit = new TMenuItem(this);
        exit->SetCaption("&Exit");
        exit->OnClick = Method(&TCardsHostForm::ExitClick, this);
        file->Add(exit);
        SetMenu(menu);

        auto* supporter = new TSetupSupporter(this);
        supporter->SetCompanyName("Veltrona");
        supporter->SetCardNameA("KT-LINE-24F7");
        supporter->OnGetCardString = Method(&TCardsHostForm::CardString, this);
        Application->OnIdle = Method(&TSetupSupporter::ApplicationIdle, supporter);
    }

    std::string CardString(TObject*, int cardIndex)
    {
        return "Card " + std::to_string(cardIndex) + " at bus " + std::to_string(cardIndex + 2);
    }
    void ExitClick(TObject*) { Close(); }
};

TCardsHostForm* HostForm = nullptr;

}  // namespace

int main()
{
    Application->Initialize();
    Application->CreateForm(HostForm);
    Application->Run();
    return 0;
}
