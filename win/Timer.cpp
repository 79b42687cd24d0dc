#include "win/Timer.h"

#include <windows.h>

#include "win/Form.h"

namespace win {

Timer::~Timer() {
    Stop();
    if (owner_) owner_->RemoveTimer(*this);
}

bool Timer::Create(const TimerParams& params) {
    if (owner_ || !params.owner) return false;
    owner_ = params.owner;
    id_ = owner_->AddTimer(*this);
    interval_ = params.interval;
    OnTimer = params.onTimer;
    SetEnabled(params.enabled);
    return true;
}

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (enabled) {
        Start();
    } else {
        Stop();
    }
}

void Timer::SetInterval(unsigned interval) {
    interval_ = interval;
    if (running_) Start();
}

void Timer::Start() {
    if (!owner_ || !owner_->Handle() || interval_ == 0) return;
    // SetTimer with the same id replaces the running one.
    running_ = ::SetTimer(owner_->Handle(), static_cast<UINT_PTR>(id_), interval_, nullptr) != 0;
}

void Timer::Stop() {
    if (running_ && owner_ && owner_->Handle()) {
        ::KillTimer(owner_->Handle(), static_cast<UINT_PTR>(id_));
    }
    running_ = false;
}

void Timer::Tick() {
    if (!enabled_) return;
    if (OnTimer) {
        auto handler = OnTimer;  // the handler may destroy the form, and with it this timer
        handler();
    }
}

void Timer::OwnerGone() {
    Stop();
    owner_ = nullptr;
    running_ = false;
}

}  // namespace win
