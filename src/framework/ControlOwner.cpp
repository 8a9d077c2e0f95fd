// Controls kept by their owner, in creation order.

#include "framework/ControlOwner.h"

#include "framework/Control.h"
#include "framework/EventDelivery.h"

namespace framework {

ControlOwner::ControlOwner() = default;
ControlOwner::~ControlOwner() = default;

void ControlOwner::adopt(std::unique_ptr<Control> control) {
    controls_.push_back(std::move(control));
}

Control* ControlOwner::find(const std::string& name) const {
    for (const auto& control : controls_) {
        if (control->Name() == name) {
            return control.get();
        }
    }
    return nullptr;
}

void ControlOwner::raiseControlOpenEvents() {
    // By index: a handler may add controls.
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        Control& control = *controls_[i];
        if (auto* pane = dynamic_cast<ControlOwner*>(&control)) {
            pane->raiseControlOpenEvents();
        }
        if (control.Open) {
            deliverEvent([&control] { control.Open(); });
        }
    }
}

void ControlOwner::applyLocks(int width, int height) {
    for (const auto& control : controls_) {
        control->followOwnerResize(width, height);
    }
}

void ControlOwner::releaseControls() {
    controls_.clear();
}

} // namespace framework
