#pragma once
// TCustomMemo: what the multi-line text boxes (TMemo, TRichEdit) share: their lines, read-only
// state and scroll bars, and the rule that the lines and the text on screen follow each other.
// Each box says how its own widget shows the lines and reads the user's typing back.

#include "controls/WinControl.h"
#include "core/ClassInfo.h"

#include <cstdint>
#include <memory>
#include <string>

class QAbstractScrollArea;

namespace platform {

class TStringList;

enum TScrollStyle : std::uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };

class TCustomMemo : public TWinControl {
    PLATFORM_CLASS(TCustomMemo)
public:
    ~TCustomMemo() override;

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
    // `lines` calls LinesChanged on every change; `edit` is the box's widget, which calls
    // EditTextChanged when the user types.
    TCustomMemo(TComponent* owner, QAbstractScrollArea* edit, std::unique_ptr<TStringList> lines);

    bool CustomDrawn() const override { return false; }
    void FontChanged() override;
    void ColorChanged() override;

    // The lines changed: show them (unless the change came from the widget itself).
    virtual void LinesChanged();
    // The user changed the text: the lines follow, without showing it again.
    virtual void EditTextChanged();
    // What the widget shows, and how it is told.
    virtual void ShowLines() = 0;
    virtual std::string WidgetText() const = 0;
    virtual void ApplyReadOnly(bool readOnly) = 0;
    virtual void ApplyWrap(bool wrap) = 0;
    void UpdateScrolling();

    // Set while one side copies into the other, so that the copy does not echo back.
    bool FSyncing = false;

private:
    QAbstractScrollArea* FEdit;
    std::unique_ptr<TStringList> FLines;
    bool FReadOnly = false;
    TScrollStyle FScrollBars = ssNone;
    bool FWordWrap = true;
};

template <>
const TEnumInfo& EnumInfoOf<TScrollStyle>();

// The published face the text boxes share; a box adds its own before Build().
template <class C>
TClassBuilder<C, TCustomMemo> MemoClassBuilder(std::string name)
{
    TClassBuilder<C, TCustomMemo> builder(std::move(name));
    builder.Publish({"Anchors", "Enabled", "Font", "TabOrder", "Visible"})
        .Publish({"Color"}).Default(std::int64_t(clWindow))
        .Publish({"TabStop"}).Default(true)
        .Publish({"Lines", "ReadOnly", "ScrollBars", "WordWrap"});
    return builder;
}

}  // namespace platform
