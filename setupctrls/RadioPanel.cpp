#include "RadioPanel.h"

#include "PopupMetrics.h"
#include "TwoJumper.h"

#include "stdctrls/Menus.h"

namespace setupctrls {

namespace {
constexpr int kDefaultWidth = 194;
constexpr int kDefaultHeight = 100;
constexpr TAnchors kPlacementAnchors{akLeft, akTop};
}  // namespace

const TClassInfo& TRadioPanel::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TRadioPanel, TCustomPanel>("TRadioPanel")
        .Boolean("RadioEnabled", &TRadioPanel::RadioEnabled, &TRadioPanel::SetRadioEnabled, false)
        .Strings("Lines", &TRadioPanel::Lines)
        .Integer("MemoHeight", &TRadioPanel::MemoHeight, &TRadioPanel::SetMemoHeight, kDefaultMemoHeight)
        .Publish({"Align"})
        .Set<TAnchorKind>("FinalAnchors", &TRadioPanel::FinalAnchors, &TRadioPanel::SetFinalAnchors,
                          kPlacementAnchors)
        .Publish({"BevelInner", "BevelOuter", "BevelWidth", "BiDiMode", "BorderWidth", "BorderStyle", "Color",
                  "Constraints", "Ctl3D", "Enabled", "FullRepaint", "ParentBiDiMode", "ParentColor", "ParentCtl3D",
                  "ParentFont", "ParentShowHint"})
        .Reference("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)
        .Publish({"ShowHint", "TabOrder", "TabStop", "Visible"})
        // It waits hidden on the main window for its popup.
        .Default(false)
        .Event("OnRadioChange", &TRadioPanel::OnRadioChange)
        .Event("OnActivate", &TRadioPanel::OnActivate)
        .Event("OnDeactivate", &TRadioPanel::OnDeactivate)
        .Publish({"OnCanResize", "OnClick", "OnConstrainedResize", "OnDblClick", "OnEnter", "OnExit",
                  "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnResize"})
        .Build();
    return info;
}

TRadioPanel::TRadioPanel(TComponent* owner) : TCustomPanel(owner)
{
    SetAnchors(kPlacementAnchors);
    FFinalAnchors = kPlacementAnchors;
    FPlaced = false;
    // The panel shows no caption: its content is its children.
    SetControlStyle(ControlStyle() & ~csSetCaption);
    FRadioEnabled = false;
    SetBevelOuter(bvNone);
    SetHeight(kDefaultHeight);
    SetWidth(kDefaultWidth);
    FLines = std::make_unique<TStringList>();
    FMemoHeight = kDefaultMemoHeight;
    SetVisible(false);
    FDesignHidden = false;
}

TRadioPanel::~TRadioPanel() = default;

void TRadioPanel::SetLines(const TStringList& value) { FLines->Assign(value); }

void TRadioPanel::SetFinalAnchors(TAnchors value)
{
    FFinalAnchors = value;
    if (FPlaced)
        SetAnchors(value);
}

void TRadioPanel::SelectJumper(TTwoJumper* jumper)
{
    bool changed = false;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        // The group is the plain jumpers only: classes derived under names of their own keep
        // their state, like the labels and check boxes beside them.
        if (!IsExactly<TTwoJumper>(child))
            continue;
        auto* other = static_cast<TTwoJumper*>(child);
        const bool closed = other == jumper;
        if (other->Closed() != closed) {
            changed = true;
            other->SetClosed(closed);
        }
    }
    if (changed && OnRadioChange)
        OnRadioChange(jumper);
}

void TRadioPanel::Paint()
{
    // A designer shows the panel once, then hides it as the running program would.
    if (IsDesigning() && !FDesignHidden) {
        SetVisible(false);
        FDesignHidden = true;
    }
    TCustomPanel::Paint();
}

}  // namespace setupctrls
