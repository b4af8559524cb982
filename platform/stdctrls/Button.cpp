#include "stdctrls/Button.h"

#include "controls/internal/QtBridge.h"
#include "core/ClassInfo.h"
#include "graphics/Font.h"
#include "graphics/internal/FontMapping.h"

#include <QApplication>
#include <QPushButton>
#include <QShortcut>

namespace platform {

namespace {
constexpr int kDefaultWidth = 75;
constexpr int kDefaultHeight = 25;

QShortcut* WindowShortcut(QWidget* owner, Qt::Key key)
{
    auto* shortcut = new QShortcut(QKeySequence(key), owner);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setEnabled(false);
    return shortcut;
}
}  // namespace

const TClassInfo& TButton::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TButton, TWinControl>("TButton")
        .Publish({"Anchors", "Caption", "Enabled", "Font", "TabOrder", "Visible", "OnClick"})
        .Publish({"TabStop"}).Default(true)
        .Boolean("Default", &TButton::Default, &TButton::SetDefault, false)
        .Boolean("Cancel", &TButton::Cancel, &TButton::SetCancel, false)
        .Build();
    return info;
}

TButton::TButton(TComponent* owner) : TButton(owner, new QPushButton) {}

TButton::TButton(TComponent* owner, QPushButton* button)
    : TWinControl(owner, button),
      FButton(button),
      FReturnShortcut(WindowShortcut(button, Qt::Key_Return)),
      FEnterShortcut(WindowShortcut(button, Qt::Key_Enter)),
      FEscapeShortcut(WindowShortcut(button, Qt::Key_Escape))
{
    FButton->setFont(ToQFont(*Font()));
    // Only the Default button answers Enter; Qt would otherwise let any focused button do so.
    FButton->setAutoDefault(false);
    SetTabStop(true);
    SetBounds(0, 0, kDefaultWidth, kDefaultHeight);
    // click() does nothing while the widget is disabled, so a disabled button ignores its keys.
    QObject::connect(FButton, &QPushButton::clicked, FButton, [this] { TQtBridge::Guard([this] { Click(); }); });
    QObject::connect(FReturnShortcut, &QShortcut::activated, FButton, [this] { TQtBridge::Guard([this] { EnterPressed(); }); });
    QObject::connect(FEnterShortcut, &QShortcut::activated, FButton, [this] { TQtBridge::Guard([this] { EnterPressed(); }); });
    QObject::connect(FEscapeShortcut, &QShortcut::activated, FButton, [this] {
        if (FButton->isVisible())
            FButton->click();
    });
}

void TButton::SetDefault(bool value)
{
    FDefault = value;
    FButton->setDefault(value);
    FReturnShortcut->setEnabled(value);
    FEnterShortcut->setEnabled(value);
}

void TButton::SetCancel(bool value)
{
    FCancel = value;
    FEscapeShortcut->setEnabled(value);
}

void TButton::EnterPressed()
{
    if (!FButton->isVisible())
        return;
    // Enter on another button presses that one, as the user would expect of the focused button.
    if (auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
        focused && focused != FButton && focused->window() == FButton->window()) {
        focused->click();
        return;
    }
    FButton->click();
}

void TButton::TextChanged() { FButton->setText(QString::fromStdString(Caption())); }

void TButton::FontChanged() { ApplyFont(*FButton, *Font(), QPalette::ButtonText); }

}  // namespace platform
