// The application's message boxes: the hook that answers them without a person, and the real box
// with its default button and stacking taken from the flags.

#include "controls/WinApi.h"
#include "forms/Application.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using namespace platform;

namespace {

struct TAskedBox {
    std::string Text;
    std::string Caption;
    unsigned Flags;
    bool RealBoxUp;
};

TEST(MessageBox, AHookAnswersEveryBoxInsteadOfShowingOne)
{
    std::vector<TAskedBox> asked;
    const TMessageBoxHook previous = Application->SetMessageBoxHook(
        [&](const std::string& text, const std::string& caption, unsigned flags) {
            asked.push_back({text, caption, flags, QApplication::activeModalWidget() != nullptr});
            return IDRETRY;
        });
    EXPECT_EQ(Application->MessageBox("Try again?", "Question", MB_RETRYCANCEL | MB_DEFBUTTON2), IDRETRY);
    // An error nobody else handles is reported in a box, which the hook answers as well.
    const TExceptionEvent handler = Application->OnException;
    Application->OnException.Clear();
    Application->HandleException(std::runtime_error("the cable is loose"));
    Application->OnException = handler;
    (void)Application->SetMessageBoxHook(previous);

    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].Text, "Try again?");
    EXPECT_EQ(asked[0].Caption, "Question");
    EXPECT_EQ(asked[0].Flags, 0x105u);
    EXPECT_EQ(asked[1].Text, "the cable is loose");
    EXPECT_EQ(asked[1].Flags, MB_OK | MB_ICONERROR);
    for (const TAskedBox& box : asked)
        EXPECT_FALSE(box.RealBoxUp) << box.Text << ": no box was shown";
}

// What the real box looked like when it came up, and the answer Enter gave.
struct TSeenBox {
    std::string DefaultButton;
    bool OnTop = false;
};

TEST(MessageBox, TheRealBoxTakesItsDefaultButtonAndStackingFromTheFlags)
{
    struct Case {
        unsigned Flags;
        const char* DefaultButton;
        bool OnTop;
        int Answer;  // to Enter
    };
    const Case cases[] = {
        {MB_RETRYCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON2 | MB_SETFOREGROUND | MB_TOPMOST, "Cancel", true,
         IDCANCEL},
        {MB_RETRYCANCEL, "Retry", false, IDRETRY},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, "Cancel", false, IDCANCEL},
        {MB_OK | MB_DEFBUTTON2 | MB_TOPMOST, "OK", true, IDOK},  // no second button: the first stays default
    };
    for (const Case& c : cases) {
        auto seen = std::make_shared<TSeenBox>();
        auto poll = std::make_shared<std::function<void()>>();
        *poll = [seen, poll] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) {
                QTimer::singleShot(0, *poll);  // not up yet
                return;
            }
            seen->DefaultButton = box->defaultButton() ? box->defaultButton()->text().toStdString() : "";
            seen->OnTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            QTest::keyClick(box, Qt::Key_Return);
        };
        QTimer::singleShot(0, *poll);
        const int answer = Application->MessageBox("Proceed?", "Box", c.Flags);
        *poll = nullptr;  // breaks the cycle between the poll and itself
        EXPECT_EQ(seen->DefaultButton, c.DefaultButton) << std::hex << c.Flags;
        EXPECT_EQ(seen->OnTop, c.OnTop) << std::hex << c.Flags;
        EXPECT_EQ(answer, c.Answer) << std::hex << c.Flags;
    }
}

}  // namespace
