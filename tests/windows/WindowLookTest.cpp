// The windows as they show at their design size: every caption, label,
// heading and menu item whole in the control's own font, and the controls
// placed in a group box inside its frame.

#include "support/AppSession.h"
#include "support/ConfigHome.h"
#include "support/FakePlatform.h"
#include "windows/AboutWindow.h"
#include "windows/EditionWindow.h"
#include "windows/MainWindow.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QStyleOption>
#include <QTreeWidget>

namespace {

using namespace keyhop;

// A text and the width the control gives it.
struct Room {
    QString text;
    int width;
};

std::vector<Room> roomsOf(QWidget& widget) {
    QStyle& style = *widget.style();
    // Check boxes and push buttons, the only buttons the windows have.
    if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const auto contents = qobject_cast<QCheckBox*>(button) ? QStyle::SE_CheckBoxContents
                                                               : QStyle::SE_PushButtonContents;
        return {{button->text(), style.subElementRect(contents, &option, button).width()}};
    }
    if (auto* box = qobject_cast<QGroupBox*>(&widget)) {
        // The caption sits on the frame's top line, inset from the left corner.
        return {{box->title(), box->width() - 20}};
    }
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        return {{label->text(), label->contentsRect().width()}};
    }
    if (auto* menu = qobject_cast<QComboBox*>(&widget)) {
        QStyleOptionComboBox option;
        option.initFrom(menu);
        const int width =
            style.subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, menu)
                .width();
        std::vector<Room> rooms;
        for (int item = 0; item < menu->count(); ++item) {
            rooms.push_back({menu->itemText(item), width});
        }
        return rooms;
    }
    if (auto* list = qobject_cast<QTreeWidget*>(&widget)) {
        const QHeaderView& header = *list->header();
        const int margins = 2 * style.pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
        std::vector<Room> rooms;
        for (int column = 0; column < list->columnCount(); ++column) {
            if (!header.isSectionHidden(column)) {
                rooms.push_back(
                    {list->headerItem()->text(column), header.sectionSize(column) - margins});
            }
        }
        return rooms;
    }
    return {};
}

// What does not fit, as "text: needs/has" lines.
std::string cutOff(const framework::Window& window) {
    std::string cut;
    for (QWidget* widget : window.content().findChildren<QWidget*>()) {
        const QFontMetrics metrics(widget->font());
        for (const auto& [text, width] : roomsOf(*widget)) {
            const int needs = metrics.horizontalAdvance(QString(text).replace("&&", "&"));
            if (needs > width) {
                cut += text.toStdString() + ": " + std::to_string(needs) + "/" +
                       std::to_string(width) + "\n";
            }
        }
    }
    return cut;
}

// The first line of the frame from the top, at the box's right end, where
// no caption runs.
int frameTop(QGroupBox& box) {
    const QImage drawn = box.grab().toImage();
    const int x = drawn.width() - 10;
    int y = 0;
    while (y + 1 < drawn.height() && drawn.pixel(x, y) == drawn.pixel(x, 0)) {
        ++y;
    }
    return box.y() + y;
}

// The controls that a group box holds but that reach over its frame.
std::string overFrames(const framework::Window& window) {
    std::string over;
    const auto widgets = window.content().findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* widget : widgets) {
        auto* box = qobject_cast<QGroupBox*>(widget);
        if (box == nullptr) {
            continue;
        }
        const int top = frameTop(*box);
        for (QWidget* inside : widgets) {
            if (inside != box && box->geometry().contains(inside->geometry()) &&
                inside->y() <= top) {
                over += std::string(inside->metaObject()->className()) + " at " +
                        std::to_string(inside->y()) + " over " + box->title().toStdString() +
                        " at " + std::to_string(top) + "\n";
            }
        }
    }
    return over;
}

class WindowLookTest : public testing::Test {
  protected:
    void SetUp() override { MainWindow::get().Show(); }

    test::FakePlatform platform;
    const test::ConfigHome home;
    const test::AppSession session;
};

TEST_F(WindowLookTest, EveryTextShowsWhole) {
    EXPECT_EQ(cutOff(MainWindow::get()), "");
    EXPECT_EQ(cutOff(EditionWindow::get()), "");
    EXPECT_EQ(cutOff(AboutWindow::get()), "");
}

TEST_F(WindowLookTest, TheControlsOfAGroupBoxLieInsideItsFrame) {
    EXPECT_EQ(overFrames(MainWindow::get()), "");
    EXPECT_EQ(overFrames(EditionWindow::get()), "");
}

} // namespace
