#pragma once
// TRadioPanel: the content of one popup window (labels, jumpers, check boxes) as its children,
// with the explanatory Lines shown under it in the popup. It sits hidden on the main window until
// the popup builder moves it into its popup. With RadioEnabled its jumpers form one group:
// clicking one closes it and opens the others.

#include "controls/CustomPanel.h"
#include "core/ClassInfo.h"
#include "core/StringList.h"

#include <memory>

namespace setupctrls {

using namespace platform;

class TTwoJumper;

// Sender is the jumper that became the closed one.
using TRadioPanelChangeEvent = TEvent<TObject*>;

class TRadioPanel : public TCustomPanel {
    PLATFORM_CLASS(TRadioPanel)
public:
    explicit TRadioPanel(TComponent* owner);
    ~TRadioPanel() override;

    bool RadioEnabled() const { return FRadioEnabled; }
    void SetRadioEnabled(bool value) { FRadioEnabled = value; }
    TStringList* Lines() const { return FLines.get(); }
    // Copies the lines.
    void SetLines(const TStringList& value);
    int MemoHeight() const { return FMemoHeight; }
    void SetMemoHeight(int value) { FMemoHeight = value; }
    // The anchors the panel takes once placed in its popup; until then it keeps left and top,
    // so that the main window's resizing cannot move or stretch it.
    TAnchors FinalAnchors() const { return FFinalAnchors; }
    void SetFinalAnchors(TAnchors value);
    // Set by the popup builder once the panel sits in its popup.
    bool Placed() const { return FPlaced; }
    void SetPlaced(bool value) { FPlaced = value; }
    // The popup's memo that shows the lines; set by the popup builder, never used here.
    TWinControl* StatusMemo() const { return FStatusMemo; }
    void SetStatusMemo(TWinControl* value) { FStatusMemo = value; }
    bool DesignHidden() const { return FDesignHidden; }

    // Closes the given jumper and opens every other jumper of the panel; fires OnRadioChange
    // when any of them changed.
    void SelectJumper(TTwoJumper* jumper);

    TRadioPanelChangeEvent OnRadioChange;
    // Fired by the popup window when it becomes active or inactive.
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;

protected:
    void Paint() override;

private:
    bool FRadioEnabled = false;
    std::unique_ptr<TStringList> FLines;
    TWinControl* FStatusMemo = nullptr;
    int FMemoHeight = 0;
    bool FDesignHidden = false;
    TAnchors FFinalAnchors{akLeft, akTop};
    bool FPlaced = false;
};

}  // namespace setupctrls
