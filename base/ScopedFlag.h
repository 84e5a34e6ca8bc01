// Sets a flag for the length of a scope and clears it however the scope ends
// (a return, an exception): the guard of re-entry and of "while this runs"
// states that must never stay set by mistake.
#pragma once

namespace taramel {

class TFlagScope {
public:
    explicit TFlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~TFlagScope() { flag_ = false; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& flag_;
};

}  // namespace taramel
