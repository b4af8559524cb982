#pragma once
// TComponent: ownership and names. A component owns the components created with it as owner and
// destroys them with itself; Owner (who frees it) and Parent (where a control shows) differ.

#include "core/Object.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

enum TComponentStateFlag : std::uint8_t {
    csLoading = 1 << 0,     // its stored layout is being applied
    csDesigning = 1 << 1,   // being edited in a visual designer (never in this program)
    csDestroying = 1 << 2,
};

class TComponent : public TPersistent {
    PLATFORM_CLASS(TComponent)
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return FOwner; }
    const std::string& Name() const { return FName; }
    // Throws when another component of the same owner already has the name.
    virtual void SetName(const std::string& name);
    int Tag() const { return FTag; }
    void SetTag(int tag) { FTag = tag; }

    int ComponentCount() const { return int(FComponents.size()); }
    TComponent* Components(int index) const { return FComponents.at(std::size_t(index)); }
    // The owned component with this name, not searching further down; nullptr if none.
    TComponent* FindComponent(std::string_view name) const;

    std::uint8_t ComponentState() const { return FComponentState; }
    bool IsLoading() const { return (FComponentState & csLoading) != 0; }
    bool IsDesigning() const { return (FComponentState & csDesigning) != 0; }
    void SetLoading(bool on);
    void SetDesigning(bool on);

    // Called once its stored layout has been applied and every reference resolved.
    virtual void Loaded();
    // Where a layout nests this component inside another: controls take it as their parent,
    // menu items as the item they belong under.
    virtual void SetParentComponent(TComponent* parent);

    // Asks that `component` get Notification(this) when this component is destroyed, whoever
    // owns either of them: a reference across owners can then be cleared before it dangles.
    // The link goes both ways, so whichever of the two is destroyed first tells the other.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

protected:
    // Destroys the owned components now, newest first, rather than at the end of destruction.
    void DestroyComponents();
    // A component that is going away; clear any reference to it.
    virtual void Notification(TComponent* component);

private:
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    void UnlinkFreeNotify(TComponent* component);

    TComponent* FOwner = nullptr;
    std::string FName;
    int FTag = 0;
    std::uint8_t FComponentState = 0;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
};

}  // namespace platform
