// The driver binding against real libraries. Each suite runs in its own process with the loader's
// path on one variant of the test library (see CMakeLists.txt): FullDriver all 33 exports,
// PartialDriver without RelOutPortDWord, CountlessDriver without GetNumCards, NoDriver none at
// all, UnusedDriver the full one with a host that never asks for the cards.

#include "CardsHost.h"

#include "LLBRAKMO.h"

#include "core/StringList.h"
#include "PCIForm.h"
#include "stdctrls/Label.h"
#include "stdctrls/Memo.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace {

using namespace cardstest;

// The names of the entry points whose variables are null after binding.
std::set<std::string> Missing()
{
    std::set<std::string> missing;
    for (std::size_t i = 0; i < driver::kEntryPointCount; ++i)
        if (!driver::EntryPoint(i).Found)
            missing.insert(driver::EntryPoint(i).Name);
    return missing;
}

const std::set<std::string> kAllNames = [] {
    std::set<std::string> names;
    for (std::size_t i = 0; i < driver::kEntryPointCount; ++i)
        names.insert(driver::EntryPoint(i).Name);
    return names;
}();

TEST(FullDriver, BindsAll33OnceAndAgainDoesNothing)
{
    EXPECT_EQ(kAllNames.size(), driver::kEntryPointCount) << "33 distinct names";
    EXPECT_STREQ(driver::EntryPoint(0).Name, "GetNumCards");
    EXPECT_STREQ(driver::EntryPoint(32).Name, "RelOutPortDWord");
    EXPECT_EQ(driver::EntryPoint(33).Name, nullptr);

    driver::LoadDriverLibrary();
    EXPECT_TRUE(driver::DriverLibraryBound);
    EXPECT_EQ(Missing(), std::set<std::string>());
    EXPECT_EQ(DriverCounter("BrakmoTestLoads"), 1);
    const int lookups = DriverCounter("BrakmoTestLookups");
    EXPECT_EQ(lookups, 1);

    driver::LoadDriverLibrary();
    EXPECT_EQ(DriverCounter("BrakmoTestLookups"), lookups) << "bound: no second round of lookups";
    SetDriverCards("3");
    EXPECT_EQ(driver::GetNumCards(), 3) << "the bound address is the library's own";
}

TEST(PartialDriver, MissingExportLeavesUnboundButCountsCards)
{
    driver::LoadDriverLibrary();
    EXPECT_FALSE(driver::DriverLibraryBound);
    EXPECT_EQ(Missing(), std::set<std::string>{"RelOutPortDWord"});
    EXPECT_EQ(DriverCounter("BrakmoTestLookups"), 1);
    driver::LoadDriverLibrary();
    EXPECT_EQ(DriverCounter("BrakmoTestLookups"), 2) << "unbound: every call looks the names up again";

    SetDriverCards("2");
    TCardsHost host({"Card 0 at bus 1", "Card 1 at bus 2"});
    host.Supporter->BuildWindows();
    EXPECT_EQ(host.Supporter->PCIForm->PCIMemo->Lines()->Items(),
              (std::vector<std::string>{"Card 0 at bus 1", "Card 1 at bus 2"}));
    EXPECT_EQ(host.Supporter->HeaderLabel->Caption(), "KT-LINE-24F7 Series Settings Program");
}

// Without a way to count, the window and the heading say no card was found, as for a count of 0.
void ExpectNoCardsAsked()
{
    TCardsHost host({"Card 0 at bus 1"});
    host.Supporter->BuildWindows();
    ASSERT_NE(host.Supporter->PCIForm, nullptr) << "the window is built all the same";
    EXPECT_EQ(host.Supporter->PCIForm->PCIMemo->Text(), "No Card Found");
    EXPECT_EQ(host.Supporter->HeaderLabel->Caption(), "No KT-LINE-24F7 Series Card Found");
    EXPECT_TRUE(host.Asked.empty());
}

TEST(CountlessDriver, WithoutGetNumCardsNothingIsCounted)
{
    driver::LoadDriverLibrary();
    EXPECT_FALSE(driver::DriverLibraryBound);
    EXPECT_EQ(Missing(), std::set<std::string>{"GetNumCards"});
    ExpectNoCardsAsked();
}

TEST(NoDriver, WithoutALibraryEverythingStaysNullAndNothingIsCounted)
{
    for (int call = 0; call < 2; ++call) {
        driver::LoadDriverLibrary();
        EXPECT_FALSE(driver::DriverLibraryBound);
        EXPECT_EQ(Missing(), kAllNames);
    }
    ExpectNoCardsAsked();
}

TEST(UnusedDriver, AHostWithoutCardStringsNeverLoadsTheLibrary)
{
    TCardsHost host({"Card 0 at bus 1"});
    host.Supporter->OnGetCardString = TPCIEvent();
    host.Supporter->BuildWindows();
    EXPECT_FALSE(DriverLoaded());
    EXPECT_EQ(host.Supporter->PCIForm, nullptr);
    EXPECT_EQ(host.Menu->Items()->Items(0)->Count(), 1) << "File holds only Exit";
    EXPECT_NE(host.Supporter->TechForm, nullptr);
    EXPECT_EQ(host.Supporter->HeaderLabel->Caption(), "KT-LINE-24F7 Series Settings Program");
}

}  // namespace
