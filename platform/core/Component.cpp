#include "core/Component.h"

#include "core/ClassInfo.h"

#include <algorithm>
#include <stdexcept>

namespace platform {

const TClassInfo& TComponent::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TComponent, TPersistent>("TComponent")
        .String("Name", &TComponent::Name, &TComponent::SetName)
        .Integer("Tag", &TComponent::Tag, &TComponent::SetTag, 0)
        .Build();
    return info;
}

TComponent::TComponent(TComponent* owner)
{
    if (owner)
        owner->InsertComponent(this);
}

TComponent::~TComponent()
{
    FComponentState |= csDestroying;
    // Those holding references across owners hear first, while this object is still whole.
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        other->UnlinkFreeNotify(this);
        other->Notification(this);
    }
    DestroyComponents();
    if (FOwner)
        FOwner->RemoveComponent(this);
}

void TComponent::DestroyComponents()
{
    // Newest first, so that later components (which may refer to earlier ones) go first.
    while (!FComponents.empty())
        delete FComponents.back();  // its destructor removes it from FComponents
}

void TComponent::SetName(const std::string& name)
{
    if (name == FName)
        return;
    if (!name.empty() && FOwner && FOwner->FindComponent(name))
        throw std::invalid_argument("a component named " + name + " already exists");
    FName = name;
}

TComponent* TComponent::FindComponent(std::string_view name) const
{
    if (name.empty())
        return nullptr;
    for (TComponent* c : FComponents)
        if (c->FName == name)
            return c;
    return nullptr;
}

void TComponent::SetLoading(bool on)
{
    FComponentState = on ? (FComponentState | csLoading) : (FComponentState & ~csLoading);
}

void TComponent::SetDesigning(bool on)
{
    FComponentState = on ? (FComponentState | csDesigning) : (FComponentState & ~csDesigning);
    for (TComponent* c : FComponents)
        c->SetDesigning(on);
}

void TComponent::Loaded() { SetLoading(false); }

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::Notification(TComponent*) {}

void TComponent::FreeNotification(TComponent* component)
{
    if (!component || component == this)
        return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end())
        FFreeNotifies.push_back(component);
    if (std::find(component->FFreeNotifies.begin(), component->FFreeNotifies.end(), this) ==
        component->FFreeNotifies.end())
        component->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component)
{
    if (!component)
        return;
    UnlinkFreeNotify(component);
    component->UnlinkFreeNotify(this);
}

void TComponent::UnlinkFreeNotify(TComponent* component)
{
    FFreeNotifies.erase(std::remove(FFreeNotifies.begin(), FFreeNotifies.end(), component), FFreeNotifies.end());
}

void TComponent::InsertComponent(TComponent* component)
{
    component->FOwner = this;
    FComponents.push_back(component);
}

void TComponent::RemoveComponent(TComponent* component)
{
    FComponents.erase(std::remove(FComponents.begin(), FComponents.end(), component), FComponents.end());
    component->FOwner = nullptr;
    for (TComponent* c : FComponents)
        c->Notification(component);
    Notification(component);
}

}  // namespace platform
