#pragma once
// TBoardImage: the photograph of the card, with the highlight circles as its children. It draws
// its picture stretched, centred or at natural size, keeps itself centred on its parent window,
// records where the layout placed it, and opens the first highlight's popup on request.

#include "controls/CustomPanel.h"
#include "core/ClassInfo.h"
#include "core/Messages.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {
class TMainMenu;
class TPicture;
}  // namespace platform

namespace setupctrls {

using namespace platform;

class TBoardHighlight;

// Opens and pins the first highlight's popup. Nothing in the program sends it yet: the help
// window's Start button will, once that window is built.
constexpr unsigned WM_SHOWFIRSTHIGHLIGHT = WM_USER + 162;

class TBoardImage : public TCustomPanel {
    PLATFORM_CLASS(TBoardImage)
public:
    explicit TBoardImage(TComponent* owner);
    ~TBoardImage() override;

    TBoardHighlight* First() const { return FFirst; }
    void SetFirst(TBoardHighlight* value) { FFirst = value; }
    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* value) { FMenu = value; }
    bool CenterOnForm() const { return FCenterOnForm; }
    void SetCenterOnForm(bool value) { FCenterOnForm = value; }
    bool Scale() const { return FScale; }
    void SetScale(bool value);
    bool Center() const { return FCenter; }
    void SetCenter(bool value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    TPicture* Picture() const { return FPicture.get(); }
    // Copies the given picture into the board image's own.
    void SetPicture(const TPicture* value);
    // A layout's picture: the file data of an image.
    void SetPictureData(const std::vector<std::uint8_t>& data);

    // Where the layout placed the control: its Left and Top at the first paint.
    int LayoutLeft() const { return FLayoutLeft; }
    int LayoutTop() const { return FLayoutTop; }
    double AspectRatio() const { return FAspectRatio; }

    // Where the picture is drawn, in client coordinates.
    TRect DrawingRect() const;
    // The picture object's change notification.
    void HandlePictureChange(TObject* sender);
    // Never acts here: palettes belong to 8-bit displays, every graphic of this library reports
    // none (TGraphic::Palette() is 0) and none marks its palette modified, so no form is ever
    // asked WM_QUERYNEWPALETTE and no form answers it. Kept for a graphic class that has one.
    bool NotifyPaletteChange();
    // Always 0, for the same reason.
    std::uintptr_t PaletteHandle() const;
    bool ProposeAutoSize(int& newWidth, int& newHeight) override;

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;
    void WMShowFirstHighlight(TMessage& message);

private:
    std::unique_ptr<TPicture> FPicture;
    bool FStretch = false;
    bool FCenter = false;
    bool FTransparent = false;
    bool FPainting = false;
    double FAspectRatio = 1.0;
    // False until the constructor sets Scale, so that the assignment runs HandlePictureChange
    // and a board without a picture starts out not opaque.
    bool FScale = false;
    TMainMenu* FMenu = nullptr;
    bool FCenterOnForm = true;
    bool FLayoutPosSaved = false;
    TBoardHighlight* FFirst = nullptr;
    int FLayoutLeft = 0;
    int FLayoutTop = 0;
};

}  // namespace setupctrls
