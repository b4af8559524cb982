// The published face of the board controls and the setup supporter: which properties a layout may set, their declared
// defaults (a layout leaves out a value equal to its default), and that a new control starts at
// them, since a layout that leaves a property out relies on the constructor to give its default.

#include "BoardHighlight.h"
#include "BoardImage.h"
#include "RadioPanel.h"
#include "SetupSupporter.h"
#include "TwoJumper.h"

#include "core/ClassInfo.h"
#include "support/PropValues.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

using namespace setupctrls;
using testsupport::SameValue;

namespace {

struct TDeclared {
    std::string Property;
    // Empty: no declared default (events, nested objects, data, and a few base properties).
    std::optional<TPropValue> Default;
    // Set where a new control deliberately starts elsewhere than the declared default.
    std::optional<TPropValue> AfterConstruction = std::nullopt;
};

std::optional<TPropValue> Int(std::int64_t v) { return TPropValue(v); }
std::optional<TPropValue> Bool(bool v) { return TPropValue(v); }
const std::optional<TPropValue> kNoDefault = std::nullopt;
const std::optional<TPropValue> kNoReference = TPropValue(static_cast<TComponent*>(nullptr));
const std::int64_t kLeftTop = TAnchors{akLeft, akTop}.Bits();

// What every control has from the class library's bases.
std::vector<TDeclared> ControlBase()
{
    return {{"Name", kNoDefault},  {"Tag", Int(0)},        {"Left", kNoDefault},    {"Top", kNoDefault},
            {"Width", kNoDefault}, {"Height", kNoDefault}, {"Cursor", Int(crDefault)}, {"Hint", TPropValue(std::string())}};
}

std::vector<TDeclared> With(std::vector<TDeclared> base, const std::vector<TDeclared>& own)
{
    base.insert(base.end(), own.begin(), own.end());
    return base;
}

std::vector<TDeclared> Events(std::initializer_list<const char*> names)
{
    std::vector<TDeclared> rows;
    for (const char* n : names)
        rows.push_back({n, kNoDefault});
    return rows;
}

struct TClassCase {
    const TClassInfo* Class;
    std::vector<TDeclared> Rows;
};

std::vector<TClassCase> Cases()
{
    const std::vector<TDeclared> mouse = Events({"OnMouseDown", "OnMouseMove", "OnMouseUp"});
    return {
        {&TBoardImage::StaticClass(),
         With(With(ControlBase(),
                   {{"HelpContext", Int(0)},      {"First", kNoReference},      {"Menu", kNoReference},
                    {"CenterOnForm", Bool(true)}, {"Scale", Bool(true)},        {"Align", Int(alNone)},
                    {"Anchors", Int(kLeftTop)},   {"AutoSize", Bool(true)},     {"Center", Bool(false)},
                    {"Constraints", kNoDefault},  {"Enabled", Bool(true)},      {"ParentShowHint", Bool(true)},
                    {"Picture", kNoDefault},      {"PopupMenu", kNoReference},  {"ShowHint", kNoDefault},
                    {"Stretch", Bool(false)},     {"Transparent", Bool(false)}, {"Visible", Bool(true)},
                    {"OnClick", kNoDefault},      {"OnDblClick", kNoDefault}}),
              mouse)},
        {&TBoardHighlight::StaticClass(),
         With(With(ControlBase(),
                   {{"CreatePopup", Bool(true)}, {"HighlightType", Int(htSettings)}, {"RadioPanel", kNoReference},
                    {"Title", TPropValue(std::string())}, {"Align", Int(alNone)}, {"Anchors", Int(kLeftTop)},
                    {"Enabled", Bool(true)}, {"Constraints", kNoDefault}, {"ParentShowHint", Bool(true)},
                    {"ShowHint", kNoDefault}, {"Visible", Bool(true)}, {"OnClick", kNoDefault}}),
              mouse)},
        {&TRadioPanel::StaticClass(),
         With(With(ControlBase(),
                   {{"HelpContext", Int(0)},
                    {"RadioEnabled", Bool(false)},
                    {"Lines", TPropValue(std::vector<std::string>{})},
                    {"MemoHeight", Int(58)},
                    {"Align", Int(alNone)},
                    {"FinalAnchors", Int(kLeftTop)},
                    {"BevelInner", Int(bvNone)},
                    // A layout therefore always stores the constructor's bvNone.
                    {"BevelOuter", Int(bvRaised), TPropValue(std::int64_t(bvNone))},
                    {"BevelWidth", Int(1)},
                    {"BiDiMode", kNoDefault},
                    {"BorderWidth", Int(0)},
                    {"BorderStyle", Int(bsNone)},
                    {"Color", Int(clBtnFace)},
                    {"Constraints", kNoDefault},
                    {"Ctl3D", kNoDefault},
                    {"Enabled", Bool(true)},
                    {"FullRepaint", Bool(true)},
                    {"ParentBiDiMode", Bool(true)},
                    {"ParentColor", Bool(false)},
                    {"ParentCtl3D", Bool(true)},
                    {"ParentFont", Bool(true)},
                    {"ParentShowHint", Bool(true)},
                    {"PopupMenu", kNoReference},
                    {"ShowHint", kNoDefault},
                    {"TabOrder", Int(-1)},
                    {"TabStop", Bool(false)},
                    // It waits hidden on the main window for its popup.
                    {"Visible", Bool(false)}}),
              Events({"OnRadioChange", "OnActivate", "OnDeactivate", "OnCanResize", "OnClick", "OnConstrainedResize",
                      "OnDblClick", "OnEnter", "OnExit", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnResize"}))},
        {&TTwoJumper::StaticClass(),
         With(With(ControlBase(),
                   {{"Closed", Bool(false)}, {"BaseColor", Int(clGray)}, {"PinColor", Int(clYellow)},
                    {"JumperColor", Int(clMaroon)}, {"Orientation", Int(otUp)}, {"BorderStyle", Int(bsSingle)},
                    {"OnClick", kNoDefault}, {"Align", Int(alNone)}, {"Anchors", Int(kLeftTop)},
                    {"Enabled", Bool(true)}, {"Constraints", kNoDefault}, {"ParentShowHint", Bool(true)},
                    {"ShowHint", kNoDefault}, {"Visible", Bool(true)}}),
              mouse)},
        {&TSetupSupporter::StaticClass(),
         {{"Name", kNoDefault},
          {"Tag", Int(0)},
          {"CompanyName", TPropValue(std::string())},
          {"CardNameA", TPropValue(std::string())},
          {"CardNameB", TPropValue(std::string())},
          {"UseCardNameB", Bool(false)},
          {"CallHow", TPropValue(std::string())},
          {"MultiPort", Bool(false)},
          {"Channels", Int(8)},
          // A layout therefore always stores the constructor's True.
          {"ChangeButtons", Bool(false), TPropValue(true)},
          {"bSeries", Bool(true)},
          {"OnBeginCalib", kNoDefault},
          {"OnGetCardString", kNoDefault},
          {"OnGetCalibString", kNoDefault},
          {"OnStopButtonClick", kNoDefault},
          {"OnStartButtonClick", kNoDefault}}},
    };
}

// Every property a layout can set on the class, the nearest declaration of each name.
std::set<std::string> PublishedNames(const TClassInfo& cls)
{
    std::set<std::string> names;
    for (const TClassInfo* c = &cls; c; c = c->Base)
        for (const TPropInfo& p : c->Published)
            names.insert(p.Name);
    return names;
}

TEST(PublishedProperties, ComponentsPublishTheirListWithTheDeclaredDefaults)
{
    for (const TClassCase& c : Cases()) {
        const TClassInfo& cls = *c.Class;
        std::set<std::string> expected;
        for (const TDeclared& row : c.Rows)
            expected.insert(row.Property);
        EXPECT_EQ(PublishedNames(cls), expected) << cls.Name;

        std::unique_ptr<TComponent> instance(cls.Create(nullptr));
        for (const TDeclared& row : c.Rows) {
            const TPropInfo* p = cls.FindProperty(row.Property);
            if (!p)
                continue;  // reported above
            const std::string where = cls.Name + "." + row.Property;
            EXPECT_EQ(p->Default.has_value(), row.Default.has_value()) << where;
            if (!row.Default || !p->Default)
                continue;
            EXPECT_TRUE(SameValue(*p->Default, *row.Default)) << where;
            if (p->Get) {
                EXPECT_TRUE(SameValue(p->Get(*instance), row.AfterConstruction.value_or(*row.Default))) << where;
            }
        }
    }
}

// Colour properties take colour names in a layout (BaseColor = clGray).
TEST(PublishedProperties, ColoursAreColourProperties)
{
    for (const char* name : {"BaseColor", "PinColor", "JumperColor"})
        EXPECT_EQ(TTwoJumper::StaticClass().FindProperty(name)->Kind, TPropKind::Color) << name;
    EXPECT_EQ(TRadioPanel::StaticClass().FindProperty("Color")->Kind, TPropKind::Color);
}

}  // namespace
