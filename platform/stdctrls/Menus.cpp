#include "stdctrls/Menus.h"

#include "controls/internal/QtBridge.h"
#include "controls/Control.h"
#include "core/ClassInfo.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>
#include <stdexcept>

namespace platform {

const TClassInfo& TMenuItem::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TMenuItem, TComponent>("TMenuItem")
        .String("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption, std::string())
        .Boolean("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked, false)
        .Boolean("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled, true)
        .Event("OnClick", &TMenuItem::OnClick)
        .Build();
    return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), FAction(new QAction)
{
    QObject::connect(FAction, &QAction::triggered, [this] { TQtBridge::Guard([this] { Triggered(); }); });
}

TMenuItem::~TMenuItem()
{
    while (!FItems.empty())
        Remove(FItems.back());
    if (FParent)
        FParent->Remove(this);
    delete FAction;
}

void TMenuItem::SetCaption(const std::string& value)
{
    FCaption = value;
    FAction->setText(QString::fromStdString(value));
    if (FSubMenu)
        FSubMenu->setTitle(QString::fromStdString(value));
}

void TMenuItem::SetChecked(bool value)
{
    FChecked = value;
    // Only a checked item is checkable: an unchecked one shows no empty box.
    FAction->setCheckable(value);
    FAction->setChecked(value);
}

void TMenuItem::SetEnabled(bool value)
{
    FEnabled = value;
    FAction->setEnabled(value);
}

int TMenuItem::IndexOf(const TMenuItem* item) const
{
    auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : int(it - FItems.begin());
}

QWidget* TMenuItem::Container()
{
    if (FMenuBar)
        return FMenuBar;
    if (!FSubMenu) {
        FSubMenu = std::make_unique<QMenu>(QString::fromStdString(FCaption));
        FAction->setMenu(FSubMenu.get());
    }
    return FSubMenu.get();
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item)
{
    if (!item || item->FParent)
        throw std::invalid_argument("menu item is already in a menu");
    if (index < 0 || index > Count())
        throw std::out_of_range("menu index out of range");
    QWidget* container = Container();
    QAction* before = index < Count() ? FItems[std::size_t(index)]->FAction : nullptr;
    // A heading of the menu bar is a menu even while it has no entries.
    if (FMenuBar)
        item->Container();
    container->insertAction(before, item->FAction);
    FItems.insert(FItems.begin() + index, item);
    item->FParent = this;
}

void TMenuItem::Remove(TMenuItem* item)
{
    auto it = std::find(FItems.begin(), FItems.end(), item);
    if (it == FItems.end())
        return;
    FItems.erase(it);
    item->FParent = nullptr;
    if (FMenuBar || FSubMenu)
        Container()->removeAction(item->FAction);
}

void TMenuItem::Triggered()
{
    // Qt flips a checkable action before it reports the trigger; the check mark is ours to set.
    FAction->setChecked(FChecked);
    Click();
}

void TMenuItem::Click() { OnClick(this); }

void TMenuItem::SetParentComponent(TComponent* parent)
{
    if (auto* item = dynamic_cast<TMenuItem*>(parent))
        item->Add(this);
    else if (auto* menu = dynamic_cast<TMainMenu*>(parent))
        menu->Items()->Add(this);
    else if (auto* popup = dynamic_cast<TPopupMenu*>(parent))
        popup->Items()->Add(this);
}

const TClassInfo& TMainMenu::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TMainMenu, TComponent>("TMainMenu").Build();
    return info;
}

TMainMenu::TMainMenu(TComponent* owner)
    : TComponent(owner), FMenuBar(std::make_unique<QMenuBar>()), FItems(std::make_unique<TMenuItem>(nullptr))
{
    FItems->FMenuBar = FMenuBar.get();
}

TMainMenu::~TMainMenu()
{
    // Items owned by the form may outlive the menu; detach them first.
    FItems.reset();
    // The form may have put the menu bar into its frame; it is ours to delete.
    FMenuBar.reset();
}

const TClassInfo& TPopupMenu::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TPopupMenu, TComponent>("TPopupMenu")
        .Event("OnPopup", &TPopupMenu::OnPopup)
        .Build();
    return info;
}

namespace {
void PresentPopupMenu(TPopupMenu* menu, TPoint screenPos) { menu->Popup(screenPos.X, screenPos.Y); }
}  // namespace

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner), FItems(std::make_unique<TMenuItem>(nullptr))
{
    // The controls that show popup menus sit in a folder below this one; they call back here.
    SetPopupMenuPresenter(&PresentPopupMenu);
}

TPopupMenu::~TPopupMenu() = default;

QMenu* TPopupMenu::Menu() const { return static_cast<QMenu*>(FItems->Container()); }

void TPopupMenu::Popup(int x, int y)
{
    OnPopup(this);
    Menu()->popup(QPoint(x, y));
}

}  // namespace platform
