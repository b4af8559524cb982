#pragma once
// TMemo: a multi-line text box. Lines and the text on screen stay in step both ways: changing
// the list shows the new text, and the user's typing rewrites the list.

#include "controls/WinControl.h"
#include "core/ClassInfo.h"

#include <cstdint>
#include <memory>
#include <string>

class QPlainTextEdit;

namespace platform {

class TStringList;

enum TScrollStyle : std::uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo : public TWinControl {
    PLATFORM_CLASS(TMemo)
public:
    explicit TMemo(TComponent* owner);
    ~TMemo() override;

    TStringList* Lines() const { return FLines.get(); }
    // The lines joined with line breaks; setting it replaces the lines.
    std::string Text() const;
    void SetText(const std::string& value);
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
    TMemo(TComponent* owner, QPlainTextEdit* edit);
    void LinesChanged();
    void EditTextChanged();
    void UpdateScrolling();

    QPlainTextEdit* FEdit;
    std::unique_ptr<TStringList> FLines;
    bool FReadOnly = false;
    TScrollStyle FScrollBars = ssNone;
    bool FWordWrap = true;
    // Set while one side copies into the other, so that the copy does not echo back.
    bool FSyncing = false;
};

template <>
const TEnumInfo& EnumInfoOf<TScrollStyle>();

}  // namespace platform
