// A timer component: OnTimer every Interval milliseconds while enabled.
// Changing the interval restarts the count; an interval of 0 stops ticking.
#pragma once

#include "framework/Component.h"

#include <windows.h>

namespace taramel {

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;
    std::string ClassName() const override { return "TTimer"; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned interval);
    // Whether the system timer is running now.
    bool Running() const { return id_ != 0; }

    TNotifyEvent OnTimer;

protected:
    friend class TApplication;
    virtual void Timer();

private:
    void Update();

    bool enabled_ = true;
    unsigned interval_ = 1000;
    UINT_PTR id_ = 0;
};

}  // namespace taramel
