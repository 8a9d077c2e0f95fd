// Top-level windows on Qt widgets: a top-level widget holding the menu bar
// (document windows only) above the content area, where the controls go.

#include "framework/Window.h"

#include "framework/Application.h"
#include "framework/EventDelivery.h"
#include "framework/LastActiveWindow.h"
#include "framework/MenuBar.h"
#include "framework/Picture.h"
#include "framework/X11WindowHints.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <map>
#include <set>
#include <utility>
#include <vector>

namespace framework {

namespace {

// Never destroyed: a static destructor would take widgets down after the
// application is gone. releaseAll empties it at shut-down.
std::map<std::type_index, std::unique_ptr<Window>>& openWindows() {
    static auto* windows = new std::map<std::type_index, std::unique_ptr<Window>>;
    return *windows;
}

// The windows in the order the user was last in them, the latest last.
std::vector<QPointer<QWidget>>& activations() {
    static auto* windows = new std::vector<QPointer<QWidget>>;
    return *windows;
}

void noteActivation(QWidget& window) {
    std::erase_if(activations(), [&window](const QPointer<QWidget>& seen) {
        return seen.isNull() || seen == &window;
    });
    activations().emplace_back(&window);
}

// A closed window waiting for the event loop to come back to where it was
// closed, so that the handler that closed it is never left on a freed window.
class ClosedWindow final : public QObject {
  public:
    explicit ClosedWindow(std::unique_ptr<Window> window) : window_(std::move(window)) {
        pending().insert(this);
    }
    ~ClosedWindow() override { pending().erase(this); }

    static std::set<ClosedWindow*>& pending() {
        static std::set<ClosedWindow*> closed;
        return closed;
    }

  private:
    std::unique_ptr<Window> window_;
};

// While a modal loop runs, a window closed in it may be the one whose
// handler waits in that loop: closed windows are kept until the outermost
// modal loop has returned.
int modalLoopsRunning = 0;

std::vector<QPointer<ClosedWindow>>& parkedWindows() {
    static auto* parked = new std::vector<QPointer<ClosedWindow>>;
    return *parked;
}

void deleteWhenSafe(ClosedWindow* closed) {
    if (modalLoopsRunning > 0) {
        parkedWindows().emplace_back(closed);
    } else {
        closed->deleteLater();
    }
}

void deleteParkedWindows() {
    for (const QPointer<ClosedWindow>& closed : std::exchange(parkedWindows(), {})) {
        if (!closed.isNull()) {
            closed->deleteLater();
        }
    }
}

class ContentWidget final : public QWidget {
  public:
    using QWidget::QWidget;
    std::shared_ptr<Picture> backdrop;

  protected:
    void paintEvent(QPaintEvent*) override {
        if (backdrop) {
            QPainter painter(this);
            painter.drawImage(0, 0, backdrop->image());
        }
    }
};

void setTitleOf(QWidget& window, const std::string& title) {
    window.setWindowTitle(QString::fromStdString(title));
    if (title.empty()) {
        keepTitleEmpty(window);
    }
}

Qt::WindowFlags flagsOf(const WindowRecord& record) {
    if (record.frame == WindowRecord::FramePlainBox) {
        return Qt::Window | Qt::FramelessWindowHint;
    }
    Qt::WindowFlags flags = record.frame == WindowRecord::FrameSheet ? Qt::Dialog : Qt::Window;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (record.closeButton) {
        flags |= Qt::WindowCloseButtonHint;
    }
    if (record.minimizeButton) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (record.maximizeButton) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    return flags;
}

} // namespace

QWidget* lastActiveWindow() {
    for (auto it = activations().rbegin(); it != activations().rend(); ++it) {
        if (!it->isNull() && (*it)->isVisible()) {
            return it->data();
        }
    }
    return nullptr;
}

struct Window::Private {
    class TopWidget;

    Private(Window& self, const WindowRecord& record);
    // Puts the menu bar and the content in the top-level widget and applies
    // the locks when the content's size changed.
    void layout();
    // Turns a change of the top-level's place or size into Moved or Resized.
    void geometryChanged();
    void setContentGeometry(int left, int top, int width, int height);
    void resizeContent(int width, int height);
    void remember();

    Window& self;
    const WindowRecord record;
    std::unique_ptr<TopWidget> top;
    // Owned by top.
    ContentWidget* content;
    QMenuBar* menuBar = nullptr;
    int menuBarHeight = 0;
    QSize lockedSize;
    // Once the window system has placed the shown window, changes of place
    // and size are moves and resizes.
    bool placed = false;
    // The window's own code is placing it: no event for that.
    bool placing = false;
    QPoint knownPosition;
    QSize knownSize;
    QEventLoop* modalLoop = nullptr;
    // The window this one is shown modally on, while it is.
    Window* modalParent = nullptr;
};

class Window::Private::TopWidget final : public QWidget {
  public:
    TopWidget(Private& window, Qt::WindowFlags flags) : QWidget(nullptr, flags), d_(&window) {}
    // From now on nothing reaches the window, which is being destroyed.
    void detach() { d_ = nullptr; }

  protected:
    bool event(QEvent* event) override {
        if (d_ != nullptr) {
            if (event->type() == QEvent::WindowActivate) {
                noteActivation(*this);
                Window& window = d_->self;
                deliverEvent([&window] { window.Event_Activate(); });
            } else if (event->type() == QEvent::Enter) {
                Window& window = d_->self;
                deliverEvent([&window] { window.Event_MouseEnter(); });
            }
        }
        return QWidget::event(event);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The first exposure ends the window system's placement.
        if (d_ != nullptr && event->type() == QEvent::Expose && !d_->placed &&
            windowHandle() != nullptr && windowHandle()->isExposed()) {
            d_->placed = true;
            d_->remember();
        }
        return QWidget::eventFilter(watched, event);
    }
    void closeEvent(QCloseEvent* event) override {
        // Only the window's own code closes it.
        event->ignore();
        if (d_ != nullptr) {
            Window& window = d_->self;
            deliverEvent([&window] { window.Event_CloseRequest(); });
        }
    }
    void showEvent(QShowEvent* event) override {
        if (d_ != nullptr && !event->spontaneous()) {
            d_->placed = false;
            // A plain box is a passing panel, not a window to switch to.
            if (d_->record.frame == WindowRecord::FramePlainBox) {
                skipTaskbarAndPager(*this);
            }
        }
    }
    void hideEvent(QHideEvent* event) override {
        if (d_ != nullptr && !event->spontaneous() && d_->modalLoop != nullptr) {
            d_->modalLoop->quit();
        }
    }
    void moveEvent(QMoveEvent*) override {
        if (d_ != nullptr) {
            d_->geometryChanged();
        }
    }
    void resizeEvent(QResizeEvent*) override {
        if (d_ != nullptr) {
            d_->layout();
            d_->geometryChanged();
        }
    }

  private:
    Private* d_;
};

Window::Private::Private(Window& window, const WindowRecord& windowRecord)
    : self(window), record(windowRecord),
      top(std::make_unique<TopWidget>(*this, flagsOf(windowRecord))),
      content(new ContentWidget(top.get())) {
    Application* application = Application::current();
    if (record.frame == WindowRecord::FrameDocument && application != nullptr &&
        application->menuBar()) {
        std::unique_ptr<QMenuBar> bar = application->menuBar()->createNativeMenuBar(*application);
        // In the window, where the controls' places count it in.
        bar->setNativeMenuBar(false);
        bar->setParent(top.get());
        menuBar = bar.release();
        menuBarHeight = menuBar->sizeHint().height();
    }
    if (record.resizeable) {
        top->setMinimumSize(record.minWidth, record.minHeight + menuBarHeight);
        top->setMaximumSize(record.maxWidth, record.maxHeight + menuBarHeight);
        top->resize(record.width, record.height + menuBarHeight);
    } else {
        top->setFixedSize(record.width, record.height + menuBarHeight);
    }
    layout();
    top->winId();
    setTitleOf(*top, record.title);
    top->windowHandle()->installEventFilter(top.get());
}

void Window::Private::layout() {
    const QSize size(top->width(), std::max(0, top->height() - menuBarHeight));
    if (menuBar != nullptr) {
        menuBar->setGeometry(0, 0, size.width(), menuBarHeight);
    }
    content->setGeometry(QRect(QPoint(0, menuBarHeight), size));
    if (size != lockedSize) {
        lockedSize = size;
        self.applyLocks(size.width(), size.height());
    }
}

void Window::Private::remember() {
    knownPosition = QPoint(self.Left(), self.Top());
    knownSize = QSize(self.Width(), self.Height());
}

void Window::Private::geometryChanged() {
    const QPoint oldPosition = knownPosition;
    const QSize oldSize = knownSize;
    remember();
    if (!placed || placing || !top->isVisible()) {
        return;
    }
    if (knownPosition != oldPosition) {
        deliverEvent([this] { self.Event_Moved(); });
    }
    if (knownSize != oldSize) {
        deliverEvent([this] { self.Event_Resized(); });
    }
}

void Window::Private::setContentGeometry(int left, int topEdge, int width, int height) {
    placing = true;
    if (!record.resizeable) {
        top->setFixedSize(width, height + menuBarHeight);
    }
    top->setGeometry(left, topEdge - menuBarHeight, width, height + menuBarHeight);
    layout();
    remember();
    placing = false;
}

void Window::Private::resizeContent(int width, int height) {
    // A resize only: a window the window system placed stays where it is.
    placing = true;
    if (!record.resizeable) {
        top->setFixedSize(width, height + menuBarHeight);
    }
    top->resize(width, height + menuBarHeight);
    layout();
    remember();
    placing = false;
}

Window::Window(const WindowRecord& record) : d_(std::make_unique<Private>(*this, record)) {}

Window::~Window() {
    if (d_->modalLoop != nullptr) {
        d_->modalLoop->quit();
    }
    d_->top->detach();
    releaseControls();
}

void Window::Show() {
    d_->top->show();
    d_->top->raise();
    d_->top->activateWindow();
    // A window shown modally on this one stays above it: without a window
    // manager nothing else would keep it there.
    for (const auto& [type, window] : openWindows()) {
        if (window->d_->modalParent == this && window->Visible()) {
            window->d_->top->raise();
            window->d_->top->activateWindow();
        }
    }
}

void Window::Hide() {
    d_->top->hide();
}

bool Window::Visible() const {
    return d_->top->isVisible();
}

void Window::Close() {
    Hide();
    auto& windows = openWindows();
    for (auto it = windows.begin(); it != windows.end(); ++it) {
        if (it->second.get() == this) {
            std::unique_ptr<Window> closed = std::move(it->second);
            windows.erase(it);
            // Deleted by Qt's deferred deletion, or by releaseAll.
            deleteWhenSafe(new ClosedWindow(std::move(closed)));
            return;
        }
    }
}

void Window::ShowModalWithin(Window& parent) {
    QWidget& top = *d_->top;
    parent.widget().winId();
    top.windowHandle()->setTransientParent(parent.widget().windowHandle());
    top.setWindowModality(Qt::WindowModal);
    d_->modalParent = &parent;
    if (d_->record.frame == WindowRecord::FrameSheet && parent.Visible()) {
        // Hung from the top of the parent's content, as a sheet is.
        d_->setContentGeometry(parent.Left() + (parent.Width() - Width()) / 2, parent.Top(),
                               Width(), Height());
    }
    Show();
    const QPointer<QWidget> alive(&top);
    if (Visible()) {
        QEventLoop loop;
        QEventLoop* outer = std::exchange(d_->modalLoop, &loop);
        ++modalLoopsRunning;
        loop.exec();
        if (--modalLoopsRunning == 0) {
            deleteParkedWindows();
        }
        if (alive.isNull()) {
            return;
        }
        d_->modalLoop = outer;
    }
    d_->modalParent = nullptr;
    top.setWindowModality(Qt::NonModal);
}

std::string Window::Title() const {
    return d_->top->windowTitle().toStdString();
}

void Window::setTitle(const std::string& title) {
    setTitleOf(*d_->top, title);
}

int Window::Left() const {
    return d_->top->geometry().x();
}

int Window::Top() const {
    return d_->top->geometry().y() + d_->menuBarHeight;
}

int Window::Width() const {
    return d_->content->width();
}

int Window::Height() const {
    return d_->content->height();
}

void Window::setLeft(int left) {
    d_->setContentGeometry(left, Top(), Width(), Height());
}

void Window::setTop(int top) {
    d_->setContentGeometry(Left(), top, Width(), Height());
}

void Window::setWidth(int width) {
    d_->resizeContent(width, Height());
}

void Window::setHeight(int height) {
    d_->resizeContent(Width(), height);
}

void Window::setBackdrop(std::shared_ptr<Picture> picture) {
    d_->content->backdrop = std::move(picture);
    d_->content->update();
}

QWidget& Window::content() const {
    return *d_->content;
}

QWidget& Window::widget() const {
    return *d_->top;
}

void Window::raiseOpenEvents() {
    raiseControlOpenEvents();
    deliverEvent([this] { Event_Open(); });
}

void Window::releaseAll() {
    while (!ClosedWindow::pending().empty()) {
        delete *ClosedWindow::pending().begin();
    }
    // Out of the registry first: a window's destruction may use the getters.
    auto windows = std::move(openWindows());
    openWindows().clear();
    windows.clear();
}

Window* Window::find(std::type_index type) {
    const auto found = openWindows().find(type);
    return found == openWindows().end() ? nullptr : found->second.get();
}

Window& Window::add(std::type_index type, std::unique_ptr<Window> window) {
    return *openWindows().emplace(type, std::move(window)).first->second;
}

} // namespace framework
