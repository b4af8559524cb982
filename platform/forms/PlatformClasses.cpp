#include "forms/PlatformClasses.h"

#include "core/ClassInfo.h"
#include "forms/Form.h"
#include "stdctrls/Button.h"
#include "stdctrls/CheckBox.h"
#include "stdctrls/Label.h"
#include "stdctrls/Memo.h"
#include "stdctrls/Menus.h"
#include "stdctrls/RichEdit.h"
#include "stdctrls/StatusBar.h"

namespace platform {

void RegisterPlatformClasses()
{
    static const bool registered = [] {
        for (const TClassInfo* c : {&TMainMenu::StaticClass(), &TMenuItem::StaticClass(),
                                    &TPopupMenu::StaticClass(), &TForm::StaticClass(),
                                    &TLabel::StaticClass(), &TCheckBox::StaticClass(), &TButton::StaticClass(),
                                    &TMemo::StaticClass(), &TRichEdit::StaticClass(), &TStatusBar::StaticClass()})
            RegisterClass(*c);
        return true;
    }();
    (void)registered;
}

}  // namespace platform
