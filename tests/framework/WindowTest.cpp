// Windows and controls, through small windows of the tests' own.

#include "framework/Window.h"
#include "framework/CheckBox.h"
#include "framework/ContainerControl.h"
#include "framework/EditField.h"
#include "framework/PushButton.h"
#include "framework/QtPlatformServices.h"
#include "framework/Timer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <array>

namespace {

using framework::CheckBox;

class TestWindow : public framework::Window {
  public:
    // 300 x 300, at least 64 x 64.
    TestWindow() : Window(framework::WindowRecord()) {}
    int moves = 0, resizes = 0;
    void Event_Moved() override { ++moves; }
    void Event_Resized() override { ++resizes; }
};

// A pane whose box fills it at whatever size it is given.
class TestPane final : public framework::ContainerControl {
  public:
    TestPane(framework::ControlOwner& owner, std::string name)
        : ContainerControl(owner, std::move(name), 150, 30) {
        CheckBox& box = addControl<CheckBox>("Inner");
        box.setBounds(0, 0, 150, 30);
        box.setLocks(true, true, true, true);
    }
};

using Rect = std::array<int, 4>;

Rect rectOf(const framework::Control& control) {
    return {control.Left(), control.Top(), control.Width(), control.Height()};
}

TEST(WindowTest, ControlsFollowTheirLocksAndOnlyTheWindowSystemMovesOrResizesCount) {
    struct Case {
        std::string locks;
        Rect design, grown, shrunk;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"LTRB", {10, 10, 280, 280}, {10, 10, 380, 340}, {10, 10, 230, 230}},
        {"LRB", {10, 250, 280, 20}, {10, 310, 380, 20}, {10, 200, 230, 20}},
        {"RB", {250, 270, 40, 20}, {350, 330, 40, 20}, {200, 220, 40, 20}},
        {"", {100, 100, 20, 20}, {100, 100, 20, 20}, {100, 100, 20, 20}},
        // A pane placed wider than its design: its box fills it from the start.
        {"pane LRB", {10, 240, 200, 30}, {10, 300, 300, 30}, {10, 190, 150, 30}},
    };
    // clang-format on
    TestWindow window;
    for (const Case& c : cases) {
        framework::Control& control =
            c.locks.starts_with("pane")
                ? static_cast<framework::Control&>(window.addControl<TestPane>(c.locks))
                : window.addControl<CheckBox>(c.locks);
        const auto locked = [&](char edge) { return c.locks.find(edge) != std::string::npos; };
        control.setLocks(locked('L'), locked('T'), locked('R'), locked('B'));
        control.setBounds(c.design[0], c.design[1], c.design[2], c.design[3]);
    }
    const CheckBox& inner =
        *window.findControl<TestPane>("pane LRB")->findControl<CheckBox>("Inner");

    // Grown and placed by the code while hidden, shrunk by the window system.
    window.setWidth(400);
    window.setHeight(360);
    window.setLeft(120);
    window.setTop(90);
    for (const Case& c : cases) {
        EXPECT_EQ(rectOf(*window.findControl<framework::Control>(c.locks)), c.grown) << c.locks;
    }
    window.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window.widget()));
    // What is read and written back stays.
    window.setLeft(window.Left());
    window.setTop(window.Top());
    QCoreApplication::processEvents();
    EXPECT_EQ((Rect{window.Left(), window.Top(), window.moves, window.resizes}), (Rect{120, 90}));
    window.widget().windowHandle()->resize(250, 250);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Width() == 250; }));
    for (const Case& c : cases) {
        EXPECT_EQ(rectOf(*window.findControl<framework::Control>(c.locks)), c.shrunk) << c.locks;
    }
    EXPECT_EQ(rectOf(inner), (Rect{0, 0, 150, 30}));
    EXPECT_EQ(window.resizes, 1);
    window.widget().windowHandle()->setPosition(200, 150);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.moves == 1; }));

    window.setWidth(50);
    EXPECT_EQ(window.Width(), 64) << "the minimum size";
}

// A registered window that closes itself from its own handlers.
class ClosingWindow final : public TestWindow, public framework::Timer {
  public:
    static ClosingWindow& get() { return instance<ClosingWindow>(); }
    static inline int alive = 0;
    static inline bool openFoundItself = false;
    framework::PushButton& ok = addControl<framework::PushButton>("Ok");
    framework::PushButton& cancel = addControl<framework::PushButton>("Cancel");
    framework::EditField& field = addControl<framework::EditField>("Field");
    std::string pressed;

    ClosingWindow() {
        ++alive;
        ok.setDefault(true);
        cancel.setCancel(true);
        ok.Action = [this] { pressed += "ok;"; };
        cancel.Action = [this] {
            pressed += "cancel;";
            Close();
        };
    }
    ~ClosingWindow() override { --alive; }
    void Event_Open() override { openFoundItself = &get() == this; }
    void Event_Action() override { Close(); }
};

TEST(WindowTest, ReturnAndEscapePressTheButtonsAndAWindowClosesItselfSafely) {
    ClosingWindow& window = ClosingWindow::get();
    EXPECT_TRUE(ClosingWindow::openFoundItself);
    window.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window.widget()));
    window.field.widget().setFocus();
    QTest::keyClick(&window.field.widget(), Qt::Key_Return);
    QTest::keyClick(&window.field.widget(), Qt::Key_Escape);
    EXPECT_EQ(window.pressed, "ok;cancel;");
    EXPECT_FALSE(window.Visible());
    // Gone from the getter at once, destroyed once the handler is done.
    ClosingWindow& next = ClosingWindow::get();
    EXPECT_EQ(ClosingWindow::alive, 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ClosingWindow::alive, 1);

    next.setPeriod(1);
    next.setMode(framework::Timer::ModeSingle);
    EXPECT_TRUE(QTest::qWaitFor([] { return ClosingWindow::alive == 0; }));
    framework::Window::releaseAll();
}

TEST(WindowTest, ShowModalWithinReturnsOnceHiddenAndKeepsAParentClosedMeanwhile) {
    ClosingWindow& parent = ClosingWindow::get();
    parent.Show();
    TestWindow sheet;
    // The handler that waits for the sheet must not find its window freed.
    QTimer::singleShot(0, [&] { parent.Close(); });
    QTimer::singleShot(20, [&] { sheet.Hide(); });
    sheet.ShowModalWithin(parent);
    EXPECT_FALSE(sheet.Visible());
    EXPECT_EQ(ClosingWindow::alive, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ClosingWindow::alive, 0);
}

TEST(WindowTest, ComingToTheFrontActivatesTheModalBoxElseTheWindowLastActive) {
    framework::QtPlatformServices services;
    TestWindow first;
    TestWindow second;
    QWidget notAWindow;
    QWindow elsewhere;
    const auto activate = [](QWidget& widget) {
        widget.activateWindow();
        return QTest::qWaitForWindowActive(&widget);
    };
    const auto leave = [&] {
        elsewhere.show();
        elsewhere.requestActivate();
        return QTest::qWaitFor([] { return QApplication::activeWindow() == nullptr; });
    };
    first.Show();
    second.Show();
    notAWindow.show();
    ASSERT_TRUE(activate(second.widget()) && activate(first.widget()) && activate(notAWindow));
    // In front already: the focus stays where the user put it.
    services.bringApplicationToFront();
    EXPECT_EQ(QApplication::activeWindow(), &notAWindow);

    ASSERT_TRUE(leave());
    services.bringApplicationToFront();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&first.widget()));

    QMessageBox box;
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    ASSERT_TRUE(leave());
    services.bringApplicationToFront();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&box));
}

} // namespace
