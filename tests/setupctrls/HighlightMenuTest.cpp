#include "BoardTestFixtures.h"
#include "support/Pointer.h"

#include "PopupForm.h"
#include "RadioPanel.h"
#include "SetupCtrls.h"

#include "controls/WinApi.h"
#include "forms/Form.h"
#include "layout/LayoutReader.h"
#include "stdctrls/Button.h"
#include "stdctrls/Menus.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

using namespace testsupport;

namespace {

// A window with a main menu of the given top-level captions and a board image that lists its
// highlights there. Everything belongs to the window, as in the program's layout.
struct TMenuWindow {
    explicit TMenuWindow(std::vector<std::string> headings = {"&File", "&Help"})
    {
        Form = new TForm(&Owner);
        Form->SetBounds(0, 0, 600, 400);
        Menu = new TMainMenu(Form);
        for (const std::string& caption : headings)
            AddItem(Menu->Items(), caption);
        Form->SetMenu(Menu);
        Board = SolidBoard(Form, 300, 100, kGrey);
        Board->SetParent(Form);
        Board->SetMenu(Menu);
        // Keep the real pointer away from the circles: only the menu should open popups here.
        MovePointer(QPoint(1000, 700));
    }

    TMenuItem* AddItem(TMenuItem* under, const std::string& caption)
    {
        auto* item = new TMenuItem(Form);
        item->SetCaption(caption);
        under->Add(item);
        return item;
    }

    TBoardHighlight* Add(const std::string& title, THighlightType type = htSettings)
    {
        const int left = 10 + 40 * Board->ControlCount();
        TBoardHighlight* h = AddHighlight(Board, Rect(left, 10, left + 30, 40), title, type);
        h->SetCreatePopup(true);
        return h;
    }

    // The first paint prepares the highlights, which adds their entries.
    void Paint()
    {
        TBitmap shot;
        Board->PaintTo(shot);
    }

    // Popups want a shown main window; the paint then adds the entries.
    void ShowAndPaint()
    {
        Form->ShowForm();
        Paint();
    }

    static std::vector<std::string> Captions(const TMenuItem* item)
    {
        std::vector<std::string> captions;
        for (int i = 0; i < item->Count(); ++i)
            captions.push_back(item->Items(i)->Caption());
        return captions;
    }

    TMenuItem* Heading(const std::string& caption) const
    {
        for (int i = 0; i < Menu->Items()->Count(); ++i)
            if (Menu->Items()->Items(i)->Caption() == caption)
                return Menu->Items()->Items(i);
        return nullptr;
    }

    TComponent Owner{nullptr};
    TForm* Form = nullptr;
    TMainMenu* Menu = nullptr;
    TBoardImage* Board = nullptr;
};

// What choosing a menu entry does: the action's trigger, as a click or a key in the menu.
void Choose(TMenuItem* item) { item->Action()->trigger(); }

bool Shown(const TBoardHighlight* h) { return h->Popup() && h->Popup()->Visible(); }

void ClickButton(TPopupForm* popup, const char* name)
{
    auto* button = dynamic_cast<TButton*>(popup->FindComponent(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button->Handle(), Qt::LeftButton);
}

TEST(HighlightMenu, NewHeadingsGoBeforeTheHeadingsThatFollowThemAndTakeTheFirstFreeName)
{
    struct Case {
        std::vector<std::string> Before;
        std::vector<THighlightType> Kinds;
        const char* Taken;  // a component of the window that already has this name
        std::vector<std::string> After;
        const char* SettingsName;
    };
    const Case cases[] = {
        {{"&File", "&Help"}, {htOptions, htSettings, htCalibration}, nullptr,
         {"&File", "&Settings", "&Calibration", "&Options", "&Help"}, "Settings1"},
        {{"&File"}, {htOptions, htSettings}, nullptr, {"&File", "&Settings", "&Options"}, "Settings1"},
        {{"&File", "&Help"}, {htSettings}, "Settings1", {"&File", "&Settings", "&Help"}, "Settings2"},
        // Exact captions only: "&help" is no "&Help".
        {{"&help"}, {htSettings}, nullptr, {"&help", "&Settings"}, "Settings1"},
    };
    for (const Case& c : cases) {
        TMenuWindow w(c.Before);
        if (c.Taken)
            (new TComponent(w.Form))->SetName(c.Taken);
        for (THighlightType kind : c.Kinds)
            w.Add("&Entry", kind);
        w.Paint();
        EXPECT_EQ(TMenuWindow::Captions(w.Menu->Items()), c.After) << c.After.size();
        ASSERT_NE(w.Heading("&Settings"), nullptr);
        EXPECT_EQ(w.Heading("&Settings")->Name(), c.SettingsName);
        EXPECT_EQ(w.Heading("&Settings")->Owner(), w.Form);
    }
}

TEST(HighlightMenu, EntriesAreNamedAfterTheirTitleAndAppendedInPaintOrder)
{
    TMenuWindow w;
    (new TComponent(w.Form))->SetName("CounterConfiguration1");
    struct Case {
        const char* Title;
        const char* Name;  // nullptr: no entry
    };
    const Case cases[] = {
        {"Coun&ter Interrupt Enable", "CounterInterruptEnable1"},
        {"&Counter Configuration", "CounterConfiguration2"},
        // Identifier forms that are empty would leave a bare number: "Item" stands in.
        {"42", "Item1"},
        {"7 & 8", "Item2"},
        {"", nullptr},
    };
    std::vector<TBoardHighlight*> highlights;
    for (const Case& c : cases)
        highlights.push_back(w.Add(c.Title));
    w.Paint();
    TMenuItem* settings = w.Heading("&Settings");
    ASSERT_NE(settings, nullptr);
    ASSERT_EQ(settings->Count(), 4);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        TMenuItem* entry = highlights[i]->MenuEntry();
        if (!c.Name) {
            EXPECT_EQ(entry, nullptr) << c.Title;
            continue;
        }
        ASSERT_NE(entry, nullptr) << c.Title;
        EXPECT_EQ(settings->IndexOf(entry), int(i)) << c.Title;
        EXPECT_EQ(entry->Caption(), c.Title);
        EXPECT_EQ(entry->Name(), c.Name);
        EXPECT_EQ(entry->Owner(), w.Form);
    }
}

TEST(HighlightMenu, FourLinkedHighlightsShareOneEntryWhoseCheckFollowsThePinnedPopup)
{
    TMenuWindow w;
    std::vector<TBoardHighlight*> group;
    for (int i = 0; i < 4; ++i)
        group.push_back(w.Add("DIO &Interrupt Enable"));
    TBoardHighlight* other = w.Add("&Other");
    w.ShowAndPaint();
    TMenuItem* settings = w.Heading("&Settings");
    ASSERT_EQ(TMenuWindow::Captions(settings), (std::vector<std::string>{"DIO &Interrupt Enable", "&Other"}));
    TMenuItem* entry = settings->Items(0);
    auto allLit = [&] {
        return std::all_of(group.begin(), group.end(), [](auto* h) { return h->Lit(); });
    };
    auto popups = [&] {
        return std::count_if(group.begin(), group.end(), [](auto* h) { return h->Popup() != nullptr; });
    };

    Choose(entry);
    ASSERT_TRUE(WaitFor([&] { return Shown(group[0]); }));
    EXPECT_EQ(popups(), 1);
    EXPECT_TRUE(group[0]->Pinned());
    EXPECT_TRUE(allLit());
    EXPECT_TRUE(entry->Checked());
    EXPECT_TRUE(entry->Action()->isChecked());
    EXPECT_FALSE(other->Lit());

    // The checked entry closes the popup window and takes its check away.
    Choose(entry);
    EXPECT_TRUE(WaitFor([&] { return !Shown(group[0]); }));
    EXPECT_FALSE(entry->Checked());
    EXPECT_FALSE(entry->Action()->isChecked());
    EXPECT_FALSE(std::any_of(group.begin(), group.end(), [](auto* h) { return h->Lit(); }));

    // Chosen again: the same window, pinned again.
    TPopupForm* popup = group[0]->Popup();
    Choose(entry);
    ASSERT_TRUE(WaitFor([&] { return Shown(group[0]); }));
    EXPECT_EQ(group[0]->Popup(), popup);
    EXPECT_TRUE(group[0]->Pinned() && entry->Checked() && allLit());
    ClickButton(popup, "DoneButton");
    EXPECT_TRUE(WaitFor([&] { return !Shown(group[0]); }));
    EXPECT_FALSE(entry->Checked());

    // A preview leaves the entry unchecked; a click on any circle of the group checks it.
    group[2]->MouseEntered(false);
    ASSERT_TRUE(WaitFor([&] { return Shown(group[0]); }));
    EXPECT_FALSE(entry->Checked());
    group[3]->Click();
    EXPECT_TRUE(entry->Checked());
}

TEST(HighlightMenu, PreviousAndNextWalkTheHeadingsEntriesWithWrapAroundSkippingForeignItems)
{
    TMenuWindow w({"&File", "&Settings", "&Help"});
    // An item of the stored menu that no highlight answers.
    TMenuItem* readme = w.AddItem(w.Heading("&Settings"), "&Read me");
    TBoardHighlight* a = w.Add("&A");
    TBoardHighlight* b = w.Add("&B");
    TBoardHighlight* c = w.Add("&C");
    w.ShowAndPaint();
    ASSERT_EQ(TMenuWindow::Captions(w.Heading("&Settings")),
              (std::vector<std::string>{"&Read me", "&A", "&B", "&C"}));
    ASSERT_FALSE(readme->OnClick.Assigned());

    struct Case {
        TBoardHighlight* From;
        const char* Button;
        TBoardHighlight* To;
    };
    const Case cases[] = {
        {a, "NextButton", b},
        {c, "NextButton", a},      // wraps, past the stored item
        {a, "PreviousButton", c},  // wraps backwards, past it too
        {b, "PreviousButton", a},
    };
    for (const Case& k : cases) {
        Choose(k.From->MenuEntry());
        ASSERT_TRUE(WaitFor([&] { return Shown(k.From); })) << k.From->Title();
        ClickButton(k.From->Popup(), k.Button);
        EXPECT_TRUE(WaitFor([&] { return Shown(k.To) && !Shown(k.From); })) << k.From->Title() << " " << k.Button;
        EXPECT_TRUE(k.To->Pinned());
        EXPECT_TRUE(k.To->MenuEntry()->Checked());
        EXPECT_FALSE(k.From->MenuEntry()->Checked());
        k.To->Popup()->Close();
    }
    EXPECT_FALSE(readme->Checked());
}

TEST(HighlightMenu, PreviousAndNextUnderASingleEntryReopenTheSameWindowPinned)
{
    TMenuWindow w;
    TBoardHighlight* only = w.Add("&Gain", htCalibration);
    w.ShowAndPaint();
    for (const char* button : {"NextButton", "PreviousButton"}) {
        // From a preview: the step closes it and reopens it pinned.
        only->MouseEntered(false);
        ASSERT_TRUE(WaitFor([&] { return Shown(only); }));
        ASSERT_FALSE(only->Pinned());
        TPopupForm* popup = only->Popup();
        ClickButton(popup, button);
        EXPECT_TRUE(WaitFor([&] { return Shown(only); })) << button;
        EXPECT_EQ(only->Popup(), popup);
        EXPECT_TRUE(only->Pinned()) << button;
        EXPECT_TRUE(only->Lit());
        EXPECT_TRUE(only->MenuEntry()->Checked()) << button;
        popup->Close();
    }
}

TEST(HighlightMenu, WithoutAMenuThereAreNoEntriesAndTheStepsDoNothing)
{
    TMenuWindow w;
    w.Board->SetMenu(nullptr);
    TBoardHighlight* h = w.Add("&A");
    w.ShowAndPaint();
    EXPECT_EQ(h->MenuEntry(), nullptr);
    h->MouseEntered(false);
    ASSERT_TRUE(WaitFor([&] { return Shown(h); }));
    h->NextClick(nullptr);
    EXPECT_TRUE(Shown(h));
    EXPECT_FALSE(h->Pinned());
}

TEST(HighlightMenu, AnEntryNeverCallsADestroyedHighlight)
{
    TMenuWindow w;
    TBoardHighlight* first = w.Add("&Linked");
    TBoardHighlight* second = w.Add("&Linked");
    TBoardHighlight* alone = w.Add("&Alone");
    w.ShowAndPaint();
    TMenuItem* settings = w.Heading("&Settings");
    TMenuItem* linked = first->MenuEntry();
    ASSERT_NE(linked, nullptr);

    // The highlight that added the shared entry goes: its group keeps the entry.
    delete first;
    ASSERT_EQ(TMenuWindow::Captions(settings), (std::vector<std::string>{"&Linked", "&Alone"}));
    Choose(linked);
    ASSERT_TRUE(WaitFor([&] { return Shown(second); }));
    EXPECT_TRUE(second->Pinned() && linked->Checked());

    // The last of a group goes: its entry leaves the menu and the window.
    delete alone;
    EXPECT_EQ(TMenuWindow::Captions(settings), (std::vector<std::string>{"&Linked"}));
    EXPECT_EQ(w.Form->FindComponent("Alone1"), nullptr);

    // The menu goes before the highlight, as when the window is destroyed: nothing dangles.
    w.Form->SetMenu(nullptr);
    w.Board->SetMenu(nullptr);
    delete w.Menu;
    w.Menu = nullptr;
    second->NextClick(nullptr);
    second->CheckMenuEntry(false);
    EXPECT_EQ(second->MenuEntry(), nullptr);
    second->Popup()->Close();
    delete second;
}

// Answers the next modal message boxes in turn, recording their texts. A box answered is hidden
// at once, so the next one seen is a new box.
void AnswerMessageBoxes(std::vector<QMessageBox::StandardButton> answers, std::vector<std::string>* texts)
{
    auto pending = std::make_shared<std::vector<QMessageBox::StandardButton>>(std::move(answers));
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [=] {
        if (pending->empty())
            return;
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            texts->push_back(box->text().toStdString());
            box->button(pending->front())->click();
            pending->erase(pending->begin());
        }
        if (!pending->empty())
            QTimer::singleShot(0, *poll);  // not up yet, or more to come: look again next turn
    };
    QTimer::singleShot(0, *poll);
}

struct TPanelCase {
    const char* SecondTitle;
    THighlightType SecondKind;
    bool SecondHasOwnPanel;
    bool Taken;  // the second highlight ends with the first one's panel
};

const TPanelCase kPanelCases[] = {
    {"&B", htSettings, true, false},   // another title: refused, keeps its own panel
    {"&B", htSettings, false, false},  // refused, keeps none
    {"&A", htOptions, true, false},    // same title, another kind: refused
    {"&A", htSettings, true, true},    // linked: shares it
};

TEST(HighlightMenu, ARadioPanelStandsInOneGroupOnly)
{
    for (const TPanelCase& c : kPanelCases) {
        TMenuWindow w;
        auto* shared = new TRadioPanel(w.Form);
        auto* own = new TRadioPanel(w.Form);
        TBoardHighlight* first = w.Add("&A");
        TBoardHighlight* second = w.Add(c.SecondTitle, c.SecondKind);
        first->SetRadioPanel(shared);
        if (c.SecondHasOwnPanel)
            second->SetRadioPanel(own);
        second->SetRadioPanel(shared);
        TRadioPanel* expected = c.Taken ? shared : c.SecondHasOwnPanel ? own : nullptr;
        EXPECT_EQ(second->RadioPanel(), expected) << c.SecondTitle << " " << int(c.SecondKind);
        EXPECT_EQ(first->RadioPanel(), shared);
        second->SetRadioPanel(nullptr);
        EXPECT_EQ(second->RadioPanel(), nullptr);
    }
}

TEST(HighlightMenu, TheSecondOfTwoLoadedHighlightsNamingOnePanelGetsNone)
{
    RegisterSetupCtrls();
    TForm form(nullptr);
    ReadLayout(form, R"(object Form1: TForm
  object Board: TBoardImage
    object A: TBoardHighlight
      Title = '&A'
      RadioPanel = Panel
    end
    object B: TBoardHighlight
      Title = '&B'
      RadioPanel = Panel
    end
  end
  object Panel: TRadioPanel
  end
end)",
               "panels.layout", [](const std::string&) -> std::vector<std::uint8_t> { return {}; });
    auto* a = dynamic_cast<TBoardHighlight*>(form.FindComponent("A"));
    auto* b = dynamic_cast<TBoardHighlight*>(form.FindComponent("B"));
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->RadioPanel(), form.FindComponent("Panel"));
    EXPECT_EQ(b->RadioPanel(), nullptr);
}

TEST(HighlightMenu, InTheDesignerARefusalIsShownAndLinkedHighlightsAreOfferedTheNewPanel)
{
    TMenuWindow w;
    auto* p = new TRadioPanel(w.Form);
    p->SetName("IENDIOPanel");
    auto* q = new TRadioPanel(w.Form);
    q->SetName("OtherPanel");
    TBoardHighlight* a1 = w.Add("&A");
    a1->SetName("A1");
    TBoardHighlight* a2 = w.Add("&A");
    a2->SetName("A2");
    TBoardHighlight* a3 = w.Add("&A");
    a3->SetName("A3");
    TBoardHighlight* b = w.Add("&B");
    b->SetName("B1");
    for (TBoardHighlight* h : {a1, a2, a3})
        h->LinkRadioPanel(p);
    w.Form->SetDesigning(true);  // and everything the window owns

    std::vector<std::string> texts;
    AnswerMessageBoxes({QMessageBox::Ok}, &texts);
    b->SetRadioPanel(p);
    EXPECT_EQ(b->RadioPanel(), nullptr);
    ASSERT_EQ(texts, (std::vector<std::string>{"IENDIOPanel has already been assigned to A1."}));

    // A3 moves to another panel: the designer asks about A1 (yes) and A2 (no).
    texts.clear();
    AnswerMessageBoxes({QMessageBox::Yes, QMessageBox::No}, &texts);
    a3->SetRadioPanel(q);
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "A3's RadioPanel property changed. Synchronize linked component A1?",
                         "A3's RadioPanel property changed. Synchronize linked component A2?"}));
    EXPECT_EQ(a3->RadioPanel(), q);
    EXPECT_EQ(a1->RadioPanel(), q);
    EXPECT_EQ(a2->RadioPanel(), p);
}

}  // namespace
