// The root of every framework object that has an owner. An owner frees what
// it owns, last created first, when it is destroyed.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace taramel {

class TObject {
public:
    virtual ~TObject() = default;
    // The class name that tells objects apart at run time; windowed controls
    // register their window class under it.
    virtual std::string ClassName() const { return "TObject"; }
};

using TNotifyEvent = std::function<void(TObject* sender)>;

enum TComponentStateFlag : unsigned {
    csLoading = 1,
    csReading = 2,
    csDestroying = 4,
    // Kept for the engine's checks; the program never runs in design mode.
    csDesigning = 8,
};

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    std::string ClassName() const override { return "TComponent"; }

    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(static_cast<std::size_t>(index)); }
    TComponent* FindComponent(const std::string& name) const;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    int Tag = 0;

    unsigned ComponentState() const { return state_; }
    bool IsLoading() const { return (state_ & csLoading) != 0; }
    bool IsDestroying() const { return (state_ & csDestroying) != 0; }

    // Layout building: between the two calls the component is loading (and
    // reading); EndLoading runs Loaded.
    void BeginLoading() { state_ |= csLoading | csReading; }
    void EndLoading();

    // Ends the loading of every owned component (and theirs), then of this one.
    void EndLoadingAll();

    // While a scope lives, every component constructed on this thread starts
    // loading: a form's layout is built inside one, and its components get
    // Loaded when the form is complete.
    class TLoadingScope {
    public:
        TLoadingScope();
        ~TLoadingScope();
        TLoadingScope(const TLoadingScope&) = delete;
        TLoadingScope& operator=(const TLoadingScope&) = delete;
    };

    // Frees every owned component, last first. Runs from the destructors of
    // classes whose owned components must go before their own resources.
    void DestroyComponents();

protected:
    virtual void Loaded() {}
    // Marks the component as being destroyed (idempotent).
    void Destroying() { state_ |= csDestroying; }

private:
    void Insert(TComponent* component) { components_.push_back(component); }
    void Remove(TComponent* component);

    TComponent* owner_;
    std::vector<TComponent*> components_;
    std::string name_;
    unsigned state_ = 0;
};

}  // namespace taramel
