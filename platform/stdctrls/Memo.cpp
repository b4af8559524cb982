#include "stdctrls/Memo.h"

#include "controls/internal/QtBridge.h"
#include "core/StringList.h"

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

const TClassInfo& TMemo::StaticClass()
{
    static const TClassInfo info = MemoClassBuilder<TMemo>("TMemo").Build();
    return info;
}

TMemo::TMemo(TComponent* owner) : TMemo(owner, new TMemoEdit) {}

TMemo::TMemo(TComponent* owner, QPlainTextEdit* edit)
    : TCustomMemo(owner, edit, std::make_unique<TMemoLines>([this] { LinesChanged(); })), FEdit(edit)
{
    QObject::connect(FEdit, &QPlainTextEdit::textChanged, FEdit, [this] { TQtBridge::Guard([this] { EditTextChanged(); }); });
    UpdateScrolling();
    SetBounds(0, 0, kDefaultWidth, kDefaultHeight);
}

// The widget goes with the base class; it must not report its last text into a list already gone.
TMemo::~TMemo() { QObject::disconnect(FEdit, nullptr, FEdit, nullptr); }

void TMemo::ShowLines() { FEdit->setPlainText(QString::fromStdString(Lines()->Text())); }

std::string TMemo::WidgetText() const { return FEdit->toPlainText().toStdString(); }

void TMemo::ApplyReadOnly(bool readOnly) { FEdit->setReadOnly(readOnly); }

void TMemo::ApplyWrap(bool wrap) { FEdit->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap); }

}  // namespace platform
