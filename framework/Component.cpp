#include "framework/Component.h"

#include <algorithm>

namespace taramel {

namespace {
thread_local int loadingScopes = 0;
}

TComponent::TLoadingScope::TLoadingScope() { ++loadingScopes; }
TComponent::TLoadingScope::~TLoadingScope() { --loadingScopes; }

TComponent::TComponent(TComponent* owner) : owner_(owner)
{
    if (loadingScopes > 0)
        state_ |= csLoading | csReading;
    if (owner_)
        owner_->Insert(this);
}

TComponent::~TComponent()
{
    Destroying();
    DestroyComponents();
    if (owner_)
        owner_->Remove(this);
}

void TComponent::DestroyComponents()
{
    while (!components_.empty()) {
        TComponent* last = components_.back();
        // The component's destructor removes it from this list.
        delete last;
    }
}

void TComponent::Remove(TComponent* component)
{
    auto it = std::find(components_.begin(), components_.end(), component);
    if (it != components_.end())
        components_.erase(it);
}

TComponent* TComponent::FindComponent(const std::string& name) const
{
    for (TComponent* component : components_)
        if (component->name_ == name)
            return component;
    return nullptr;
}

void TComponent::EndLoadingAll()
{
    for (TComponent* component : std::vector<TComponent*>(components_))
        component->EndLoadingAll();
    if (IsLoading())
        EndLoading();
}

void TComponent::EndLoading()
{
    state_ &= ~(csLoading | csReading);
    Loaded();
}

}  // namespace taramel
