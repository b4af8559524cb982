// The class library's foundations: events, ownership and names, block copies, the idle event.

#include "controls/WinApi.h"
#include "core/ClassInfo.h"
#include "core/Component.h"
#include "forms/Application.h"
#include "forms/Form.h"
#include "graphics/Bitmap.h"
#include "stdctrls/Menus.h"

#include <QAction>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace platform;

namespace {

struct TListener {
    int Calls = 0;
    TObject* Last = nullptr;
    void Heard(TObject* sender)
    {
        ++Calls;
        Last = sender;
    }
    void Other(TObject*) {}
    std::string Line(TObject*, int index) { return "card " + std::to_string(index); }
};

TEST(Event, IsAComparableClearableMethodObjectPair)
{
    TListener a, b;
    TNotifyEvent empty;
    EXPECT_FALSE(empty.Assigned());
    empty(nullptr);  // calling an empty event does nothing

    TNotifyEvent e = Method(&TListener::Heard, &a);
    EXPECT_TRUE(e.Assigned());
    EXPECT_EQ(e, Method(&TListener::Heard, &a));
    EXPECT_FALSE(e == Method(&TListener::Heard, &b));   // same method, other object
    EXPECT_FALSE(e == Method(&TListener::Other, &a));   // same object, other method
    TObject sender;
    e(&sender);
    EXPECT_EQ(a.Calls, 1);
    EXPECT_EQ(a.Last, &sender);
    e.Clear();
    EXPECT_EQ(e, empty);

    // An event with a result: an unassigned one gives the empty value.
    TMethodEvent<std::string(TObject*, int)> line;
    EXPECT_EQ(line(nullptr, 3), "");
    line = Method(&TListener::Line, &a);
    EXPECT_EQ(line(nullptr, 3), "card 3");
}

TEST(Component, OwnerDestroysWhatItOwnsAndNamesAreUnique)
{
    auto* owner = new TComponent(nullptr);
    auto* first = new TComponent(owner);
    first->SetName("First");
    auto* second = new TComponent(owner);
    second->SetName("Second");
    EXPECT_EQ(owner->FindComponent("Second"), second);
    EXPECT_EQ(owner->FindComponent("Nobody"), nullptr);
    EXPECT_THROW(second->SetName("First"), std::invalid_argument);
    EXPECT_EQ(second->Name(), "Second");

    auto* grandchild = new TComponent(first);
    grandchild->SetName("Deep");
    EXPECT_EQ(owner->FindComponent("Deep"), nullptr);  // not searched further down

    delete second;  // leaves its owner's list
    EXPECT_EQ(owner->ComponentCount(), 1);
    delete owner;   // takes first and, through it, the grandchild
}

// Holds a reference to a component of another owner and hears when it goes.
class TWatcher : public TComponent {
public:
    using TComponent::TComponent;
    TComponent* Watched = nullptr;
    int Heard = 0;

protected:
    void Notification(TComponent* component) override
    {
        if (component == Watched) {
            Watched = nullptr;
            ++Heard;
        }
    }
};

TEST(Component, FreeNotificationReachesAcrossOwnersAndEitherSideMayGoFirst)
{
    TComponent ownerA(nullptr), ownerB(nullptr);
    auto* watcher = new TWatcher(&ownerA);
    auto* watched = new TComponent(&ownerB);
    watcher->Watched = watched;
    watched->FreeNotification(watcher);
    watched->FreeNotification(watcher);  // asking twice still tells once
    delete watched;
    EXPECT_EQ(watcher->Watched, nullptr);
    EXPECT_EQ(watcher->Heard, 1);

    // The watcher goes first: the watched one must not call it later.
    watched = new TComponent(&ownerB);
    watched->FreeNotification(watcher);
    delete watcher;
    delete watched;  // under a sanitizer or valgrind a stale link shows here

    // Removed: no call at all.
    auto* quiet = new TWatcher(&ownerA);
    watched = new TComponent(&ownerB);
    quiet->Watched = watched;
    watched->FreeNotification(quiet);
    watched->RemoveFreeNotification(quiet);
    delete watched;
    EXPECT_EQ(quiet->Heard, 0);
}

TEST(BitBlt, CopiesClippedBlocksAndOverlappingRowsWithinOneImage)
{
    TBitmap src;
    src.SetSize(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            src.Canvas().SetPixel(x, y, RGB(std::uint8_t(x * 10), std::uint8_t(y * 10), 0));
    TBitmap dst;
    dst.SetSize(3, 3);
    // Partly off both images: only the overlap moves.
    ASSERT_TRUE(BitBlt(&dst.Canvas(), -1, 1, 4, 4, &src.Canvas(), 0, 0, SRCCOPY));
    EXPECT_EQ(dst.Canvas().Pixel(0, 1), RGB(10, 0, 0));
    EXPECT_EQ(dst.Canvas().Pixel(2, 2), RGB(30, 10, 0));
    EXPECT_EQ(dst.Canvas().Pixel(0, 0), clBlack);  // untouched
    // Down by one row inside the same image: every row moves once, unsmeared.
    ASSERT_TRUE(BitBlt(&src.Canvas(), 0, 1, 4, 3, &src.Canvas(), 0, 0, SRCCOPY));
    for (int y = 1; y < 4; ++y)
        EXPECT_EQ(src.Canvas().Pixel(2, y), RGB(20, std::uint8_t((y - 1) * 10), 0)) << y;
    EXPECT_FALSE(BitBlt(&dst.Canvas(), 0, 0, 1, 1, &src.Canvas(), 0, 0, 0x00EE0086));  // not SRCCOPY
    EXPECT_FALSE(BitBlt(nullptr, 0, 0, 1, 1, &src.Canvas(), 0, 0, SRCCOPY));
}

struct TIdleCounter {
    int Calls = 0;
    int AskAgain = 0;
    void Idle(TObject* sender, bool& done)
    {
        EXPECT_EQ(sender, Application);
        ++Calls;
        if (AskAgain > 0) {
            --AskAgain;
            done = false;
        }
    }
};

void RunLoopFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

TEST(Application, OnIdleRunsWhenTheQueueEmptiesUntilCleared)
{
    TIdleCounter counter;
    counter.AskAgain = 3;  // not done: called again without waiting for a message
    Application->OnIdle = Method(&TIdleCounter::Idle, &counter);
    // The idle event belongs to a loop that waits for messages, as the program's own loop does.
    RunLoopFor(100);
    EXPECT_GE(counter.Calls, 4);
    Application->OnIdle.Clear();
    const int calls = counter.Calls;
    RunLoopFor(50);
    EXPECT_EQ(counter.Calls, calls);
}

struct TFaultyHandlers {
    std::string Reported;
    void Fail(TObject*) { throw std::runtime_error("handler failed"); }
    void Report(TObject*, const std::exception& e) { Reported = e.what(); }
};

TEST(Application, AnErrorInAHandlerReachesTheApplicationNotQt)
{
    TFaultyHandlers h;
    Application->OnException = Method(&TFaultyHandlers::Report, &h);
    TMenuItem item(nullptr);
    item.OnClick = Method(&TFaultyHandlers::Fail, &h);
    item.Action()->trigger();  // as choosing it from a menu does
    EXPECT_EQ(h.Reported, "handler failed");
    Application->OnException.Clear();
}

// A form whose creation handler, bound by its layout, records what it finds through the form's
// reference and the application while the form is still being built.
class TProbeForm : public TForm {
    PLATFORM_CLASS(TProbeForm)
public:
    explicit TProbeForm(TComponent* owner) : TForm(owner) { LoadLayout(LayoutPath); }
    void FormCreate(TObject* sender);
    static inline std::string LayoutPath;
    bool Created = false;
    bool ReferenceSet = false;
    bool MainFormSet = false;
};

TProbeForm* gProbe = nullptr;

void TProbeForm::FormCreate(TObject* sender)
{
    Created = true;
    ReferenceSet = gProbe == sender;
    MainFormSet = Application->MainForm() == sender;
}

const TClassInfo& TProbeForm::StaticClass()
{
    static const TClassInfo info =
        TClassBuilder<TProbeForm, TForm>("TProbeForm").Method("FormCreate", &TProbeForm::FormCreate).Build();
    return info;
}

TEST(Application, CreateFormSetsTheReferenceAndTheMainFormBeforeTheCreationHandler)
{
    ASSERT_EQ(Application->MainForm(), nullptr);
    QTemporaryDir dir;
    auto useLayout = [&](const char* name) {
        const QString path = dir.filePath(QString(name) + ".layout");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QString("object %1: TProbeForm\n  OnCreate = FormCreate\nend\n").arg(name).toUtf8());
        TProbeForm::LayoutPath = path.toStdString();
    };

    useLayout("Probe1");
    Application->CreateForm(gProbe);
    ASSERT_NE(gProbe, nullptr);
    EXPECT_TRUE(gProbe->Created);
    EXPECT_TRUE(gProbe->ReferenceSet);
    EXPECT_TRUE(gProbe->MainFormSet);

    // A second form is not the main form; the main form going away leaves none behind.
    TProbeForm* second = nullptr;
    useLayout("Probe2");
    Application->CreateForm(second);
    EXPECT_TRUE(second->Created);
    EXPECT_FALSE(second->MainFormSet);
    EXPECT_EQ(Application->MainForm(), gProbe);
    delete second;
    delete gProbe;
    gProbe = nullptr;
    EXPECT_EQ(Application->MainForm(), nullptr);
}

}  // namespace

namespace {

// A small class to register in different, partly wrong, ways.
class TProbe : public TComponent {
public:
    using TComponent::TComponent;
    int Value() const { return FValue; }
    void SetValue(int value) { FValue = value; }
    bool Flag() const { return FFlag; }
    void SetFlag(bool value) { FFlag = value; }
    TNotifyEvent OnChange;

private:
    int FValue = 0;
    bool FFlag = false;
};

using TProbeBuilder = TClassBuilder<TProbe, TComponent>;

// Default() belongs to the property just before it, wherever Hidden() put that one.
TEST(ClassBuilder, DefaultAfterHiddenSetsTheHiddenProperty)
{
    const TClassInfo info = TProbeBuilder("TProbe")
                                .Integer("A", &TProbe::Value, &TProbe::SetValue)
                                .Integer("B", &TProbe::Value, &TProbe::SetValue)
                                .Hidden()
                                .Default(std::int64_t(7))
                                .Build();
    ASSERT_EQ(info.Published.size(), 1u);
    EXPECT_FALSE(info.Published[0].Default.has_value());
    ASSERT_EQ(info.Unpublished.size(), 1u);
    EXPECT_EQ(info.Unpublished[0].Name, "B");
    EXPECT_EQ(std::get<std::int64_t>(*info.Unpublished[0].Default), 7);
}

// A misused builder fails when the class registers, with a message that tells how to fix it.
TEST(ClassBuilder, MisuseFailsAtRegistrationWithAHowToFix)
{
    struct Case {
        const char* Name;
        std::function<void()> Register;
        const char* Advice;
    };
    const Case cases[] = {
        {"Default with no property", [] { TProbeBuilder("TProbe").Default(true); }, "call it right after"},
        {"Hidden with no property", [] { TProbeBuilder("TProbe").Hidden(); }, "call it right after"},
        {"default of the wrong type",
         [] { TProbeBuilder("TProbe").Boolean("Flag", &TProbe::Flag, &TProbe::SetFlag).Default(std::int64_t(1)); },
         "must be a bool"},
        {"default for an event",
         [] { TProbeBuilder("TProbe").Event("OnChange", &TProbe::OnChange).Default(false); }, "remove the Default()"},
        {"an integer default given as text",
         [] { TProbeBuilder("TProbe").Publish({"Tag"}).Hidden().Default(std::string("x")); }, "must be an std::int64_t"},
        {"a name twice",
         [] {
             TProbeBuilder("TProbe")
                 .Integer("Value", &TProbe::Value, &TProbe::SetValue)
                 .Boolean("Value", &TProbe::Flag, &TProbe::SetFlag);
         },
         "registered twice"},
        {"a base's property declared again",
         [] { TProbeBuilder("TProbe").Integer("Tag", &TProbe::Value, &TProbe::SetValue); }, "use Publish"},
        {"Publish of a name no base has", [] { TProbeBuilder("TProbe").Publish({"Colour"}); }, "check the spelling"},
    };
    for (const Case& c : cases) {
        try {
            c.Register();
            ADD_FAILURE() << c.Name << ": registered without complaint";
        } catch (const std::logic_error& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find("TProbe"), std::string::npos) << c.Name << ": " << message;
            EXPECT_NE(message.find(c.Advice), std::string::npos) << c.Name << ": " << message;
        }
    }
}

TEST(ClassBuilder, TwoClassesCannotShareARegisteredName)
{
    static const TClassInfo first = TProbeBuilder("TProbeTwin").Build();
    static const TClassInfo second = TProbeBuilder("TProbeTwin").Build();
    RegisterClass(first);
    RegisterClass(first);  // registering the same class again is harmless
    EXPECT_THROW(RegisterClass(second), std::logic_error);
    EXPECT_EQ(FindClass("TProbeTwin"), &first);
}

}  // namespace
