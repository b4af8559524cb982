#include "PlatformClasses.h"

#include "Button.h"
#include "CheckBox.h"
#include "ClassInfo.h"
#include "Form.h"
#include "Label.h"
#include "Memo.h"
#include "Menus.h"
#include "StatusBar.h"

namespace platform {

void RegisterPlatformClasses()
{
    static const bool registered = [] {
        for (const TClassInfo* c : {&TMainMenu::StaticClass(), &TMenuItem::StaticClass(), &TForm::StaticClass(),
                                    &TLabel::StaticClass(), &TCheckBox::StaticClass(), &TButton::StaticClass(),
                                    &TMemo::StaticClass(), &TStatusBar::StaticClass()})
            RegisterClass(*c);
        return true;
    }();
    (void)registered;
}

}  // namespace platform
