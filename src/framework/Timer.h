#pragma once
// A timer that raises its Action event on the main thread, once or repeatedly.

#include <memory>

class QObject;
class QTimer;

namespace framework {

class Timer {
  public:
    static constexpr int ModeOff = 0;
    static constexpr int ModeSingle = 1;
    static constexpr int ModeMultiple = 2;

    // Made off, with a period of 1000 ms.
    Timer();
    virtual ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    // In milliseconds; a running timer goes on with the new period.
    int Period() const { return period_; }
    void setPeriod(int milliseconds);
    // 0 off, 1 a single shot (then off again), 2 repeating.
    int Mode() const { return mode_; }
    void setMode(int mode);

    // Raised through deliverEvent. A tick that comes while the previous
    // Action is still running (in a modal box, say) is skipped. The Action
    // may stop or destroy its own timer.
    virtual void Event_Action() {}

    // For a repeating Action that reads only the keyboard, and that at a tick
    // with every function key up does nothing but what the tick before did,
    // if that tick found them all up too. After a tick that found them all
    // up, the timer sleeps until a function key goes down or the keymap
    // changes, then ticks at once and every Period on: the ticks skipped are
    // those that would have found the function keys all up again. Where the
    // keyboard cannot report its changes, no tick is skipped.
    void setActsOnlyOnKeyboard(bool value);

  private:
    void tick();
    void restart();
    void sleepUntilFunctionKey();
    void wake();

    int period_ = 1000;
    int mode_ = ModeOff;
    bool inAction_ = false;
    // While the Action runs: set when the timer is destroyed meanwhile.
    bool* destroyedInAction_ = nullptr;
    bool actsOnlyOnKeyboard_ = false;
    bool asleep_ = false;
    std::unique_ptr<QTimer> timer_;
    // What a sleeping timer's wake-up is bound to: gone with the timer, or
    // replaced at a restart, so no stale wake-up reaches it.
    std::unique_ptr<QObject> wakeContext_;
};

} // namespace framework
