#pragma once
// The framework window that the user was last in, for bringing the
// application to the front.

class QWidget;

namespace framework {

// The top-level widget of the shown window activated last; nil for none.
QWidget* lastActiveWindow();

} // namespace framework
