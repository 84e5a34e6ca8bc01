// A skinned button that the program can hold down for good (a toggled tool
// button, a button shown pressed): its down state, and the new look that a
// change of it needs.
#pragma once

namespace taramel {

template <class Skinned>
class TDownButton : public Skinned {
public:
    using Skinned::Skinned;

    // Shown pressed for good.
    bool Down() const { return down_; }
    void SetDown(bool down)
    {
        if (down == down_)
            return;
        down_ = down;
        this->SkinData()->CacheDirty = true;
        this->Invalidate();
    }

protected:
    bool down_ = false;
};

}  // namespace taramel
