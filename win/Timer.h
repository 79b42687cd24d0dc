// A timer on a form (SetTimer); ticks come from the running message loop.
#pragma once

#include <functional>

namespace win {

class Form;

struct TimerParams {
    Form* owner = nullptr;
    unsigned interval = 1000;  // milliseconds
    bool enabled = true;
    std::function<void()> onTimer{};
};

class Timer {
  public:
    Timer() = default;
    ~Timer();  // kills the timer
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    bool Create(const TimerParams& params);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned interval);  // restarts a running timer

    std::function<void()> OnTimer;

  private:
    friend class Form;
    void Start();
    void Stop();
    void Tick();
    void OwnerGone();
    Form* owner_ = nullptr;
    int id_ = 0;
    unsigned interval_ = 1000;
    bool enabled_ = false;
    bool running_ = false;
};

}  // namespace win
