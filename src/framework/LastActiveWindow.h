#pragma once
// The framework window that the user was last in, for bringing the
// application to the front.

class QWidget;

namespace framework {

// Its top-level widget; nil when none is left.
QWidget* lastActiveWindow();

} // namespace framework
