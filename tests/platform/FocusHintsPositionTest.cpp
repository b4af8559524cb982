// What a user meets in a window besides clicks: the Tab walk through its controls, tooltips
// from Hint and ShowHint, and where a form first appears.

#include "support/Pointer.h"

#include "controls/GraphicControl.h"
#include "controls/CustomPanel.h"
#include "forms/Application.h"
#include "forms/Form.h"
#include "forms/Screen.h"
#include "stdctrls/Button.h"
#include "stdctrls/CheckBox.h"

#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace platform;
using testsupport::WaitFor;

namespace {

struct TShownForm {
    TShownForm()
    {
        Form.SetBounds(100, 100, 400, 300);
        Form.ShowForm();
        EXPECT_TRUE(WaitFor([&] { return Form.Handle()->isActiveWindow(); }));
    }
    template <class C>
    C* Add(TWinControl* parent, int left, int top)
    {
        auto* c = new C(&Form);
        c->SetName("C" + std::to_string(Form.ComponentCount()));
        c->SetParent(parent);
        c->SetBounds(left, top, 80, 24);
        return c;
    }
    TForm Form{nullptr};
};

TWinControl* FocusedControl(const std::vector<TWinControl*>& candidates)
{
    for (TWinControl* c : candidates)
        if (c->Focused())
            return c;
    return nullptr;
}

// Records the order of OnEnter and OnExit.
struct TFocusLog {
    void Entered(TObject* sender) { Log.push_back("enter " + static_cast<TComponent*>(sender)->Name()); }
    void Exited(TObject* sender) { Log.push_back("exit " + static_cast<TComponent*>(sender)->Name()); }
    std::vector<std::string> Log;
};

// Tab walks the stops in TabOrder, a container's children when the container's turn comes; a
// control without TabStop is passed over; Shift+Tab walks back. Entering and leaving the panel
// raise its OnEnter and OnExit.
TEST(TabOrder, TabAndShiftTabWalkTheStopsInTabOrder)
{
    TShownForm f;
    auto* first = f.Add<TButton>(&f.Form, 10, 10);
    auto* panel = f.Add<TCustomPanel>(&f.Form, 10, 40);
    panel->SetBounds(10, 40, 300, 100);
    auto* inner1 = f.Add<TCheckBox>(panel, 10, 10);
    auto* inner2 = f.Add<TCheckBox>(panel, 10, 40);
    auto* second = f.Add<TButton>(&f.Form, 10, 150);
    auto* skipped = f.Add<TButton>(&f.Form, 10, 180);
    second->SetTabOrder(0);
    inner2->SetTabOrder(0);
    skipped->SetTabStop(false);
    EXPECT_EQ(first->TabOrder(), 1);
    EXPECT_EQ(panel->TabOrder(), 2);
    EXPECT_EQ(inner1->TabOrder(), 1);
    EXPECT_FALSE(panel->TabStop());

    TFocusLog log;
    panel->OnEnter = Method(&TFocusLog::Entered, &log);
    panel->OnExit = Method(&TFocusLog::Exited, &log);

    const std::vector<TWinControl*> all{first, panel, inner1, inner2, second, skipped};
    second->SetFocus();
    ASSERT_TRUE(WaitFor([&] { return second->Focused(); }));
    const std::vector<TWinControl*> forward{first, inner2, inner1, second, first};
    for (TWinControl* expected : forward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(FocusedControl(all), expected) << "after " << expected->Name();
    }
    const std::vector<TWinControl*> backward{second, inner1, inner2, first};
    for (TWinControl* expected : backward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(FocusedControl(all), expected) << "back to " << expected->Name();
    }
    EXPECT_EQ(log.Log, (std::vector<std::string>{"enter " + panel->Name(), "exit " + panel->Name(),
                                                 "enter " + panel->Name(), "exit " + panel->Name()}));
    // A click still focuses a button that Tab passes over.
    QTest::mouseClick(skipped->Handle(), Qt::LeftButton);
    EXPECT_TRUE(skipped->Focused());
}

// A windowless control, to show that hints reach graphic children through their host.
class TSpot : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
};

std::string ToolTipAt(QWidget* widget, QPoint pos)
{
    QToolTip::hideText();
    QHelpEvent event(QEvent::ToolTip, pos, widget->mapToGlobal(pos));
    QApplication::sendEvent(widget, &event);
    return QToolTip::isVisible() ? QToolTip::text().toStdString() : std::string();
}

TEST(Hints, ShowHintDecidesWhetherTheHintBecomesATooltip)
{
    TShownForm f;
    auto* panel = f.Add<TCustomPanel>(&f.Form, 0, 0);
    panel->SetBounds(0, 0, 200, 100);
    auto* button = f.Add<TButton>(panel, 10, 10);
    button->SetHint("Press to apply");
    auto* spot = new TSpot(&f.Form);
    spot->SetParent(panel);
    spot->SetBounds(120, 10, 40, 40);
    spot->SetHint("A jumper");
    panel->SetHint("The panel");

    struct Case {
        const char* Name;
        bool PanelShowHint;
        bool ButtonParentShowHint;
        std::string ButtonTip, SpotTip, PanelTip;
    };
    const Case cases[] = {
        {"hints off on the parent", false, true, "", "", ""},
        {"hints on, taken from the parent", true, true, "Press to apply", "A jumper", "The panel"},
        // A control that shows no hints leaves the place to its parent's hint.
        {"a control's own ShowHint off", true, false, "The panel", "A jumper", "The panel"},
    };
    for (const Case& c : cases) {
        // Hints off on the form: the panel's own ShowHint decides, not its parent's.
        panel->SetShowHint(c.PanelShowHint);
        button->SetParentShowHint(c.ButtonParentShowHint);
        spot->SetParentShowHint(true);
        EXPECT_EQ(ToolTipAt(button->Handle(), {5, 5}), c.ButtonTip) << c.Name;
        EXPECT_EQ(ToolTipAt(panel->Handle(), {130, 20}), c.SpotTip) << c.Name;
        EXPECT_EQ(ToolTipAt(panel->Handle(), {100, 80}), c.PanelTip) << c.Name;
    }
}

// Where Position puts a form 200 by 100 designed at (30, 40) when it is first shown, with a
// main form at (100, 50), 400 by 300; the screen is 1280 by 1024.
TEST(Position, PlacesAFormWhenItIsFirstShown)
{
    TForm* mainForm = nullptr;
    Application->CreateForm(mainForm);
    mainForm->SetBounds(100, 50, 400, 300);
    struct Case {
        TPosition Position;
        bool WithMainForm;
        int Left, Top;
    };
    const Case cases[] = {
        {poDesigned, true, 30, 40},
        {poScreenCenter, true, (1280 - 200) / 2, (1024 - 100) / 2},
        {poMainFormCenter, true, 100 + (400 - 200) / 2, 50 + (300 - 100) / 2},
        {poMainFormCenter, false, (1280 - 200) / 2, (1024 - 100) / 2},
    };
    for (const Case& c : cases) {
        TForm form(nullptr);
        if (!c.WithMainForm && mainForm) {
            delete mainForm;
            mainForm = nullptr;
            ASSERT_EQ(Application->MainForm(), nullptr);
        }
        form.SetBounds(30, 40, 200, 100);
        form.SetPosition(c.Position);
        form.Show();
        EXPECT_EQ(form.Left(), c.Left) << int(c.Position);
        EXPECT_EQ(form.Top(), c.Top) << int(c.Position);
        // Only the first showing places the form; afterwards it stays where it was put.
        form.Hide();
        form.SetBounds(5, 6, 200, 100);
        form.Show();
        EXPECT_EQ(form.Left(), 5) << int(c.Position);
        EXPECT_EQ(form.Top(), 6) << int(c.Position);
    }
    delete mainForm;
}

}  // namespace
