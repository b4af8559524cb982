// The Settings program: shows the card and helps its owner set the option jumpers.

#include "MainForm.h"

#include "platform/Application.h"

int main()
{
    using namespace platform;
    Application->Initialize();
    Application->SetIconResource(":/app/assets/icon.png");
    Application->CreateForm(settings::MainForm);
    Application->Run();
    return 0;
}
