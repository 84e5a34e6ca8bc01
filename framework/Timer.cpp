#include "framework/Timer.h"

#include "framework/Application.h"

namespace taramel {

TTimer::TTimer(TComponent* owner) : TComponent(owner)
{
    Update();
}

TTimer::~TTimer()
{
    if (id_)
        Application->StopTimer(id_);
}

void TTimer::SetEnabled(bool enabled)
{
    if (enabled_ != enabled) {
        enabled_ = enabled;
        Update();
    }
}

void TTimer::SetInterval(unsigned interval)
{
    if (interval_ != interval) {
        interval_ = interval;
        Update();
    }
}

void TTimer::Update()
{
    if (id_) {
        Application->StopTimer(id_);
        id_ = 0;
    }
    if (enabled_ && interval_ > 0)
        id_ = Application->StartTimer(this, interval_);
}

void TTimer::Timer()
{
    if (OnTimer)
        OnTimer(this);
}

}  // namespace taramel
