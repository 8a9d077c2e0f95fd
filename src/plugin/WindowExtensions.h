#pragma once
// Extensions of windows: whole-window transparency.

namespace framework {
class Window;
}

namespace plugin {

// 0 is opaque, 255 invisible; values outside are held to that range. The
// window's opacity reaches the X server at once, so a compositing window
// manager draws every step of a fade; without one the window shows opaque.
void SetTransparencyMBS(framework::Window& window, int value);

} // namespace plugin
