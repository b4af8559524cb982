#include "controls/CustomPanel.h"

#include "core/ClassInfo.h"

namespace platform {

template <>
const TEnumInfo& EnumInfoOf<TBevelCut>()
{
    static const TEnumInfo info{"TBevelCut", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}};
    return info;
}

template <>
const TEnumInfo& EnumInfoOf<TBorderStyle>()
{
    static const TEnumInfo info{"TFormBorderStyle", {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
    return info;
}

const TClassInfo& TCustomPanel::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TCustomPanel, TWinControl>("TCustomPanel")
        .Enum("BevelInner", &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner, bvNone).Hidden()
        .Enum("BevelOuter", &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter, bvRaised).Hidden()
        .Integer("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth, 1).Hidden()
        .Integer("BorderWidth", &TCustomPanel::BorderWidth, &TCustomPanel::SetBorderWidth, 0).Hidden()
        .Enum("BorderStyle", &TCustomPanel::BorderStyle, &TCustomPanel::SetBorderStyle, bsNone).Hidden()
        // Stored only: a panel always paints its whole client area into its back buffer.
        .Boolean("FullRepaint", &TCustomPanel::FullRepaint, &TCustomPanel::SetFullRepaint, true).Hidden()
        .Boolean("ParentColor", &TCustomPanel::ParentColor, &TCustomPanel::SetParentColor, false).Hidden()
        // Stored only: a panel draws its caption in its own Font.
        .Boolean("ParentFont", &TCustomPanel::ParentFont, &TCustomPanel::SetParentFont, true).Hidden()
        .Build();
    return info;
}

TCustomPanel::TCustomPanel(TComponent* owner) : TWinControl(owner)
{
    SetControlStyle(ControlStyle() | csSetCaption | csOpaque | csReplicatable);
    SetBounds(0, 0, 185, 41);
}

void TCustomPanel::SetBevelInner(TBevelCut value)
{
    if (value == FBevelInner)
        return;
    FBevelInner = value;
    Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut value)
{
    if (value == FBevelOuter)
        return;
    FBevelOuter = value;
    Invalidate();
}

void TCustomPanel::SetBevelWidth(int value)
{
    if (value == FBevelWidth)
        return;
    FBevelWidth = value;
    Invalidate();
}

void TCustomPanel::SetBorderWidth(int value)
{
    if (value == FBorderWidth)
        return;
    FBorderWidth = value;
    Invalidate();
}

void TCustomPanel::SetBorderStyle(TBorderStyle value)
{
    if (value == FBorderStyle)
        return;
    FBorderStyle = value;
    Invalidate();
}

void TCustomPanel::SetParentColor(bool value)
{
    FParentColor = value;
    if (value && Parent())
        SetColor(Parent()->Color());
}

void TCustomPanel::DrawBevel(TRect& rect, TBevelCut cut)
{
    if (cut == bvNone)
        return;
    TCanvas& c = *Canvas();
    const TColor topLeft = cut == bvLowered ? clBtnShadow : clBtnHighlight;
    const TColor bottomRight = cut == bvLowered ? clBtnHighlight : clBtnShadow;
    for (int i = 0; i < FBevelWidth; ++i) {
        if (cut != bvSpace) {
            c.Brush().Color = topLeft;
            c.FillRect(Rect(rect.Left, rect.Top, rect.Right, rect.Top + 1));
            c.FillRect(Rect(rect.Left, rect.Top, rect.Left + 1, rect.Bottom));
            c.Brush().Color = bottomRight;
            c.FillRect(Rect(rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom));
            c.FillRect(Rect(rect.Right - 1, rect.Top, rect.Right, rect.Bottom));
        }
        rect = Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
    }
}

void TCustomPanel::Paint()
{
    TCanvas* c = Canvas();
    if (!c)
        return;
    c->Brush().Style = bsSolid;
    c->Brush().Color = Color();
    c->FillRect(ClientRect());
    TRect r = ClientRect();
    DrawBevel(r, FBevelOuter);
    r = Rect(r.Left + FBorderWidth, r.Top + FBorderWidth, r.Right - FBorderWidth, r.Bottom - FBorderWidth);
    DrawBevel(r, FBevelInner);
}

}  // namespace platform
