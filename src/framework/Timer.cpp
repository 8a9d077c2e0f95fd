// Timers on QTimer.

#include "framework/Timer.h"

#include "framework/EventDelivery.h"
#include "framework/Keyboard.h"

#include <QTimer>

#include <algorithm>

namespace framework {

Timer::Timer() : timer_(std::make_unique<QTimer>()), wakeContext_(std::make_unique<QObject>()) {
    // Precise: the key watcher's tick is the floor of its latency.
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_.get(), &QTimer::timeout, [this] { tick(); });
}

Timer::~Timer() {
    if (destroyedInAction_ != nullptr) {
        *destroyedInAction_ = true;
        // Qt is still delivering this tick to the QTimer.
        timer_->stop();
        QObject::disconnect(timer_.get(), nullptr, nullptr, nullptr);
        timer_.release()->deleteLater();
    }
}

void Timer::setPeriod(int milliseconds) {
    period_ = std::max(0, milliseconds);
    if (mode_ != ModeOff) {
        restart();
    }
}

void Timer::setMode(int mode) {
    mode_ = std::clamp(mode, ModeOff, ModeMultiple);
    restart();
}

void Timer::restart() {
    asleep_ = false;
    wakeContext_ = std::make_unique<QObject>();
    if (mode_ == ModeOff) {
        timer_->stop();
        return;
    }
    timer_->setSingleShot(mode_ == ModeSingle);
    timer_->start(period_);
}

void Timer::tick() {
    if (inAction_) {
        return;
    }
    if (mode_ == ModeSingle) {
        mode_ = ModeOff;
    }
    inAction_ = true;
    bool destroyed = false;
    destroyedInAction_ = &destroyed;
    deliverEvent([this] { Event_Action(); });
    if (destroyed) {
        return;
    }
    destroyedInAction_ = nullptr;
    inAction_ = false;
    sleepUntilFunctionKey();
}

void Timer::setActsOnlyOnKeyboard(bool value) {
    actsOnlyOnKeyboard_ = value;
    if (!value && asleep_) {
        restart();
    }
}

void Timer::sleepUntilFunctionKey() {
    if (actsOnlyOnKeyboard_ && mode_ == ModeMultiple &&
        Keyboard::WakeOnFunctionKey(*wakeContext_, [this] { wake(); })) {
        timer_->stop();
        asleep_ = true;
    }
}

void Timer::wake() {
    if (asleep_) {
        asleep_ = false;
        timer_->start(period_);
        tick();
    }
}

} // namespace framework
