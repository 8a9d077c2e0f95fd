#pragma once
// The keyboard's state at this moment, read without taking any key away from
// the application in front.

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

} // namespace framework::Keyboard
