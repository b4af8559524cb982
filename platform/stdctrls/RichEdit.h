#pragma once
// TRichEdit: a box that shows formatted text. A text that starts with "{\rtf" is read as RTF by
// our own reader and drawn with its faces, sizes, weights and colours, one block a paragraph; any
// other text is shown plain in the box's font. Lines always hold what is shown, one paragraph a
// line, so after loading RTF they read the document's text, not its source.

#include "controls/WinControl.h"
#include "core/ClassInfo.h"
#include "stdctrls/Memo.h"
#include "stdctrls/RtfDocument.h"

#include <memory>
#include <string>
#include <vector>

class QTextEdit;

namespace platform {

class TStringList;
class TRichEditLines;

class TRichEdit : public TWinControl {
    PLATFORM_CLASS(TRichEdit)
public:
    explicit TRichEdit(TComponent* owner);
    ~TRichEdit() override;

    // Setting the lines loads their text joined with line breaks (RTF ignores line breaks, so a
    // document may be split across lines). RTF the reader refuses throws ERtfError, and the box
    // and its lines stay as they were.
    TStringList* Lines() const;
    // The shown paragraphs joined with "\n"; setting it is Lines()->SetText.
    std::string Text() const;
    void SetText(const std::string& value);
    // The RTF document last loaded, as drawn; empty after plain text.
    const TRtfDocument& Document() const { return FDocument; }

    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    // Wraps long lines at the right edge; a horizontal scroll bar turns wrapping off.
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);

protected:
    bool CustomDrawn() const override { return false; }
    void FontChanged() override;
    void ColorChanged() override;

private:
    TRichEdit(TComponent* owner, QTextEdit* edit);
    void LinesChanged();
    void EditTextChanged();
    // Puts the loaded document (or the plain lines) into the widget.
    void Render();
    void UpdateScrolling();

    QTextEdit* FEdit;
    std::unique_ptr<TRichEditLines> FLines;
    TRtfDocument FDocument;
    bool FFormatted = false;
    // What the lines held after the last load, to go back to when a load fails.
    std::vector<std::string> FShownLines;
    bool FReadOnly = false;
    TScrollStyle FScrollBars = ssNone;
    bool FWordWrap = true;
    // Set while one side copies into the other, so that the copy does not echo back.
    bool FSyncing = false;
};

}  // namespace platform
