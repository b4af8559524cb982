// The installed-cards window and its File-menu entry, with the full test library on the loader's
// path: the count GetNumCards returns is set per case.

#include "CardsHost.h"
#include "support/Pointer.h"

#include "PCIForm.h"

#include "core/StringList.h"
#include "graphics/Font.h"
#include "stdctrls/Button.h"
#include "stdctrls/Label.h"
#include "stdctrls/Memo.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace cardstest;

const std::vector<std::string> kThreeCards = {"Card 0 at bus 1", "Card 1 at bus 2", "Card 2 at bus 3"};

TEST(InstalledCards, ListsTheHostsNonEmptyLinesForTheCountedCards)
{
    const std::vector<std::string> none = {"No Card Found"};
    struct Case {
        const char* Count;
        std::vector<std::string> Handler;  // the host's line per card index, empty past the end
        bool Series;
        int Asked;  // card indexes 0 … Asked − 1, in order
        std::vector<std::string> Listed;
        const char* Heading;
    };
    const Case cases[] = {
        {"0", kThreeCards, true, 0, none, "No KT-LINE-24F7 Series Card Found"},
        {"-1", kThreeCards, true, 0, none, "No KT-LINE-24F7 Series Card Found"},
        {"-1", kThreeCards, false, 0, none, "No KT-LINE-24F7 Found"},
        {"3", {"Card 0 at bus 1", "", "Card 2 at bus 3"}, true, 3, {"Card 0 at bus 1", "Card 2 at bus 3"},
         "KT-LINE-24F7 Series Settings Program"},
        {"3", kThreeCards, false, 3, kThreeCards, "KT-LINE-24F7 Settings Program"},
        {"3", {"", "", ""}, true, 3, none, "No KT-LINE-24F7 Series Card Found"},
        // A broken driver's count: the list stops at what a PC can hold instead of asking for two
        // billion lines.
        {"2147483647", kThreeCards, true, 256, kThreeCards, "KT-LINE-24F7 Series Settings Program"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("count ") + c.Count + (c.Series ? "" : ", bSeries False"));
        SetDriverCards(c.Count);
        TCardsHost host(c.Handler);
        host.Supporter->SetbSeries(c.Series);
        const int callsBefore = std::max(DriverCounter("BrakmoTestCalls"), 0);
        host.Supporter->BuildWindows();
        EXPECT_EQ(DriverCounter("BrakmoTestCalls"), callsBefore + 1) << "counted once";
        std::vector<int> asked(std::size_t(c.Asked));
        std::iota(asked.begin(), asked.end(), 0);
        EXPECT_EQ(host.Asked, asked);
        EXPECT_EQ(host.Supporter->PCIForm->PCIMemo->Lines()->Items(), c.Listed);
        EXPECT_EQ(host.Supporter->HeaderLabel->Caption(), c.Heading);
    }
}

TEST(InstalledCards, AnErrorInTheHandlerEndsTheBuildKeepingTheLinesSoFar)
{
    SetDriverCards("3");
    TCardsHost host(kThreeCards);
    struct TFailingSecond {
        TCardsHost* Host;
        std::string CardString(TObject* sender, int cardIndex)
        {
            if (cardIndex == 1)
                throw std::runtime_error("card 1 unreadable");
            return Host->CardString(sender, cardIndex);
        }
    } failing{&host};
    host.Supporter->OnGetCardString = Method(&TFailingSecond::CardString, &failing);
    EXPECT_THROW(host.Supporter->BuildWindows(), std::runtime_error);
    EXPECT_EQ(host.Supporter->PCIForm->PCIMemo->Lines()->Items(), std::vector<std::string>{kThreeCards[0]});
    EXPECT_EQ(host.Supporter->HeaderLabel->Caption(), "") << "the heading gets no caption";
    EXPECT_FALSE(host.Supporter->HelpPending()) << "nor is the help window to be shown by itself";
}

TEST(InstalledCards, TheEntryGoesAtTheTopOfTheExactFileMenuOnly)
{
    struct Case {
        std::vector<std::string> Menu;
        int File;  // the top-level item that gets the entry, -1 for none
    };
    const Case cases[] = {
        {{"&File"}, 0},
        {{"&Help", "&File", "&File"}, 1},
        {{"File"}, -1},
        {{"&file"}, -1},
        {{}, -1},  // no main menu at all
    };
    SetDriverCards("3");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Menu.empty() ? std::string("no menu") : c.Menu.front() + " …");
        TCardsHost host(kThreeCards, c.Menu);
        host.Supporter->BuildWindows();
        ASSERT_NE(host.Supporter->PCIForm, nullptr) << "the window is built with or without the entry";
        for (int i = 0; i < int(c.Menu.size()); ++i) {
            TMenuItem* top = host.Menu->Items()->Items(i);
            if (i != c.File) {
                EXPECT_EQ(top->Count(), 1) << c.Menu[std::size_t(i)] << " keeps only Exit";
                continue;
            }
            ASSERT_EQ(top->Count(), 2);
            TMenuItem* entry = top->Items(0);
            EXPECT_EQ(entry->Name(), "DisplayPCI");
            EXPECT_EQ(entry->Caption(), "Display KT-LINE-24F7 Cards Installed");
            EXPECT_EQ(entry->Owner(), top);
            EXPECT_EQ(top->Items(1)->Caption(), "&Exit") << "above the existing entries";
            host.Supporter->PCIForm->Hide();
            entry->Click();
            EXPECT_TRUE(host.Supporter->PCIForm->Visible()) << "the entry shows the window";
        }
    }
}

TEST(InstalledCards, WindowIsLaidOutAndShownAtOnce)
{
    SetDriverCards("3");
    TCardsHost host(kThreeCards);
    host.Supporter->BuildWindows();
    TPCIForm* pci = host.Supporter->PCIForm;
    ASSERT_NE(pci, nullptr);
    EXPECT_EQ(pci->Name(), "PCIForm");
    EXPECT_EQ(pci->Owner(), host.Main);
    EXPECT_EQ(pci->Caption(), "KT-LINE-24F7 Cards installed");
    EXPECT_EQ(pci->FormStyle(), fsStayOnTop);
    EXPECT_EQ(pci->Position(), poDefaultPosOnly);
    EXPECT_TRUE(pci->Visible()) << "up during start-up, without being asked";
    EXPECT_EQ(pci->ClientWidth(), 305);
    EXPECT_EQ(pci->ClientHeight(), 122);

    TMemo* memo = pci->PCIMemo;
    EXPECT_EQ(memo->Name(), "PCIMemo");
    EXPECT_EQ(memo->Parent(), pci);
    EXPECT_EQ(memo->BoundsRect(), Rect(0, 0, 305, 89));
    EXPECT_EQ(memo->Font()->Name(), "Tahoma");
    EXPECT_EQ(memo->Font()->Size(), 10);
    EXPECT_EQ(memo->Font()->Style(), fsBold);
    EXPECT_TRUE(memo->ReadOnly());
    EXPECT_EQ(memo->ScrollBars(), ssVertical);
    EXPECT_EQ(memo->Anchors(), (TAnchors{akLeft, akTop, akRight, akBottom}));

    TButton* close = pci->CloseButton;
    EXPECT_EQ(close->Name(), "CloseButton");
    EXPECT_EQ(close->BoundsRect(), Rect(115, 97, 115 + 73, 97 + 25)) << "a pixel left of the centre";
    EXPECT_EQ(close->Caption(), "Close");
    EXPECT_TRUE(close->Cancel());
    EXPECT_EQ(close->TabOrder(), 0);
    EXPECT_EQ(close->Anchors(), TAnchors{akBottom});
}

TEST(InstalledCards, EscAndCloseHideItAndTheEntryBringsItBackUnchanged)
{
    SetDriverCards("3");
    TCardsHost host(kThreeCards);
    host.Supporter->BuildWindows();
    TPCIForm* pci = host.Supporter->PCIForm;
    const int calls = DriverCounter("BrakmoTestCalls");
    const std::vector<std::pair<const char*, std::function<void()>>> hides = {
        {"Esc",
         [&] {
             // Esc reaches the Cancel button of the active window only.
             ASSERT_TRUE(testsupport::WaitFor([&] { return pci->Handle()->isActiveWindow(); }));
             QTest::keyClick(pci->Handle(), Qt::Key_Escape);
         }},
        {"Close", [&] { pci->CloseButton->Click(); }},
    };
    for (const auto& [how, hide] : hides) {
        SCOPED_TRACE(how);
        host.Supporter->DisplayPCIClick(nullptr);
        ASSERT_TRUE(pci->Visible());
        hide();
        EXPECT_FALSE(pci->Visible());
        host.Menu->Items()->Items(0)->Items(0)->Click();
        EXPECT_TRUE(pci->Visible());
        EXPECT_EQ(host.Supporter->PCIForm, pci) << "the same window";
        EXPECT_EQ(pci->PCIMemo->Lines()->Items(), kThreeCards);
    }
    EXPECT_EQ(DriverCounter("BrakmoTestCalls"), calls) << "showing it does not ask the driver again";
}

}  // namespace
