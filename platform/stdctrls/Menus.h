#pragma once
// TMainMenu and TMenuItem: the menu bar of a form. Top-level items are the menu bar's headings;
// "&" in a caption marks the accelerator letter. TPopupMenu: a menu that a right click on a
// control opens at the pointer (the control's PopupMenu).

#include "core/Component.h"
#include "core/Event.h"

#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace platform {

class TMainMenu;

class TMenuItem : public TComponent {
    PLATFORM_CLASS(TMenuItem)
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);

    int Count() const { return int(FItems.size()); }
    TMenuItem* Items(int index) const { return FItems.at(std::size_t(index)); }
    int IndexOf(const TMenuItem* item) const;
    TMenuItem* Parent() const { return FParent; }
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);

    // What choosing the item does: raises OnClick.
    virtual void Click();
    void SetParentComponent(TComponent* parent) override;

    TNotifyEvent OnClick;

    QAction* Action() const { return FAction; }

private:
    friend class TMainMenu;
    friend class TPopupMenu;
    // The widget this item's children appear in: the menu bar for the root, else a submenu.
    QWidget* Container();
    void Triggered();

    std::string FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    TMenuItem* FParent = nullptr;
    std::vector<TMenuItem*> FItems;
    QAction* FAction = nullptr;
    std::unique_ptr<QMenu> FSubMenu;
    QMenuBar* FMenuBar = nullptr;  // the root item of a main menu only
};

class TMainMenu : public TComponent {
    PLATFORM_CLASS(TMainMenu)
public:
    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;

    // The invisible root whose children are the top-level items.
    TMenuItem* Items() const { return FItems.get(); }
    QMenuBar* MenuBar() const { return FMenuBar.get(); }

private:
    std::unique_ptr<QMenuBar> FMenuBar;
    std::unique_ptr<TMenuItem> FItems;
};

class TPopupMenu : public TComponent {
    PLATFORM_CLASS(TPopupMenu)
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;

    // The invisible root whose children are the menu's entries.
    TMenuItem* Items() const { return FItems.get(); }
    // Opens the menu with its top-left corner at a screen position; returns at once.
    void Popup(int x, int y);
    // The menu widget while it exists.
    QMenu* Menu() const;

    // Raised just before the menu opens.
    TNotifyEvent OnPopup;

private:
    std::unique_ptr<TMenuItem> FItems;
};

}  // namespace platform
