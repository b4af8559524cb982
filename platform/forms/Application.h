#pragma once
// TApplication: the program's one application object. It owns the forms that CreateForm makes;
// the first of them is the main form, and the program ends when the main form closes.

#include "core/Component.h"
#include "core/Event.h"

#include <exception>
#include <functional>
#include <memory>
#include <string>

class QApplication;

namespace platform {

class TForm;

using TIdleEvent = TEvent<TObject*, bool&>;
using TExceptionEvent = TEvent<TObject*, const std::exception&>;
using TMessageBoxHook = std::function<int(const std::string& text, const std::string& caption, unsigned flags)>;

class TApplication : public TComponent {
    PLATFORM_CLASS(TApplication)
public:
    TApplication();
    ~TApplication() override;

    // Starts the window system; the command line is not read.
    void Initialize();

    // Makes a form owned by the application. The reference, and for the first form the main
    // form, lead to the form already while its constructor reads its layout and raises OnCreate,
    // so handlers run from there find it through them.
    template <class F>
    void CreateForm(F*& reference)
    {
        static_assert(alignof(F) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__, "CreateForm allocates with plain new");
        void* storage = ::operator new(sizeof(F));
        reference = static_cast<F*>(storage);
        FCreatingMainForm = !FMainForm;
        try {
            ::new (storage) F(this);
        } catch (...) {
            reference = nullptr;
            FCreatingMainForm = false;
            ::operator delete(storage);
            throw;
        }
        FCreatingMainForm = false;
    }
    // Called by every form's constructor before the form reads its layout: while CreateForm makes
    // the first form, that form becomes the main form.
    void FormConstructing(TForm* form);
    // Called by a form's destructor: a main form that goes away is no longer the main form.
    void FormDestroying(const TForm* form);

    // Shows the main form and runs the message loop until the main form closes.
    void Run();
    void Terminate();
    // Destroys the forms and then the window system's side; Run does it when the loop ends.
    void Finalize();
    bool Terminated() const { return FTerminated; }
    TForm* MainForm() const { return FMainForm; }

    // Reports an error that nothing else handled: to OnException when assigned, else in a
    // message box.
    void HandleException(const std::exception& error);
    // Shows a modal message box; returns the button chosen (IDOK, IDYES, ...). The flags are the
    // MB_ values: buttons, icon, default button (MB_DEFBUTTON2 ...), MB_TOPMOST and
    // MB_SETFOREGROUND. When a message-box hook is set, it answers instead and no box is shown.
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags);
    // The way to answer message boxes without a person: tests, or a host that runs unattended,
    // set a hook that receives each box's text, caption and flags and returns the answer (IDOK,
    // IDRETRY, ...) as if its button had been pressed. Returns the hook it replaces, so that a
    // test can put that back; an empty hook shows real boxes again.
    TMessageBoxHook SetMessageBoxHook(TMessageBoxHook hook);

    // The icon every window shows, from an image file or compiled-in resource.
    void SetIconResource(const std::string& path);

    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& value) { FTitle = value; }

    // Raised each time the message queue has been emptied; the handler may set its flag false
    // to be called again before the application waits for the next message.
    TIdleEvent OnIdle;
    TExceptionEvent OnException;

protected:
    // A main form destroyed before the application is no longer its main form.
    void Notification(TComponent* component) override;

private:
    void Idle();

    std::unique_ptr<QApplication> FQtApplication;
    TForm* FMainForm = nullptr;
    bool FCreatingMainForm = false;
    bool FTerminated = false;
    bool FInIdle = false;
    std::string FTitle;
    TMessageBoxHook FMessageBoxHook;
};

extern TApplication* Application;

}  // namespace platform
