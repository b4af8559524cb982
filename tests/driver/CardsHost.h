#pragma once
// A host for the installed-cards tests: the application's main window, optionally with a main
// menu, and a setup supporter on it whose card-string handler hands out given lines and records
// which card indexes it was asked for. Also reads the test driver library's counters.

#include "SetupSupporter.h"

#include "forms/Application.h"
#include "forms/Form.h"
#include "stdctrls/Menus.h"

#include <dlfcn.h>

#include <string>
#include <vector>

namespace cardstest {

using namespace setupctrls;

// One of the counters the test library exports (BrakmoTestLoads, BrakmoTestLookups,
// BrakmoTestCalls); -1 while the library is not loaded in this process.
inline int DriverCounter(const char* name)
{
    void* library = dlopen("BRAKMO.dll", RTLD_NOW | RTLD_NOLOAD);
    if (!library)
        return -1;
    const int* counter = static_cast<const int*>(dlsym(library, name));
    const int value = counter ? *counter : -1;
    dlclose(library);  // balances this lookup's own reference, nothing more
    return value;
}

inline bool DriverLoaded() { return DriverCounter("BrakmoTestLoads") > 0; }

// The count GetNumCards of the test library returns, read at each call.
inline void SetDriverCards(const std::string& count) { setenv("BRAKMO_TEST_CARDS", count.c_str(), 1); }

struct TCardsHost {
    // `menuCaptions`: the main menu's top-level items, none for a window without a main menu;
    // each gets one entry, "&Exit".
    explicit TCardsHost(std::vector<std::string> lines, const std::vector<std::string>& menuCaptions = {"&File"})
        : Lines(std::move(lines))
    {
        Application->CreateForm(Main);
        if (!menuCaptions.empty()) {
            Menu = new TMainMenu(Main);
            for (const std::string& caption : menuCaptions) {
                auto* top = new TMenuItem(Main);
                top->SetCaption(caption);
                Menu->Items()->Add(top);
                auto* exit = new TMenuItem(Main);
                exit->SetCaption("&Exit");
                top->Add(exit);
            }
            Main->SetMenu(Menu);
        }
        Supporter = new TSetupSupporter(Main);
        Supporter->SetCardNameA("KT-LINE-24F7");
        Supporter->OnGetCardString = Method(&TCardsHost::CardString, this);
    }
    ~TCardsHost() { delete Main; }

    // The handler: the given line for each index, empty past their end.
    std::string CardString(TObject*, int cardIndex)
    {
        Asked.push_back(cardIndex);
        return std::size_t(cardIndex) < Lines.size() ? Lines[std::size_t(cardIndex)] : std::string();
    }

    std::vector<std::string> Lines;
    std::vector<int> Asked;
    TForm* Main = nullptr;
    TMainMenu* Menu = nullptr;
    TSetupSupporter* Supporter = nullptr;
};

}  // namespace cardstest
