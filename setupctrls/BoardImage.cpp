#include "BoardImage.h"

#include "BoardHighlight.h"

#include "controls/WinApi.h"
#include "forms/Form.h"
#include "forms/Screen.h"
#include "graphics/Picture.h"
#include "stdctrls/Menus.h"

#include <cmath>

namespace setupctrls {

namespace {
constexpr int kDefaultSize = 105;
}

const TClassInfo& TBoardImage::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TBoardImage, TCustomPanel>("TBoardImage")
        .Reference("First", &TBoardImage::First, &TBoardImage::SetFirst)
        .Reference("Menu", &TBoardImage::Menu, &TBoardImage::SetMenu)
        .Boolean("CenterOnForm", &TBoardImage::CenterOnForm, &TBoardImage::SetCenterOnForm, true)
        .Boolean("Scale", &TBoardImage::Scale, &TBoardImage::SetScale, true)
        .Publish({"Align", "Anchors", "AutoSize"})
        .Default(true)
        .Boolean("Center", &TBoardImage::Center, &TBoardImage::SetCenter, false)
        .Publish({"Constraints", "Enabled", "ParentShowHint"})
        .Data("Picture", &TBoardImage::SetPictureData)
        .Reference("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)
        .Publish({"ShowHint"})
        .Boolean("Stretch", &TBoardImage::Stretch, &TBoardImage::SetStretch, false)
        .Boolean("Transparent", &TBoardImage::Transparent, &TBoardImage::SetTransparent, false)
        .Publish({"Visible", "OnClick", "OnDblClick", "OnMouseDown", "OnMouseMove", "OnMouseUp"})
        .Build();
    return info;
}

TBoardImage::TBoardImage(TComponent* owner) : TCustomPanel(owner), FPicture(std::make_unique<TPicture>())
{
    FPicture->OnChange = Method(&TBoardImage::HandlePictureChange, this);
    SetHeight(kDefaultSize);
    SetWidth(kDefaultSize);
    FAspectRatio = 1.0;
    SetAutoSize(true);
    SetScale(true);
    FMenu = nullptr;
    FCenterOnForm = true;
    FLayoutPosSaved = false;
    SetStretch(false);
}

TBoardImage::~TBoardImage()
{
    FPicture->OnChange.Clear();
    FPicture.reset();
}

void TBoardImage::SetScale(bool value)
{
    if (value == FScale)
        return;
    FScale = value;
    HandlePictureChange(this);
}

void TBoardImage::SetCenter(bool value)
{
    if (value == FCenter)
        return;
    FCenter = value;
    HandlePictureChange(this);
}

void TBoardImage::SetStretch(bool value)
{
    if (value == FStretch)
        return;
    FStretch = value;
    HandlePictureChange(this);
}

void TBoardImage::SetTransparent(bool value)
{
    if (value == FTransparent)
        return;
    FTransparent = value;
    HandlePictureChange(this);
}

void TBoardImage::SetPicture(const TPicture* value)
{
    if (value)
        FPicture->Assign(*value);
    else
        FPicture->SetGraphic(nullptr);
}

void TBoardImage::SetPictureData(const std::vector<std::uint8_t>& data)
{
    TPicture picture;
    picture.LoadFromData(data);
    SetPicture(&picture);
}

TRect TBoardImage::DrawingRect() const
{
    if (FStretch)
        return ClientRect();
    const int pw = FPicture->Width(), ph = FPicture->Height();
    if (FCenter)
        return Bounds((Width() - pw) / 2, (Height() - ph) / 2, pw, ph);
    return Rect(0, 0, pw, ph);
}

void TBoardImage::Paint()
{
    if (!FLayoutPosSaved) {
        FLayoutLeft = Left();
        FLayoutTop = Top();
        FLayoutPosSaved = true;
    }
    // The parent's outer size, frame and menu bar included, as the window system reports it.
    if (FCenterOnForm && !IsDesigning() && Parent()) {
        SetLeft((Parent()->Width() - Width()) / 2);
        SetTop((Parent()->Height() - Height()) / 2);
    }
    TCanvas* canvas = Canvas();
    if (IsDesigning() && canvas) {
        if (FScale)
            SetHeight(int(std::nearbyint(Width() * FAspectRatio)));
        canvas->Pen().Style = psDash;
        canvas->Pen().Color = clBlack;
        canvas->Brush().Style = bsClear;
        canvas->Rectangle(0, 0, Width(), Height());
    }
    const bool wasPainting = FPainting;
    struct Restore {
        bool& flag;
        bool value;
        ~Restore() { flag = value; }
    } restore{FPainting, wasPainting};
    FPainting = true;
    if (canvas && FPicture->Graphic())
        canvas->StretchDraw(DrawingRect(), *FPicture->Graphic());
}

void TBoardImage::HandlePictureChange(TObject*)
{
    const int pw = FPicture->Width(), ph = FPicture->Height();
    if (pw > 0 && ph > 0) {
        const double ratio = double(ph) / double(pw);
        FAspectRatio = std::isfinite(ratio) ? ratio : 1.0;
    }
    if (AutoSize() && pw > 0 && ph > 0)
        SetBounds(Left(), Top(), pw, ph);
    if (TGraphic* graphic = FPicture->Graphic()) {
        if (!graphic->KeepsOwnTransparency())
            graphic->SetTransparent(FTransparent);
        const bool uncovered = !FStretch && (graphic->Width() < Width() || graphic->Height() < Height());
        if (graphic->Transparent() || uncovered)
            SetControlStyle(ControlStyle() & ~csOpaque);
        else
            SetControlStyle(ControlStyle() | csOpaque);
        if (NotifyPaletteChange() && FPainting)
            Repaint();
    } else {
        SetControlStyle(ControlStyle() & ~csOpaque);
    }
    if (!FPainting)
        Invalidate();
}

bool TBoardImage::NotifyPaletteChange()
{
    TGraphic* graphic = FPicture->Graphic();
    if (!Visible() || IsLoading() || !graphic || !graphic->PaletteModified())
        return false;
    if (graphic->Palette() == 0) {
        graphic->SetPaletteModified(false);
        return false;
    }
    TWinControl* p = Parent();
    while (p && !dynamic_cast<TForm*>(p))
        p = p->Parent();
    auto* form = static_cast<TForm*>(p);
    if (!form || !form->Active() || !form->Handle())
        return false;
    if (FPainting)
        form->Perform(WM_QUERYNEWPALETTE, 0, 0);
    else
        PostMessage(form, WM_QUERYNEWPALETTE, 0, 0);
    graphic->SetPaletteModified(false);
    return true;
}

std::uintptr_t TBoardImage::PaletteHandle() const
{
    TGraphic* graphic = FPicture->Graphic();
    return graphic ? graphic->Palette() : 0;
}

bool TBoardImage::ProposeAutoSize(int& newWidth, int& newHeight)
{
    const int pw = FPicture->Width(), ph = FPicture->Height();
    if (IsDesigning() && (pw <= 0 || ph <= 0))
        return true;
    if (Align() == alNone || Align() == alLeft || Align() == alRight)
        newWidth = pw;
    if (Align() == alNone || Align() == alTop || Align() == alBottom)
        newHeight = ph;
    return true;
}

void TBoardImage::WndProc(TMessage& message)
{
    if (message.Msg == WM_SHOWFIRSTHIGHLIGHT) {
        WMShowFirstHighlight(message);
        return;
    }
    TCustomPanel::WndProc(message);
}

void TBoardImage::WMShowFirstHighlight(TMessage& message)
{
    if (!FFirst)
        return;
    FFirst->CMMouseEnter(message);
    FFirst->Click();
    FFirst->CMMouseLeave(message);
}

}  // namespace setupctrls
