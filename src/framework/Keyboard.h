#pragma once
// The keyboard's state at this moment, read without taking any key away from
// the application in front.

#include <functional>

class QObject;

namespace framework::Keyboard {

// By Mac virtual key code. Only the function keys F1 to F19 are known here:
// any other code reads up.
bool AsyncKeyDown(int macVirtualCode);

bool AsyncShiftKey();
bool AsyncControlKey();
// Alt.
bool AsyncOptionKey();
// Super.
bool AsyncCommandKey();

// For timers that act only on the function keys: has wake called once, while
// context lives, when one goes down (or the keymap changes). False when one
// read down at the last look or went down since, or when the keyboard cannot
// report its changes.
bool WakeOnFunctionKey(QObject& context, std::function<void()> wake);

} // namespace framework::Keyboard
