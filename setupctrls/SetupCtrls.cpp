#include "SetupCtrls.h"

#include "BoardHighlight.h"
#include "BoardImage.h"
#include "HelpForm.h"
#include "PCIForm.h"
#include "PopupForm.h"
#include "RadioPanel.h"
#include "SetupSupporter.h"
#include "TechForm.h"
#include "TwoJumper.h"

namespace setupctrls {

void RegisterSetupCtrls()
{
    static const bool registered = [] {
        for (const platform::TClassInfo* c : {&TBoardImage::StaticClass(), &TBoardHighlight::StaticClass(),
                                              &TTwoJumper::StaticClass(), &TRadioPanel::StaticClass(),
                                              &TPopupForm::StaticClass(), &TSetupSupporter::StaticClass(),
                                              &THelpForm::StaticClass(), &TTechForm::StaticClass(),
                                              &TPCIForm::StaticClass()})
            platform::RegisterClass(*c);
        return true;
    }();
    (void)registered;
}

}  // namespace setupctrls
