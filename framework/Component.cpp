#include "framework/Component.h"

#include <algorithm>

namespace taramel {

TComponent::TComponent(TComponent* owner) : owner_(owner)
{
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

void TComponent::EndLoading()
{
    state_ &= ~(csLoading | csReading);
    Loaded();
}

}  // namespace taramel
