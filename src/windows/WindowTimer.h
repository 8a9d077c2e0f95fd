#pragma once
// A timer placed on a window: its Action runs the window's handler for it,
// and it goes when the window goes.

#include "framework/Timer.h"

#include <functional>
#include <utility>

namespace keyhop {

class WindowTimer final : public framework::Timer {
  public:
    // Made off.
    WindowTimer(int period, std::function<void()> action) : action_(std::move(action)) {
        setPeriod(period);
    }

    void Event_Action() override { action_(); }

  private:
    std::function<void()> action_;
};

} // namespace keyhop
