#include "support/Pointer.h"
#include "support/PropValues.h"

#include "core/ClassInfo.h"
#include "core/StringList.h"
#include "forms/Form.h"
#include "forms/PlatformClasses.h"
#include "graphics/Font.h"
#include "graphics/internal/FontMapping.h"
#include "layout/LayoutReader.h"
#include "stdctrls/Button.h"
#include "stdctrls/CheckBox.h"
#include "stdctrls/Label.h"
#include "stdctrls/Memo.h"
#include "stdctrls/StatusBar.h"
#include "stdctrls/StatusPanel.h"
#include "stdctrls/StatusPanels.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSizeGrip>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

using namespace platform;
using testsupport::SameValue;
using testsupport::WaitFor;

namespace {

// Counts OnClick; Then runs inside the handler, as a component's reaction would.
struct TClickCounter {
    void Clicked(TObject*)
    {
        ++Count;
        if (Then)
            Then();
    }
    int Count = 0;
    std::function<void()> Then;
};

// A shown window to put controls on: Qt delivers clicks and keys only to visible widgets.
struct TShownForm {
    TShownForm()
    {
        Form.SetBounds(100, 100, 300, 240);
        Form.ShowForm();
        EXPECT_TRUE(WaitFor([&] { return Form.Handle()->isActiveWindow(); }));
    }
    template <class C>
    C* Add(int left, int top, int width, int height)
    {
        auto* c = new C(&Form);
        c->SetParent(&Form);
        c->SetBounds(left, top, width, height);
        return c;
    }
    TForm Form{nullptr};
};

QLabel* LabelOf(const TLabel* label) { return qobject_cast<QLabel*>(label->Handle()); }
QPlainTextEdit* EditOf(const TMemo* memo) { return qobject_cast<QPlainTextEdit*>(memo->Handle()); }

TEST(StandardControls, AUserClickRaisesOnClickOnce)
{
    TShownForm w;
    auto* button = w.Add<TButton>(8, 8, 75, 25);
    button->SetCaption("Done");
    auto* label = w.Add<TLabel>(8, 40, 60, 17);
    label->SetCaption("Caption");
    auto* check = w.Add<TCheckBox>(8, 64, 120, 17);
    check->SetCaption("Enable");
    for (TWinControl* control : std::vector<TWinControl*>{button, label, check}) {
        TClickCounter counter;
        control->OnClick = Method(&TClickCounter::Clicked, &counter);
        // Near the left edge, where a check box's box is: the middle may be past its caption.
        QTest::mouseClick(control->Handle(), Qt::LeftButton, {}, QPoint(6, control->Height() / 2));
        EXPECT_EQ(counter.Count, 1) << control->ClassName();
        // The counter ends with this pass; the clicks below must not reach it.
        control->OnClick.Clear();
    }
    EXPECT_TRUE(check->Checked());
    EXPECT_TRUE(qobject_cast<QCheckBox*>(check->Handle())->isChecked());
    QTest::mouseClick(check->Handle(), Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_FALSE(check->Checked());
}

TEST(StandardControls, CheckedFromCodeRaisesOnClickOnlyWhenItChanges)
{
    TCheckBox check(nullptr);
    auto* box = qobject_cast<QCheckBox*>(check.Handle());
    int qtSignals = 0;
    QObject::connect(box, &QCheckBox::toggled, [&] { ++qtSignals; });
    TClickCounter counter;
    // A handler that sets the value again, as linked components do; it must not come back.
    counter.Then = [&] { check.SetChecked(check.Checked()); };
    check.OnClick = Method(&TClickCounter::Clicked, &counter);

    check.SetChecked(false);
    EXPECT_EQ(counter.Count, 0);
    check.SetChecked(true);
    EXPECT_EQ(counter.Count, 1);
    EXPECT_TRUE(box->isChecked());
    check.SetChecked(true);
    EXPECT_EQ(counter.Count, 1);
    check.SetChecked(false);
    EXPECT_EQ(counter.Count, 2);
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(qtSignals, 0);
}

TEST(StandardControls, DefaultAndCancelButtonsAnswerEnterAndEscape)
{
    TShownForm w;
    auto* ok = w.Add<TButton>(8, 8, 75, 25);
    auto* cancel = w.Add<TButton>(90, 8, 75, 25);
    auto* memo = w.Add<TMemo>(8, 40, 180, 60);
    ok->SetDefault(true);
    cancel->SetCancel(true);
    TClickCounter oks, cancels;
    ok->OnClick = Method(&TClickCounter::Clicked, &oks);
    cancel->OnClick = Method(&TClickCounter::Clicked, &cancels);

    QTest::keyClick(w.Form.Handle(), Qt::Key_Return);
    QTest::keyClick(w.Form.Handle(), Qt::Key_Escape);
    EXPECT_EQ(oks.Count, 1);
    EXPECT_EQ(cancels.Count, 1);
    // Enter in a memo starts a new line instead.
    memo->SetFocus();
    QTest::keyClick(EditOf(memo), Qt::Key_Return);
    EXPECT_EQ(oks.Count, 1);
    EXPECT_EQ(memo->Lines()->Count(), 2);
    // A disabled button ignores its key.
    cancel->SetEnabled(false);
    QTest::keyClick(w.Form.Handle(), Qt::Key_Escape);
    EXPECT_EQ(cancels.Count, 1);
}

TEST(StandardControls, MemoLinesAndTextFollowEachOther)
{
    TShownForm w;
    auto* memo = w.Add<TMemo>(8, 8, 180, 80);
    QPlainTextEdit* edit = EditOf(memo);
    int changes = 0;
    struct TChangeCounter {
        int* Count;
        void Changed(TObject*) { ++*Count; }
    } counter{&changes};
    memo->Lines()->OnChange = Method(&TChangeCounter::Changed, &counter);

    memo->Lines()->SetItems({"first", "second"});
    EXPECT_EQ(edit->toPlainText(), "first\nsecond");
    EXPECT_EQ(changes, 1);

    memo->SetText("");
    EXPECT_EQ(memo->Lines()->Count(), 0);
    edit->setFocus();
    // Typing goes in at the cursor: a list that rewrote the widget would send the cursor back.
    QTest::keyClicks(edit, "one");
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClicks(edit, "two");
    EXPECT_EQ(memo->Lines()->Items(), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(memo->Text(), "one\ntwo");

    memo->SetReadOnly(true);
    QTest::keyClicks(edit, "x");
    EXPECT_EQ(memo->Text(), "one\ntwo");
}

TEST(StandardControls, MemoLineReplacedByIndexOnlyWithinTheList)
{
    TShownForm w;
    auto* memo = w.Add<TMemo>(8, 8, 180, 80);
    memo->Lines()->SetItems({"first", "second"});
    memo->Lines()->Put(1, "2nd");
    EXPECT_EQ(EditOf(memo)->toPlainText(), "first\n2nd") << "the box shows the replaced line";

    for (int index : {-1, 2, 7}) {
        const std::string expected = "List index out of bounds (" + std::to_string(index) + ")";
        try {
            memo->Lines()->Put(index, "x");
            ADD_FAILURE() << "no error for " << index;
        } catch (const EStringListError& e) {
            EXPECT_EQ(e.what(), expected);
        }
        EXPECT_THROW((void)(*memo->Lines())[index], EStringListError) << index;
    }
    EXPECT_EQ(memo->Lines()->Items(), (std::vector<std::string>{"first", "2nd"})) << "a refused line changes nothing";
}

TEST(StandardControls, MemoScrollBarsDecideWrapping)
{
    struct Case {
        TScrollStyle Bars;
        bool WordWrap;
        Qt::ScrollBarPolicy Horizontal, Vertical;
        QPlainTextEdit::LineWrapMode Wrap;
    };
    constexpr auto kOn = Qt::ScrollBarAlwaysOn, kOff = Qt::ScrollBarAlwaysOff;
    const Case cases[] = {
        {ssNone, true, kOff, kOff, QPlainTextEdit::WidgetWidth},
        {ssVertical, true, kOff, kOn, QPlainTextEdit::WidgetWidth},
        {ssHorizontal, true, kOn, kOff, QPlainTextEdit::NoWrap},
        {ssBoth, true, kOn, kOn, QPlainTextEdit::NoWrap},
        {ssVertical, false, kOff, kOn, QPlainTextEdit::NoWrap},
    };
    for (const Case& c : cases) {
        TMemo memo(nullptr);
        memo.SetScrollBars(c.Bars);
        memo.SetWordWrap(c.WordWrap);
        QPlainTextEdit* edit = EditOf(&memo);
        EXPECT_EQ(edit->horizontalScrollBarPolicy(), c.Horizontal) << int(c.Bars);
        EXPECT_EQ(edit->verticalScrollBarPolicy(), c.Vertical) << int(c.Bars);
        EXPECT_EQ(edit->lineWrapMode(), c.Wrap) << int(c.Bars) << c.WordWrap;
    }
}

TEST(StandardControls, StatusBarShowsItsPanelsAndKeepsItsHeight)
{
    TShownForm w;
    auto* status = new TStatusBar(&w.Form);
    status->SetAlign(alNone);
    status->SetBounds(0, 150, 209, 19);
    status->SetParent(&w.Form);
    TStatusPanel* panel = status->Panels()->Add();
    panel->SetBevel(pbNone);
    panel->SetText("Ready");

    EXPECT_EQ(status->Height(), 19);
    EXPECT_EQ(status->Handle()->height(), 19);
    const auto labels = status->Handle()->findChildren<QLabel*>();
    const QLabel* shown = nullptr;
    for (const QLabel* l : labels)
        if (l->isVisible())
            shown = l;
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->text(), "Ready");
    EXPECT_EQ(shown->frameShape(), QFrame::NoFrame);
    // The only panel runs up to the grip in the right-hand corner.
    const auto* grip = status->Handle()->findChild<QSizeGrip*>();
    ASSERT_NE(grip, nullptr);
    EXPECT_TRUE(grip->isVisible());
    EXPECT_EQ(grip->geometry().right(), 208);
    EXPECT_EQ(shown->geometry().right() + 1, grip->geometry().left());

    status->SetSizeGrip(false);
    EXPECT_FALSE(grip->isVisible());
    EXPECT_EQ(shown->geometry().right(), 208);
}

TEST(StandardControls, LabelAlignmentAndLayoutPlaceTheText)
{
    struct Case {
        TAlignment Alignment;
        TTextLayout Layout;
        Qt::Alignment Expected;
    };
    const Case cases[] = {
        {taLeftJustify, tlTop, Qt::AlignLeft | Qt::AlignTop},
        {taRightJustify, tlCenter, Qt::AlignRight | Qt::AlignVCenter},
        {taCenter, tlBottom, Qt::AlignHCenter | Qt::AlignBottom},
    };
    for (const Case& c : cases) {
        TLabel label(nullptr);
        label.SetAlignment(c.Alignment);
        label.SetLayout(c.Layout);
        EXPECT_EQ(LabelOf(&label)->alignment(), c.Expected) << int(c.Alignment) << int(c.Layout);
    }
}

TEST(StandardControls, LabelShowsItsCaptionAndSizesToItWhenAutoSized)
{
    TForm form(nullptr);
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetCaption("Q&&A &Setup");
    EXPECT_EQ(LabelOf(label)->text(), "Q&A Setup");
    const QSize text = LabelOf(label)->sizeHint();
    EXPECT_EQ(label->Width(), text.width());
    EXPECT_EQ(label->Height(), text.height());

    // Fixed size, as the layouts have it.
    label->SetAutoSize(false);
    label->SetBounds(8, 8, 33, 17);
    label->SetCaption("A much longer caption");
    EXPECT_EQ(label->BoundsRect(), Bounds(8, 8, 33, 17));
}

TEST(StandardControls, FontsMapToFacesThatExist)
{
    struct Case {
        const char* Name;
        int Height;
        const char* Family;
        int PixelSize;
    };
    const Case cases[] = {
        {"MS Sans Serif", -11, "Liberation Sans", 11},
        {"No Such Face", -13, "Liberation Sans", 13},
        {"DejaVu Sans", 20, "DejaVu Sans", 16},  // a cell height
    };
    for (const Case& c : cases) {
        TFont font;
        font.SetName(c.Name);
        font.SetHeight(c.Height);
        const QFont q = ToQFont(font);
        EXPECT_EQ(q.family(), c.Family) << c.Name;
        EXPECT_EQ(q.pixelSize(), c.PixelSize) << c.Name;
    }
    // Controls apply the font when made and whenever it changes.
    TButton button(nullptr);
    EXPECT_EQ(button.Handle()->font().family(), "Liberation Sans");
    EXPECT_EQ(button.Handle()->font().pixelSize(), 11);
    button.Font()->SetHeight(-15);
    button.Font()->SetStyle(1);
    EXPECT_EQ(button.Handle()->font().pixelSize(), 15);
    EXPECT_TRUE(button.Handle()->font().bold());
}

TEST(StandardControls, FontSizeInPointsIsTheCharacterHeightAt96Dpi)
{
    struct Case {
        int Points;
        int Height;
    };
    // 8 pt is 10.67 px, rounded to 11; 18 pt is exactly 24.
    for (const Case c : {Case{8, -11}, Case{12, -16}, Case{18, -24}, Case{0, 0}}) {
        TFont font;
        font.SetSize(c.Points);
        EXPECT_EQ(font.Height(), c.Height) << c.Points << " pt";
        EXPECT_EQ(font.Size(), c.Points) << c.Height << " px";
    }
    TFont font;
    font.SetHeight(-13);
    EXPECT_EQ(font.Size(), 10) << "9.75 pt rounds to 10";
}

// A form with a handler for the layout to bind.
class TControlsForm : public TForm {
    PLATFORM_CLASS(TControlsForm)
public:
    using TForm::TForm;
    void Clicked(TObject*) { ++Clicks; }
    int Clicks = 0;
};

const TClassInfo& TControlsForm::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TControlsForm, TForm>("TControlsForm")
        .Method("Clicked", &TControlsForm::Clicked)
        .Build();
    return info;
}

template <class C>
C* Find(const TComponent& root, const char* name)
{
    auto* c = dynamic_cast<C*>(root.FindComponent(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

TEST(StandardControls, ReadFromALayoutWithTheirPublishedProperties)
{
    TControlsForm form(nullptr);
    ReadLayout(form, R"(object Form1: TControlsForm
  object Label1: TLabel
    Left = 8
    Top = 8
    Width = 33
    Height = 17
    Alignment = taCenter
    AutoSize = False
    Caption = 'IEN4'
    Layout = tlBottom
    WordWrap = True
    Transparent = True
    Color = clWhite
    ParentColor = False
    Font.Height = -13
    ParentFont = False
    ParentShowHint = False
    ShowHint = True
    Anchors = [akLeft, akBottom]
    Enabled = False
    OnClick = Clicked
  end
  object Check1: TCheckBox
    Left = 40
    Top = 72
    Width = 145
    Height = 17
    Caption = 'Enable Ctr A2 Interrupt'
    Checked = True
    TabOrder = 2
    TabStop = False
    OnClick = Clicked
  end
  object Button1: TButton
    Caption = 'Done'
    Default = True
    Cancel = True
    TabOrder = 1
    OnClick = Clicked
  end
  object Memo1: TMemo
    Color = clYellow
    Lines = (
      'one'
      'two')
    ReadOnly = True
    ScrollBars = ssBoth
    WordWrap = False
    Visible = False
  end
  object Status1: TStatusBar
    Top = 150
    Height = 19
    Align = alNone
    SimplePanel = True
    SimpleText = 'Ready'
    SizeGrip = False
  end
end)",
               "test.layout", [](const std::string&) -> std::vector<std::uint8_t> { return {}; });

    auto* label = Find<TLabel>(form, "Label1");
    auto* check = Find<TCheckBox>(form, "Check1");
    auto* button = Find<TButton>(form, "Button1");
    auto* memo = Find<TMemo>(form, "Memo1");
    auto* status = Find<TStatusBar>(form, "Status1");
    ASSERT_TRUE(label && check && button && memo && status);

    EXPECT_EQ(label->BoundsRect(), Bounds(8, 8, 33, 17));
    EXPECT_EQ(label->Alignment(), taCenter);
    EXPECT_EQ(label->Layout(), tlBottom);
    EXPECT_FALSE(label->AutoSize());
    EXPECT_EQ(label->Caption(), "IEN4");
    EXPECT_TRUE(label->WordWrap());
    EXPECT_TRUE(label->Transparent());
    EXPECT_EQ(label->Color(), clWhite);
    EXPECT_FALSE(label->ParentColor());
    EXPECT_EQ(label->Font()->Height(), -13);
    EXPECT_EQ(LabelOf(label)->font().pixelSize(), 13);
    EXPECT_FALSE(label->ParentFont());
    EXPECT_TRUE(label->ShowHint());
    EXPECT_EQ(label->Anchors(), (TAnchors{akLeft, akBottom}));
    EXPECT_FALSE(label->Enabled());

    EXPECT_EQ(check->Caption(), "Enable Ctr A2 Interrupt");
    EXPECT_TRUE(check->Checked());
    EXPECT_TRUE(qobject_cast<QCheckBox*>(check->Handle())->isChecked());
    EXPECT_EQ(check->TabOrder(), 2);
    EXPECT_FALSE(check->TabStop());

    EXPECT_EQ(qobject_cast<QPushButton*>(button->Handle())->text(), "Done");
    EXPECT_TRUE(button->Default());
    EXPECT_TRUE(button->Cancel());
    EXPECT_EQ(button->TabOrder(), 1);

    EXPECT_EQ(memo->Color(), clYellow);
    EXPECT_EQ(EditOf(memo)->toPlainText(), "one\ntwo");
    EXPECT_TRUE(memo->ReadOnly());
    EXPECT_EQ(memo->ScrollBars(), ssBoth);
    EXPECT_FALSE(memo->WordWrap());
    EXPECT_FALSE(memo->Visible());

    EXPECT_EQ(status->Align(), alNone);
    EXPECT_EQ(status->Height(), 19);
    EXPECT_TRUE(status->SimplePanel());
    EXPECT_EQ(status->SimpleText(), "Ready");
    EXPECT_FALSE(status->SizeGrip());

    for (TControl* c : std::vector<TControl*>{label, check, button})
        c->Click();
    EXPECT_EQ(form.Clicks, 3);
}

// A registration that declares a default the constructor does not give makes layouts that leave
// the property out (because it has its default) come out wrong.
TEST(StandardControls, NewInstancesHaveTheirDeclaredDefaults)
{
    RegisterPlatformClasses();
    for (const char* name : {"TLabel", "TCheckBox", "TButton", "TMemo", "TRichEdit", "TStatusBar"}) {
        const TClassInfo* cls = FindClass(name);
        ASSERT_NE(cls, nullptr) << name;
        ASSERT_TRUE(cls->Create) << name;
        std::unique_ptr<TComponent> instance(cls->Create(nullptr));
        for (const TClassInfo* c = cls; c; c = c->Base) {
            for (const TPropInfo& declared : c->Published) {
                // The nearest declaration wins: a class may re-publish with another default.
                const TPropInfo* p = cls->FindProperty(declared.Name);
                if (p != &declared || !p->Get || !p->Default)
                    continue;
                EXPECT_TRUE(SameValue(p->Get(*instance), *p->Default)) << name << "." << p->Name;
            }
        }
    }
}

}  // namespace
