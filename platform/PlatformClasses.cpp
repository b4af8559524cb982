#include "PlatformClasses.h"

#include "ClassInfo.h"
#include "Form.h"
#include "Menus.h"

namespace platform {

void RegisterPlatformClasses()
{
    static const bool registered = [] {
        for (const TClassInfo* c : {&TMainMenu::StaticClass(), &TMenuItem::StaticClass(), &TForm::StaticClass()})
            RegisterClass(*c);
        return true;
    }();
    (void)registered;
}

}  // namespace platform
