#include "MainForm.h"
#include "support/Pointer.h"

#include "BoardHighlight.h"
#include "PopupForm.h"

#include "forms/Screen.h"
#include "graphics/Bitmap.h"
#include "stdctrls/Button.h"
#include "stdctrls/Menus.h"

#include <QAction>
#include <QWidget>

#include <gtest/gtest.h>

using namespace settings;
using namespace testsupport;

namespace {

std::vector<std::string> Captions(const TMenuItem* item)
{
    std::vector<std::string> captions;
    for (int i = 0; i < item->Count(); ++i)
        captions.push_back(item->Items(i)->Caption());
    return captions;
}

// The shown popup window of the setting with this menu caption, or none.
TPopupForm* ShownPopup(const std::string& caption)
{
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (auto* popup = dynamic_cast<TPopupForm*>(Screen->Forms(i)))
            if (popup->Visible() && popup->Caption() == PlainTitleOf(caption))
                return popup;
    return nullptr;
}

TEST(MainMenu, TheFirstPaintAddsTheSettingsInLayoutOrder)
{
    TMainForm form(nullptr);
    TBitmap shot;
    form.PaintTo(shot);
    TMenuItem* bar = form.MainMenu1->Items();
    ASSERT_EQ(Captions(bar), (std::vector<std::string>{"&File", "&Settings", "&Help"}));
    TMenuItem* settings = bar->Items(1);
    EXPECT_EQ(settings->Name(), "Settings1");
    EXPECT_EQ(settings->Owner(), &form);
    EXPECT_EQ(Captions(settings), (std::vector<std::string>{"Coun&ter Interrupt Enable", "DIO &Interrupt Enable",
                                                            "&Counter Configuration"}));
    const char* names[] = {"CounterInterruptEnable1", "DIOInterruptEnable1", "CounterConfiguration1"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(settings->Items(i)->Name(), names[i]);
        EXPECT_EQ(form.FindComponent(names[i]), settings->Items(i));
    }
}

TEST(MainMenu, PreviousAndNextWrapAroundTheSettings)
{
    TMainForm form(nullptr);
    MovePointer(QPoint(5, 5));
    form.ShowForm();
    ASSERT_TRUE(WaitFor([&] { return form.Handle()->isVisible(); }));
    TBitmap shot;
    form.PaintTo(shot);
    TMenuItem* settings = form.MainMenu1->Items()->Items(1);
    struct Case {
        int From;
        const char* Button;
        int To;
    };
    const Case cases[] = {{2, "NextButton", 0}, {0, "PreviousButton", 2}};
    for (const Case& c : cases) {
        TMenuItem* from = settings->Items(c.From);
        TMenuItem* to = settings->Items(c.To);
        from->Action()->trigger();
        TPopupForm* popup = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (popup = ShownPopup(from->Caption())) != nullptr; })) << from->Caption();
        EXPECT_TRUE(from->Checked());
        auto* button = dynamic_cast<TButton*>(popup->FindComponent(c.Button));
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button->Handle(), Qt::LeftButton);
        EXPECT_TRUE(WaitFor([&] { return ShownPopup(to->Caption()) && !ShownPopup(from->Caption()); }))
            << from->Caption() << " " << c.Button;
        EXPECT_TRUE(to->Checked());
        EXPECT_FALSE(from->Checked());
        ShownPopup(to->Caption())->Close();
    }
}

}  // namespace
