#pragma once
// TRichEdit: a box that shows formatted text. A text that starts with "{\rtf" is read as RTF by
// our own reader and drawn with its faces, sizes, weights and colours, one block a paragraph; any
// other text is shown plain in the box's font. Lines always hold what is shown, one paragraph a
// line, so after loading RTF they read the document's text, not its source.

#include "stdctrls/CustomMemo.h"
#include "stdctrls/RtfDocument.h"

#include <memory>
#include <string>
#include <vector>

class QTextEdit;

namespace platform {

class TRichEditLines;

class TRichEdit : public TCustomMemo {
    PLATFORM_CLASS(TRichEdit)
public:
    explicit TRichEdit(TComponent* owner);
    ~TRichEdit() override;

    // Setting the lines loads their text joined with line breaks (RTF ignores line breaks, so a
    // document may be split across lines). RTF the reader refuses throws ERtfError, and the box
    // and its lines stay as they were. Text() gives the shown paragraphs joined with "\n".
    // The RTF document last loaded, as drawn; empty after plain text.
    const TRtfDocument& Document() const { return FDocument; }

protected:
    void FontChanged() override;
    // Reads the whole text before anything changes, so a document the reader refuses leaves the
    // box showing what it showed.
    void LinesChanged() override;
    void EditTextChanged() override;
    // Puts the loaded document (or the plain lines) into the widget.
    void ShowLines() override;
    std::string WidgetText() const override;
    void ApplyReadOnly(bool readOnly) override;
    void ApplyWrap(bool wrap) override;

private:
    TRichEdit(TComponent* owner, QTextEdit* edit);
    TRichEditLines& RichLines() const;

    QTextEdit* FEdit;
    TRtfDocument FDocument;
    bool FFormatted = false;
    // What the lines held after the last load, to go back to when a load fails.
    std::vector<std::string> FShownLines;
};

}  // namespace platform
