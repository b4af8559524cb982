#include "stdctrls/Memo.h"

#include "controls/internal/QtBridge.h"
#include "core/ClassInfo.h"
#include "core/StringList.h"
#include "graphics/Font.h"
#include "graphics/internal/FontMapping.h"
#include "stdctrls/internal/TextBoxScrolling.h"

#include <QKeyEvent>
#include <QPlainTextEdit>

#include <functional>
#include <utility>

namespace platform {

namespace {
constexpr int kDefaultWidth = 185;
constexpr int kDefaultHeight = 89;

// Enter starts a new line in a memo: it claims the key before the window's shortcuts, which
// would otherwise hand it to the Default button.
class TMemoEdit : public QPlainTextEdit {
protected:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::ShortcutOverride) {
            const int key = static_cast<QKeyEvent*>(e)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                e->accept();
                return true;
            }
        }
        return QPlainTextEdit::event(e);
    }
};

// The memo's lines: every change reaches the widget first, then whoever listens on OnChange.
class TMemoLines : public TStringList {
public:
    explicit TMemoLines(std::function<void()> toWidget) : FToWidget(std::move(toWidget)) {}

protected:
    void Changed() override
    {
        FToWidget();
        TStringList::Changed();
    }

private:
    std::function<void()> FToWidget;
};
}  // namespace

template <>
const TEnumInfo& EnumInfoOf<TScrollStyle>()
{
    static const TEnumInfo info{"TScrollStyle", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}};
    return info;
}

const TClassInfo& TMemo::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TMemo, TWinControl>("TMemo")
        .Publish({"Anchors", "Enabled", "Font", "TabOrder", "Visible"})
        .Publish({"Color"}).Default(std::int64_t(clWindow))
        .Publish({"TabStop"}).Default(true)
        .Strings("Lines", &TMemo::Lines)
        .Boolean("ReadOnly", &TMemo::ReadOnly, &TMemo::SetReadOnly, false)
        .Enum("ScrollBars", &TMemo::ScrollBars, &TMemo::SetScrollBars, ssNone)
        .Boolean("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap, true)
        .Build();
    return info;
}

TMemo::TMemo(TComponent* owner) : TMemo(owner, new TMemoEdit) {}

TMemo::TMemo(TComponent* owner, QPlainTextEdit* edit)
    : TWinControl(owner, edit), FEdit(edit), FLines(std::make_unique<TMemoLines>([this] { LinesChanged(); }))
{
    FEdit->setFont(ToQFont(*Font()));
    QObject::connect(FEdit, &QPlainTextEdit::textChanged, FEdit, [this] { TQtBridge::Guard([this] { EditTextChanged(); }); });
    SetTabStop(true);
    SetColor(clWindow);
    UpdateScrolling();
    SetBounds(0, 0, kDefaultWidth, kDefaultHeight);
}

// The widget goes with the base class; it must not report its last text into a list already gone.
TMemo::~TMemo() { QObject::disconnect(FEdit, nullptr, FEdit, nullptr); }

std::string TMemo::Text() const { return FLines->Text(); }

void TMemo::SetText(const std::string& value) { FLines->SetText(value); }

void TMemo::SetReadOnly(bool value)
{
    FReadOnly = value;
    FEdit->setReadOnly(value);
}

void TMemo::SetScrollBars(TScrollStyle value)
{
    FScrollBars = value;
    UpdateScrolling();
}

void TMemo::SetWordWrap(bool value)
{
    FWordWrap = value;
    UpdateScrolling();
}

void TMemo::LinesChanged()
{
    if (FSyncing)
        return;
    FSyncing = true;
    FEdit->setPlainText(QString::fromStdString(FLines->Text()));
    FSyncing = false;
}

void TMemo::EditTextChanged()
{
    if (FSyncing)
        return;
    FSyncing = true;
    FLines->SetText(FEdit->toPlainText().toStdString());
    FSyncing = false;
}

void TMemo::UpdateScrolling()
{
    const bool wrap = ApplyScrollBars(*FEdit, FScrollBars, FWordWrap);
    FEdit->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::FontChanged() { ApplyFont(*FEdit, *Font(), QPalette::Text); }

void TMemo::ColorChanged() { ApplyColor(*FEdit, QPalette::Base, Color()); }

}  // namespace platform
