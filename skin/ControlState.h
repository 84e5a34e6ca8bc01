// What a control shows of its state: the flags a painter reads instead of a
// row of loose booleans, and the column of a three-state skin image they
// choose.
#pragma once

namespace taramel {

struct TControlState {
    bool Hot = false;       // the mouse is over it (and it is enabled)
    bool Pressed = false;   // held down by the mouse over it
    bool Disabled = false;
    bool Focused = false;
    bool Checked = false;

    // 0 normal, 1 hot, 2 pressed: the state columns of a skin image.
    int ImageIndex() const { return Pressed ? 2 : Hot ? 1 : 0; }
    bool operator==(const TControlState&) const = default;
};

}  // namespace taramel
