// The list box: sorts through CompareRows on the rows as they stood, heading
// clicks against PressHeader, double clicks anywhere, and Change from code.

#include "framework/Listbox.h"
#include "framework/Window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTest>
#include <QTreeWidget>

#include <string>
#include <vector>

namespace {

using framework::Listbox;
using Texts = std::vector<std::string>;

class ListWindow final : public framework::Window {
  public:
    ListWindow() : Window(framework::WindowRecord{}), list(addControl<Listbox>("List")) {}
    static ListWindow& get() { return instance<ListWindow>(); }
    Listbox& list;
};

void sendMouse(QWidget& target, QEvent::Type type, QPoint at) {
    const auto buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, target.mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(&target, &event);
}

class ListboxTest : public testing::Test {
  protected:
    void SetUp() override {
        list.setBounds(0, 0, 300, 200);
        window.Show();
        list.setColumnCount(7);
        list.setColumnWidths("40,40,40,40,40,,0");
        for (const Texts& row : {Texts{"F10", "c"}, Texts{"F2", "a"}, Texts{"F1", "b"}}) {
            list.AddRow(row[0]);
            list.setCell(list.LastIndex(), 5, row[1]);
            list.setCell(list.LastIndex(), 6, "/path/" + row[0]);
        }
        list.Change = [this] { ++changes; };
        list.DoubleClick = [this] { ++doubleClicks; };
        // Numbers on column 0; elsewhere the list's own order, whatever the result.
        list.CompareRows = [this](int row1, int row2, int column, int& result) {
            const auto key = [this](int row) { return std::stoi(list.Cell(row, 0).substr(1)); };
            result = (key(row1) > key(row2)) - (key(row1) < key(row2));
            return column == 0;
        };
    }
    void TearDown() override { window.Close(); }

    QTreeWidget& tree() const { return static_cast<QTreeWidget&>(list.widget()); }
    Texts column(int index) const {
        return {list.Cell(0, index), list.Cell(1, index), list.Cell(2, index)};
    }
    void clickHeading(int index) {
        QHeaderView& header = *tree().header();
        const QPoint at(header.sectionViewportPosition(index) + 5, header.height() / 2);
        sendMouse(*header.viewport(), QEvent::MouseButtonPress, at);
        sendMouse(*header.viewport(), QEvent::MouseButtonRelease, at);
    }

    ListWindow& window = ListWindow::get();
    Listbox& list = window.list;
    int changes = 0, doubleClicks = 0;
};

TEST_F(ListboxTest, SortsThroughCompareRowsKeepingTheHiddenColumnAndTheSelection) {
    list.setListIndex(0);
    list.setColumnSortDirection(0, 1);
    list.PressHeader(0);
    EXPECT_EQ(column(0), (Texts{"F1", "F2", "F10"}));
    EXPECT_EQ(column(6), (Texts{"/path/F1", "/path/F2", "/path/F10"}));
    EXPECT_EQ(list.ListIndex(), 2);
    EXPECT_EQ(changes, 1);
    // Column 6 is hidden; column 5 takes the rest, also after a resize.
    EXPECT_TRUE(tree().header()->isSectionHidden(6));
    list.setBounds(0, 0, 400, 200);
    QApplication::processEvents();
    EXPECT_EQ(tree().header()->sectionSize(5), tree().viewport()->width() - 5 * 40);
}

TEST_F(ListboxTest, AHeadingClickTurnsTheSortRoundAndANewColumnStartsAscendingAsText) {
    list.setColumnSortDirection(0, -1);
    list.PressHeader(0);
    EXPECT_EQ(column(0), (Texts{"F10", "F2", "F1"}));
    clickHeading(0);
    EXPECT_EQ(column(0), (Texts{"F1", "F2", "F10"}));
    list.setColumnSortDirection(5, -1);
    clickHeading(5);
    EXPECT_EQ(column(0), (Texts{"F2", "F1", "F10"}));
}

TEST_F(ListboxTest, DoubleClickBelowTheLastRowAndChangeFromCode) {
    const QPoint below(10, tree().viewport()->height() - 2);
    ASSERT_EQ(tree().itemAt(below), nullptr);
    sendMouse(*tree().viewport(), QEvent::MouseButtonDblClick, below);
    EXPECT_EQ(doubleClicks, 1);

    list.setListIndex(1);
    list.setSelected(2, true);
    EXPECT_EQ(changes, 2);
    EXPECT_FALSE(list.Selected(1));
    list.setListIndex(-1);
    list.setListIndex(-1);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(list.ListIndex(), -1);
    // Removing the selected row selects no other.
    list.setListIndex(0);
    list.RemoveRow(0);
    EXPECT_EQ(list.ListIndex(), -1);
    // Nor does taking the focus seem to: Qt draws its current row as chosen.
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window.widget()));
    tree().setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(tree().hasFocus());
    EXPECT_EQ(tree().currentItem(), nullptr);
}

TEST_F(ListboxTest, TheSortArrowOfANarrowColumnLeavesItsHeadingWhole) {
    QHeaderView& header = *tree().header();
    const auto heading = [&] {
        return header.grab(QRect(header.sectionViewportPosition(2), 0, 40, header.height()))
            .toImage();
    };
    list.setColumnAlignment(2, Listbox::AlignCenter);
    const QImage blank = heading();
    list.setHeading(2, "Ctrl");
    const QImage plain = heading();
    list.PressHeader(2);
    const QImage sorted = heading();
    ASSERT_NE(sorted, plain);
    int textPixels = 0, changed = 0;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            if (plain.pixel(x, y) != blank.pixel(x, y)) {
                ++textPixels;
                changed += sorted.pixel(x, y) != plain.pixel(x, y);
            }
        }
    }
    EXPECT_GT(textPixels, 0);
    EXPECT_EQ(changed, 0);
}

} // namespace
