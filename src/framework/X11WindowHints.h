#pragma once
// What the window manager learns about a top-level window beyond what Qt
// tells it. Off an X server these do nothing.

class QWidget;

namespace framework {

// Qt names a window without a title after the application: this one keeps
// its empty title. For a window that exists on the server.
void keepTitleEmpty(QWidget& window);
// Keeps a window that is about to be shown off taskbars and pagers.
void skipTaskbarAndPager(QWidget& window);

} // namespace framework
