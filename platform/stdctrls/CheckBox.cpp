#include "stdctrls/CheckBox.h"

#include "controls/internal/QtBridge.h"
#include "core/ClassInfo.h"
#include "graphics/Font.h"
#include "graphics/internal/FontMapping.h"

#include <QCheckBox>
#include <QSignalBlocker>

namespace platform {

namespace {
constexpr int kDefaultWidth = 97;
constexpr int kDefaultHeight = 17;
}  // namespace

const TClassInfo& TCheckBox::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TCheckBox, TWinControl>("TCheckBox")
        .Publish({"Anchors", "Caption", "Enabled", "Font", "TabOrder", "Visible", "OnClick"})
        .Publish({"TabStop"}).Default(true)
        .Boolean("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked, false)
        .Build();
    return info;
}

TCheckBox::TCheckBox(TComponent* owner) : TCheckBox(owner, new QCheckBox) {}

TCheckBox::TCheckBox(TComponent* owner, QCheckBox* box) : TWinControl(owner, box), FBox(box)
{
    FBox->setFont(ToQFont(*Font()));
    SetTabStop(true);
    SetBounds(0, 0, kDefaultWidth, kDefaultHeight);
    // Only the user's clicks: changes from code go through SetChecked, which raises OnClick itself.
    QObject::connect(FBox, &QCheckBox::clicked, FBox, [this] { TQtBridge::Guard([this] { UserClicked(); }); });
}

void TCheckBox::SetChecked(bool value)
{
    if (value == FChecked)
        return;
    FChecked = value;
    {
        const QSignalBlocker blocker(FBox);
        FBox->setChecked(value);
    }
    Click();
}

void TCheckBox::UserClicked()
{
    FChecked = FBox->isChecked();
    Click();
}

void TCheckBox::TextChanged() { FBox->setText(QString::fromStdString(Caption())); }

void TCheckBox::FontChanged() { ApplyFont(*FBox, *Font(), QPalette::WindowText); }

}  // namespace platform
