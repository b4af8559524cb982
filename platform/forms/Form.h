#pragma once
// TForm: a top-level window. Left, Top, Width and Height are the outer frame; the client area
// (where the children sit) starts below the menu bar. Closing a form that is not the main form
// hides it; closing the main form ends the program.

#include "controls/WinControl.h"
#include "core/ClassInfo.h"

#include <cstdint>
#include <string_view>

namespace platform {

class TMainMenu;

enum TFormStyle : std::uint8_t { fsNormal, fsStayOnTop };
// poDefault and poDefaultPosOnly both leave the place to the window system; the form keeps the
// size it was given either way.
enum TPosition : std::uint8_t { poDesigned, poDefault, poDefaultPosOnly, poScreenCenter, poMainFormCenter };
enum TWindowState : std::uint8_t { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction : std::uint8_t { caNone, caHide, caFree, caMinimize };
using TCloseEvent = TEvent<TObject*, TCloseAction&>;

class TForm : public TWinControl {
    PLATFORM_CLASS(TForm)
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    QWidget* ClientHandle() const override { return FClient; }
    int ClientWidth() const override;
    int ClientHeight() const override;
    void SetClientWidth(int value);
    void SetClientHeight(int value);
    void SetClientSize(int width, int height) override;

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition value) { FPosition = value; }
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState value);
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool value) { FAutoScroll = value; }
    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* menu);
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int value) { FPixelsPerInch = value; }
    int TextHeight() const { return FTextHeight; }
    void SetTextHeight(int value) { FTextHeight = value; }

    // Makes the form visible, restores it if the user minimised it, brings it to the front and
    // activates it.
    void ShowForm();
    // Runs OnClose; then hides the form, or ends the program for the main form.
    void Close();
    // Activates the form as ShowForm does and gives the focus to its active control, else to the
    // form itself.
    void SetFocus() override;
    bool Active() const;
    // The control inside the form that had the focus last; nullptr when none had it.
    TWinControl* ActiveControl() const;

    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnCreate;
    TCloseEvent OnClose;

protected:
    // Reads the form's stored layout (a resource path) onto this form, then raises OnCreate.
    void LoadLayout(std::string_view path);

    void WndProc(TMessage& message) override;
    // WM_ACTIVATE, sent when the window becomes active or inactive: a hook for subclasses; the
    // default only answers 0. The screen's active form and OnActivate / OnDeactivate are kept
    // apart from it (TScreen::FormActivated), so an override that does not pass the message on
    // loses nothing.
    virtual void WMActivate(TMessage& message);
    void UpdateHandleGeometry() override;
    void WindowFrameChanged() override;
    void WindowActivationChanged(bool active) override;
    void WindowCloseRequested() override;
    void VisibleChanged() override;
    void TextChanged() override;
    void FontChanged() override;

private:
    void ApplyWindowFlags();
    void ApplyWindowManagerHints();
    void RestoreIfMinimized();
    // Moves the form where Position puts it, the first time it is shown. True when the window
    // system is to choose the place (poDefault).
    bool PlaceOnFirstShow();
    void ApplyMinimumSize();
    void KeepConstraintsOnFrameChange(int dw, int dh);
    void LayoutFrame();
    int MenuBarHeight() const;
    int FrameExtraWidth() const;
    int FrameExtraHeight() const;

    QWidget* FClient = nullptr;
    TFormBorderStyle FBorderStyle = bsSizeable;
    TFormStyle FFormStyle = fsNormal;
    TPosition FPosition = poDesigned;
    TWindowState FWindowState = wsNormal;
    bool FAutoScroll = true;
    TMainMenu* FMenu = nullptr;
    int FPixelsPerInch = 96;
    int FTextHeight = 13;
    bool FPlaced = false;
    bool FSyncingFrame = false;
    bool FFrameKnown = false;
    int FFrameWidth = 0;
    int FFrameHeight = 0;
};

template <>
const TEnumInfo& EnumInfoOf<TFormBorderStyle>();
template <>
const TEnumInfo& EnumInfoOf<TFormStyle>();
template <>
const TEnumInfo& EnumInfoOf<TPosition>();
template <>
const TEnumInfo& EnumInfoOf<TWindowState>();
template <>
const TEnumInfo& EnumInfoOf<TAlign>();

}  // namespace platform
