#include "stdctrls/RichEdit.h"

#include "controls/internal/QtBridge.h"
#include "core/ClassInfo.h"
#include "core/StringList.h"
#include "graphics/Font.h"
#include "graphics/internal/FontMapping.h"
#include "stdctrls/RtfReader.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <functional>
#include <utility>

namespace platform {

namespace {
constexpr int kDefaultWidth = 185;
constexpr int kDefaultHeight = 89;
// RTF sizes are half-points; the box draws at 96 pixels per inch, 72 points to the inch.
constexpr int kPixelsPerInch = 96;
constexpr int kHalfPointsPerInch = 144;

// A font height as TFont keeps it (negative: character height in pixels), rounded as the
// system's MulDiv rounds.
int FontHeightFor(int halfPoints) { return -((halfPoints * kPixelsPerInch + kHalfPointsPerInch / 2) / kHalfPointsPerInch); }

// A run's look: its face through the same mapping as every other control (so a face this
// system lacks falls back to one it has), its size and weight; no colour means the box's text
// colour, which the widget's palette gives.
QTextCharFormat FormatOf(const TRtfRun& run, const TFont& boxFont)
{
    TFont font;
    font.Assign(boxFont);
    if (!run.FontName.empty())
        font.SetName(run.FontName);
    font.SetHeight(FontHeightFor(run.SizeHalfPoints));
    font.SetStyle(run.Bold ? font.Style() | fsBold : font.Style() & ~fsBold);
    QTextCharFormat format;
    format.setFont(ToQFont(font));
    if (run.Color)
        format.setForeground(ToQColor(*run.Color));
    return format;
}
}  // namespace

// The box's lines: a change made through them loads the new text into the box first; the box
// writes the shown paragraphs back without raising the change again.
class TRichEditLines : public TStringList {
public:
    explicit TRichEditLines(std::function<void()> load) : FLoad(std::move(load)) {}

    void Replace(std::vector<std::string> lines)
    {
        FQuiet = true;
        SetItems(std::move(lines));
        FQuiet = false;
    }

protected:
    void Changed() override
    {
        if (FQuiet)
            return;
        FLoad();
        TStringList::Changed();
    }

private:
    std::function<void()> FLoad;
    bool FQuiet = false;
};

const TClassInfo& TRichEdit::StaticClass()
{
    static const TClassInfo info = MemoClassBuilder<TRichEdit>("TRichEdit").Build();
    return info;
}

TRichEdit::TRichEdit(TComponent* owner) : TRichEdit(owner, new QTextEdit) {}

TRichEdit::TRichEdit(TComponent* owner, QTextEdit* edit)
    : TCustomMemo(owner, edit, std::make_unique<TRichEditLines>([this] { LinesChanged(); })), FEdit(edit)
{
    // Text comes in as RTF or plain, never as HTML pasted from elsewhere.
    FEdit->setAcceptRichText(false);
    QObject::connect(FEdit, &QTextEdit::textChanged, FEdit, [this] { TQtBridge::Guard([this] { EditTextChanged(); }); });
    UpdateScrolling();
    SetBounds(0, 0, kDefaultWidth, kDefaultHeight);
}

// The widget goes with the base class; it must not report its last text into a list already gone.
TRichEdit::~TRichEdit() { QObject::disconnect(FEdit, nullptr, FEdit, nullptr); }

TRichEditLines& TRichEdit::RichLines() const { return static_cast<TRichEditLines&>(*Lines()); }

void TRichEdit::LinesChanged()
{
    if (FSyncing)
        return;
    const std::string text = Lines()->Text();
    if (TRtfReader::IsRtf(text)) {
        TRtfDocument document;
        try {
            document = TRtfReader::Read(text);
        } catch (const ERtfError&) {
            RichLines().Replace(FShownLines);
            throw;
        }
        FDocument = std::move(document);
        FFormatted = true;
        std::vector<std::string> paragraphs;
        for (const TRtfParagraph& paragraph : FDocument.Paragraphs)
            paragraphs.push_back(paragraph.Text());
        RichLines().Replace(std::move(paragraphs));
    } else {
        FDocument = {};
        FFormatted = false;
    }
    FShownLines = Lines()->Items();
    FSyncing = true;
    ShowLines();
    FSyncing = false;
}

void TRichEdit::EditTextChanged()
{
    TCustomMemo::EditTextChanged();
    FShownLines = Lines()->Items();
}

std::string TRichEdit::WidgetText() const { return FEdit->toPlainText().toStdString(); }

void TRichEdit::ShowLines()
{
    if (!FFormatted) {
        FEdit->setPlainText(QString::fromStdString(Lines()->Text()));
        return;
    }
    QTextDocument* document = FEdit->document();
    document->clear();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    // An empty paragraph keeps the format of the text before it, as its height follows it.
    for (std::size_t i = 0; i < FDocument.Paragraphs.size(); ++i) {
        if (i)
            cursor.insertBlock();
        for (const TRtfRun& run : FDocument.Paragraphs[i].Runs)
            cursor.insertText(QString::fromStdString(run.Text), FormatOf(run, *Font()));
    }
    cursor.endEditBlock();
    // Inserting moved the widget's own cursor to the end with the text, and the box would
    // scroll there when shown; a document is read from its start.
    FEdit->moveCursor(QTextCursor::Start);
}

void TRichEdit::ApplyReadOnly(bool readOnly) { FEdit->setReadOnly(readOnly); }

void TRichEdit::ApplyWrap(bool wrap) { FEdit->setLineWrapMode(wrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap); }

// Runs without a face, size or colour of their own take the box's, so a new font redraws them.
void TRichEdit::FontChanged()
{
    TCustomMemo::FontChanged();
    FSyncing = true;
    ShowLines();
    FSyncing = false;
}

}  // namespace platform
