#include "controls/CustomPanel.h"
#include "controls/SizeConstraints.h"
#include "core/ClassInfo.h"
#include "forms/Form.h"
#include "graphics/Bitmap.h"
#include "graphics/Font.h"
#include "layout/LayoutReader.h"
#include "stdctrls/Menus.h"

#include <gtest/gtest.h>

#include <string>

using namespace platform;

namespace {

// A form class of the test's own, with a handler, a handler of another signature and a field.
class TTestForm : public TForm {
    PLATFORM_CLASS(TTestForm)
public:
    using TForm::TForm;
    void ItemClick(TObject*) { ++Clicks; }
    void CloseHandler(TObject*, TCloseAction&) {}
    TMenuItem* Item1 = nullptr;
    int Clicks = 0;
};

const TClassInfo& TTestForm::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TTestForm, TForm>("TTestForm")
        .Method("ItemClick", &TTestForm::ItemClick)
        .Method("CloseHandler", &TTestForm::CloseHandler)
        .Field("Item1", &TTestForm::Item1)
        .Build();
    return info;
}

void Read(TComponent& root, const std::string& text)
{
    ReadLayout(root, text, "test.layout", [](const std::string& name) -> std::vector<std::uint8_t> {
        if (name == "broken.jpg")
            return {0xFF, 0xD8, 0xFF, 0xE0, 0x00};
        throw std::runtime_error("no such file");
    });
}

TEST(LayoutReader, BuildsComponentsAppliesPropertiesAndResolvesReferences)
{
    TTestForm form(nullptr);
    Read(form, R"(object Form1: TTestForm
  Caption = 'Title'
  Color = clWhite
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Constraints.MinWidth = 50
  Menu = Menu1
  OnClose = CloseHandler
  object Menu1: TMainMenu
    object Top1: TMenuItem
      Caption = '&Top'
      object Item1: TMenuItem
        Caption = '&Item'
        Checked = True
        OnClick = ItemClick
      end
    end
  end
end)");
    EXPECT_EQ(form.Name(), "Form1");
    EXPECT_EQ(form.Caption(), "Title");
    EXPECT_EQ(form.Color(), clWhite);
    EXPECT_EQ(form.Font()->Height(), -11);
    EXPECT_EQ(form.Constraints()->MinWidth(), 50);
    auto* menu = dynamic_cast<TMainMenu*>(form.FindComponent("Menu1"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(form.Menu(), menu);
    ASSERT_EQ(menu->Items()->Count(), 1);
    TMenuItem* top = menu->Items()->Items(0);
    ASSERT_EQ(top->Count(), 1);
    EXPECT_EQ(top->Items(0), form.Item1);
    EXPECT_TRUE(form.Item1->Checked());
    form.Item1->Click();
    EXPECT_EQ(form.Clicks, 1);
    EXPECT_TRUE(form.OnClose.Assigned());
    EXPECT_FALSE(form.IsLoading());
    EXPECT_FALSE(form.Item1->IsLoading());
}

TEST(LayoutReader, ReportsEveryBadNameWithItsPosition)
{
    struct Case {
        const char* Body;  // placed inside the root object, from line 2
        const char* Error;
    };
    const Case cases[] = {
        {"  object X: TNoSuchClass\n  end\n", "test.layout:2:3: unknown class 'TNoSuchClass'"},
        {"  Colour = clWhite\n", "test.layout:2:3: unknown property 'Colour' of TTestForm"},
        {"  Font.Size = 8\n", "test.layout:2:3: unknown property 'Font.Size' of TTestForm"},
        {"  Caption.Length = 8\n", "test.layout:2:3: property 'Caption' has no properties of its own"},
        {"  WindowState = wsHuge\n",
         "test.layout:2:17: unknown value 'wsHuge' for property 'WindowState' (expected one of wsNormal, "
         "wsMinimized, wsMaximized)"},
        {"  Anchors = [akLeft, akNorth]\n",
         "test.layout:2:13: unknown value 'akNorth' for property 'Anchors' (expected one of akLeft, akTop, "
         "akRight, akBottom)"},
        {"  Color = clPuce\n", "test.layout:2:11: unknown colour 'clPuce' for property 'Color'"},
        {"  Visible = Yes\n", "test.layout:2:13: property 'Visible' expects True or False"},
        {"  Left = 'ten'\n", "test.layout:2:10: property 'Left' expects an integer, found a string"},
        {"  Left = 4294967296\n", "test.layout:2:10: value 4294967296 of property 'Left' is out of range"},
        {"  Caption = Setup\n", "test.layout:2:13: property 'Caption' expects a string, found an identifier"},
        {"  Font = 'Arial'\n", "test.layout:2:3: property 'Font' is an object: set its properties as Font.Name"},
        {"  Menu = Nowhere\n", "test.layout:2:10: unknown component 'Nowhere' for property 'Menu'"},
        {"  Menu = Item1\n  object Item1: TMenuItem\n  end\n",
         "test.layout:2:10: property 'Menu' expects a TMainMenu, but 'Item1' is a TMenuItem"},
        {"  OnClose = NoHandler\n", "test.layout:2:13: unknown handler 'NoHandler' of TTestForm"},
        {"  OnClose = ItemClick\n", "test.layout:2:13: handler 'ItemClick' does not fit event 'OnClose'"},
        {"  object A: TMainMenu\n  end\n  object A: TMainMenu\n  end\n",
         "test.layout:4:3: duplicate component name 'A'"},
        {"  object Item1: TMainMenu\n  end\n",
         "test.layout:2:3: field 'Item1' of TTestForm holds a TMenuItem, not a TMainMenu"},
        {"  object G: TGraphic\n  end\n", "test.layout:2:3: class 'TGraphic' cannot be created from a layout"},
    };
    RegisterClass(TTestForm::StaticClass());
    RegisterClass(TGraphic::StaticClass());
    for (const Case& c : cases) {
        TTestForm form(nullptr);
        const std::string text = std::string("object Form1: TTestForm\n") + c.Body + "end\n";
        try {
            Read(form, text);
            ADD_FAILURE() << "no error for:\n" << c.Body;
        } catch (const ELayoutError& e) {
            EXPECT_EQ(std::string(e.what()), c.Error) << c.Body;
        }
    }
}

TEST(LayoutReader, RefusesAForeignRootAndUnreadableData)
{
    TTestForm form(nullptr);
    EXPECT_THROW(Read(form, "object F: TForm\nend\n"), ELayoutError);
    try {
        Read(form, "object F: TTestForm\nend\n");
    } catch (...) {
        ADD_FAILURE() << "the matching root class must load";
    }
}

}  // namespace
