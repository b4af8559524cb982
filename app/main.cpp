// The Settings program: shows the card and helps its owner set the option jumpers.

#include "MainForm.h"

#include "forms/Application.h"

#include <exception>

int main()
{
    using namespace platform;
    Application->Initialize();
    Application->SetIconResource(":/app/assets/icon.png");
    try {
        Application->CreateForm(settings::MainForm);
    } catch (const std::exception& e) {
        // The window could not be built (a damaged layout or photograph): say why, and stop.
        Application->HandleException(e);
        Application->Finalize();
        return 1;
    }
    Application->Run();
    return 0;
}
