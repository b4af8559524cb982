#include "RadioPanel.h"
#include "SetupCtrls.h"
#include "TwoJumper.h"

#include "forms/Form.h"
#include "graphics/Bitmap.h"
#include "layout/LayoutReader.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

using namespace setupctrls;

namespace {

// A jumper class of its own: not one of the panel's group, whatever it inherits.
class TLookalikeJumper : public TTwoJumper {
    PLATFORM_CLASS(TLookalikeJumper)
public:
    using TTwoJumper::TTwoJumper;
};

const TClassInfo& TLookalikeJumper::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TLookalikeJumper, TTwoJumper>("TLookalikeJumper").Build();
    return info;
}

// Records the panel's and the jumpers' notifications in the order they come.
class TRecorder {
public:
    void RadioChange(TObject* sender) { Log.push_back("change " + NameOf(sender)); }
    void Click(TObject* sender)
    {
        Log.push_back("click " + NameOf(sender) + (static_cast<TTwoJumper*>(sender)->Closed() ? " closed" : " open"));
    }
    std::string NameOf(TObject* sender) const { return static_cast<TComponent*>(sender)->Name(); }
    std::vector<std::string> Log;
};

struct SelectCase {
    const char* Name;
    bool RadioEnabled;
    std::array<bool, 3> Before;
    int Clicked;
    std::array<bool, 3> After;
    std::vector<std::string> Log;
};

void PrintTo(const SelectCase& c, std::ostream* os) { *os << c.Name; }

class RadioSelection : public ::testing::TestWithParam<SelectCase> {};

// Three jumpers J0, J1, J2 among a plain control and a closed look-alike jumper.
TEST_P(RadioSelection, ClickSelectsWithinTheGroup)
{
    const SelectCase& c = GetParam();
    TComponent owner(nullptr);
    auto* panel = new TRadioPanel(&owner);
    panel->SetRadioEnabled(c.RadioEnabled);
    TRecorder recorder;
    panel->OnRadioChange = Method(&TRecorder::RadioChange, &recorder);
    std::array<TTwoJumper*, 3> jumpers{};
    auto* label = new TGraphicControl(&owner);
    auto* lookalike = new TLookalikeJumper(&owner);
    for (int i = 0; i < 3; ++i) {
        jumpers[i] = new TTwoJumper(&owner);
        jumpers[i]->SetName("J" + std::to_string(i));
        jumpers[i]->SetClosed(c.Before[i]);
        jumpers[i]->OnClick = Method(&TRecorder::Click, &recorder);
        jumpers[i]->SetParent(panel);
        if (i == 0)
            label->SetParent(panel);
        if (i == 1)
            lookalike->SetParent(panel);
    }
    lookalike->SetClosed(true);

    jumpers[c.Clicked]->Click();

    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(jumpers[i]->Closed(), c.After[i]) << "J" << i;
    EXPECT_EQ(recorder.Log, c.Log);
    EXPECT_TRUE(lookalike->Closed());
    EXPECT_EQ(panel->ControlCount(), 5);
}

INSTANTIATE_TEST_SUITE_P(Cases, RadioSelection, ::testing::Values(
    // Without radio behaviour a click only turns the one jumper over.
    SelectCase{"OffClosesOne", false, {false, true, false}, 0, {true, true, false}, {"click J0 closed"}},
    SelectCase{"OffOpensOne", false, {false, true, false}, 1, {false, false, false}, {"click J1 open"}},
    // With it the clicked jumper becomes the closed one; the panel reports first.
    SelectCase{"MovesToFirst", true, {false, true, false}, 0, {true, false, false},
               {"change J0", "click J0 closed"}},
    SelectCase{"MovesToLast", true, {false, true, false}, 2, {false, false, true},
               {"change J2", "click J2 closed"}},
    // The closed one stays closed, and nothing changed to report.
    SelectCase{"ClosedOneStays", true, {false, true, false}, 1, {false, true, false}, {"click J1 closed"}},
    // A group with none closed gains its first selection: a change.
    SelectCase{"FirstSelection", true, {false, false, false}, 1, {false, true, false},
               {"change J1", "click J1 closed"}}),
    [](const ::testing::TestParamInfo<SelectCase>& info) { return std::string(info.param.Name); });

TEST(RadioPanel, StartsHiddenAtItsDeclaredState)
{
    TRadioPanel p(nullptr);
    EXPECT_EQ(p.Width(), 194);
    EXPECT_EQ(p.Height(), 100);
    EXPECT_FALSE(p.Visible());
    EXPECT_EQ(p.BevelOuter(), bvNone);
    EXPECT_EQ(p.BevelInner(), bvNone);
    EXPECT_FALSE(p.ControlStyle() & csSetCaption);
    EXPECT_EQ(p.MemoHeight(), 58);
    EXPECT_EQ(p.FinalAnchors(), (TAnchors{akLeft, akTop}));
    EXPECT_EQ(p.Anchors(), (TAnchors{akLeft, akTop}));
    EXPECT_FALSE(p.RadioEnabled());
    EXPECT_FALSE(p.Placed());
    EXPECT_FALSE(p.DesignHidden());
    EXPECT_EQ(p.StatusMemo(), nullptr);
    ASSERT_NE(p.Lines(), nullptr);
    EXPECT_EQ(p.Lines()->Count(), 0);
}

// The panel keeps left and top anchors while it waits on the main window.
TEST(RadioPanel, FinalAnchorsApplyOnceThePanelIsPlaced)
{
    TRadioPanel p(nullptr);
    const TAnchors all{akLeft, akTop, akRight, akBottom};
    p.SetFinalAnchors(all);
    EXPECT_EQ(p.FinalAnchors(), all);
    EXPECT_EQ(p.Anchors(), (TAnchors{akLeft, akTop}));
    p.SetPlaced(true);
    const TAnchors rightBottom{akRight, akBottom};
    p.SetFinalAnchors(rightBottom);
    EXPECT_EQ(p.Anchors(), rightBottom);
}

TEST(RadioPanel, LinesAreCopied)
{
    TRadioPanel p(nullptr);
    TStringList source;
    source.SetItems({"Closed: enabled", "Open: disabled"});
    p.SetLines(source);
    source.Clear();
    EXPECT_EQ(p.Lines()->Items(), (std::vector<std::string>{"Closed: enabled", "Open: disabled"}));
}

TEST(RadioPanel, LayoutBuildsAGroup)
{
    RegisterSetupCtrls();
    TForm form(nullptr);
    ReadLayout(form, R"(object Form1: TForm
  object Radio1: TRadioPanel
    RadioEnabled = True
    Lines = (
      'Closed: enabled'
      'Open: disabled')
    MemoHeight = 40
    FinalAnchors = [akLeft, akTop, akRight]
    object J0: TTwoJumper
      Closed = True
    end
    object J1: TTwoJumper
      Left = 40
    end
  end
end)", "test.layout", [](const std::string&) -> std::vector<std::uint8_t> { throw std::runtime_error("none"); });
    auto* panel = dynamic_cast<TRadioPanel*>(form.FindComponent("Radio1"));
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(panel->Visible());
    EXPECT_EQ(panel->Lines()->Count(), 2);
    EXPECT_EQ(panel->MemoHeight(), 40);
    EXPECT_EQ(panel->FinalAnchors(), (TAnchors{akLeft, akTop, akRight}));
    EXPECT_EQ(panel->Anchors(), (TAnchors{akLeft, akTop}));
    auto* j0 = static_cast<TTwoJumper*>(form.FindComponent("J0"));
    auto* j1 = static_cast<TTwoJumper*>(form.FindComponent("J1"));
    j1->Click();
    EXPECT_FALSE(j0->Closed());
    EXPECT_TRUE(j1->Closed());
}

TEST(RadioPanel, HidesItselfOnceWhenShownInADesigner)
{
    TRadioPanel p(nullptr);
    p.SetVisible(true);
    p.SetDesigning(true);
    TBitmap shot;
    p.PaintTo(shot);
    EXPECT_FALSE(p.Visible());
    EXPECT_TRUE(p.DesignHidden());
    p.SetVisible(true);
    p.PaintTo(shot);
    EXPECT_TRUE(p.Visible());
}

}  // namespace
