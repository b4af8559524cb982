#include "forms/Application.h"

#include "controls/internal/QtBridge.h"
#include "controls/WinApi.h"
#include "core/ClassInfo.h"
#include "forms/Form.h"
#include "forms/PlatformClasses.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>

#include <utility>
#include <vector>

namespace platform {

namespace {
TApplication gApplication;
// Qt keeps a reference to argc for the application's life.
int gArgc = 1;
char gProgramName[] = "Settings";
char* gArgv[] = {gProgramName, nullptr};
}  // namespace

TApplication* Application = &gApplication;

const TClassInfo& TApplication::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TApplication, TComponent>("TApplication").Build();
    return info;
}

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication()
{
    // By now (static destruction) Qt's own globals may be gone: whatever Finalize did not
    // release is left to the end of the process.
    (void)FQtApplication.release();
}

void TApplication::Notification(TComponent* component)
{
    if (component == FMainForm)
        FMainForm = nullptr;
    TComponent::Notification(component);
}

void TApplication::Finalize()
{
    // Forms are Qt widgets: they must go while the Qt application still exists.
    DestroyComponents();
    FMainForm = nullptr;
    FQtApplication.reset();
}

void TApplication::FormConstructing(TForm* form)
{
    if (FCreatingMainForm && !FMainForm)
        FMainForm = form;
}

void TApplication::FormDestroying(const TForm* form)
{
    if (FMainForm == form)
        FMainForm = nullptr;
}

void TApplication::Initialize()
{
    RegisterPlatformClasses();
    // Errors raised in handlers that Qt calls end up in HandleException, not in Qt.
    TQtBridge::SetErrorHandler([](const std::exception& e) { Application->HandleException(e); });
    if (QApplication::instance())
        return;
    FQtApplication = std::make_unique<QApplication>(gArgc, gArgv);
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     FQtApplication.get(), [this] { Idle(); });
}

void TApplication::Idle()
{
    if (FInIdle || !OnIdle)
        return;
    FInIdle = true;
    bool done = true;
    try {
        OnIdle(this, done);
    } catch (const std::exception& e) {
        HandleException(e);
    }
    FInIdle = false;
    // Not done: come back before waiting for the next message.
    if (!done)
        QTimer::singleShot(0, FQtApplication.get(), [] {});
}

void TApplication::SetIconResource(const std::string& path)
{
    QApplication::setWindowIcon(QIcon(QString::fromStdString(path)));
}

void TApplication::Run()
{
    Initialize();
    if (!FMainForm)
        return;
    FMainForm->ShowForm();
    if (!FTerminated)
        QApplication::exec();
    Finalize();
}

void TApplication::Terminate()
{
    FTerminated = true;
    QCoreApplication::quit();
}

void TApplication::HandleException(const std::exception& error)
{
    if (OnException) {
        OnException(this, error);
        return;
    }
    MessageBox(error.what(), FTitle.empty() ? "Error" : FTitle, MB_OK | MB_ICONERROR);
}

TMessageBoxHook TApplication::SetMessageBoxHook(TMessageBoxHook hook)
{
    std::swap(FMessageBoxHook, hook);
    return hook;
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, unsigned flags)
{
    if (FMessageBoxHook) {
        // A copy: the hook may replace itself while it answers.
        const TMessageBoxHook hook = FMessageBoxHook;
        return hook(text, caption, flags);
    }

    QMessageBox box;
    box.setWindowTitle(QString::fromStdString(caption));
    box.setText(QString::fromStdString(text));
    switch (flags & MB_ICONMASK) {
    case MB_ICONERROR: box.setIcon(QMessageBox::Critical); break;
    case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
    case MB_ICONWARNING: box.setIcon(QMessageBox::Warning); break;
    case MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    struct Choice {
        QMessageBox::StandardButton Button;
        int Answer;
    };
    std::vector<Choice> choices;
    switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL: choices = {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}}; break;
    case MB_RETRYCANCEL: choices = {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}}; break;
    case MB_YESNO: choices = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}}; break;
    case MB_YESNOCANCEL:
        choices = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
        break;
    default: choices = {{QMessageBox::Ok, IDOK}}; break;
    }
    QMessageBox::StandardButtons buttons;
    for (const Choice& c : choices)
        buttons |= c.Button;
    box.setStandardButtons(buttons);
    // Counted in the order the buttons are listed; a default past the last button leaves the
    // first one default, as the window system does.
    const std::size_t defaultIndex = (flags & MB_DEFMASK) / MB_DEFBUTTON2;
    box.setDefaultButton(choices[defaultIndex < choices.size() ? defaultIndex : 0].Button);
    if (flags & MB_TOPMOST)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (flags & MB_SETFOREGROUND) {
        // Once the box is up, so that it takes the keyboard even when another program is active.
        QTimer::singleShot(0, &box, [&box] {
            box.raise();
            box.activateWindow();
        });
    }
    const int result = box.exec();
    for (const Choice& c : choices)
        if (result == c.Button)
            return c.Answer;
    return choices.back().Answer == IDCANCEL ? IDCANCEL : choices.front().Answer;
}

}  // namespace platform
