// The keyboard's state, through the platform services.

#include "framework/Keyboard.h"

#include "framework/PlatformServices.h"

#include <array>
#include <utility>

namespace framework::Keyboard {

namespace {

// The Mac virtual key codes of F1 to F19, in that order.
constexpr std::array<int, 19> functionKeyCodes{122, 120, 99,  118, 96,  97,  98, 100, 101, 109,
                                               103, 111, 105, 107, 113, 106, 64, 79,  80};

} // namespace

bool AsyncKeyDown(int macVirtualCode) {
    for (std::size_t i = 0; i < functionKeyCodes.size(); ++i) {
        if (functionKeyCodes[i] == macVirtualCode) {
            return platform().functionKeyDown(static_cast<int>(i) + 1);
        }
    }
    return false;
}

bool AsyncShiftKey() {
    return platform().modifierKeyDown(ModifierKey::Shift);
}

bool AsyncControlKey() {
    return platform().modifierKeyDown(ModifierKey::Control);
}

bool AsyncOptionKey() {
    return platform().modifierKeyDown(ModifierKey::Option);
}

bool AsyncCommandKey() {
    return platform().modifierKeyDown(ModifierKey::Command);
}

bool WakeOnFunctionKey(QObject& context, std::function<void()> wake) {
    return platform().wakeOnFunctionKey(context, std::move(wake));
}

} // namespace framework::Keyboard
