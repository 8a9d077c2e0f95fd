// The list box on QTreeWidget, with Qt's own sorting left off. A sort first
// finds the whole order, asking CompareRows about the rows where they stand,
// and only then hands Qt the finished order: the handler never reads a list
// that is half reordered, and the selection follows its row.

#include "framework/Listbox.h"

#include "framework/ControlOwner.h"
#include "framework/EventDelivery.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTreeWidget>

#include <algorithm>
#include <numeric>
#include <vector>

namespace framework {

namespace {

constexpr int TakesTheRest = -1;

// A row that sorts by the place a finished sort gave it.
class Row final : public QTreeWidgetItem {
  public:
    using QTreeWidgetItem::QTreeWidgetItem;
    int place = 0;

    bool operator<(const QTreeWidgetItem& other) const override {
        return place < static_cast<const Row&>(other).place;
    }
};

class ListTree final : public QTreeWidget {
  public:
    using QTreeWidget::QTreeWidget;
    std::function<void()> doubleClicked;

  protected:
    // Qt makes the first row current when the focus comes in, and draws it
    // as chosen although nothing is selected.
    void focusInEvent(QFocusEvent* event) override {
        QTreeWidget::focusInEvent(event);
        if (selectedItems().isEmpty()) {
            selectionModel()->clearCurrentIndex();
        }
    }
    // Raised after Qt has seen the click, and also below the last row, where
    // Qt's own doubleClicked signal stays silent.
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        QTreeWidget::mouseDoubleClickEvent(event);
        if (event->button() == Qt::LeftButton && doubleClicked) {
            doubleClicked();
        }
    }
};

// Headings that keep their whole width for the text: Qt puts the sort arrow
// beside the text, which leaves a 40-pixel column no room for it, so the
// arrow goes small into the top margin, above the text.
class Headings final : public QHeaderView {
  public:
    explicit Headings(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
        setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

  protected:
    // Room above the text for the arrow.
    QSize sectionSizeFromContents(int section) const override {
        return QHeaderView::sectionSizeFromContents(section) + QSize(0, 4);
    }
    void initStyleOptionForIndex(QStyleOptionHeader* option, int section) const override {
        QHeaderView::initStyleOptionForIndex(option, section);
        option->sortIndicator = QStyleOptionHeader::None;
    }
    void paintSection(QPainter* painter, const QRect& rect, int section) const override {
        // The style leaves its own clip behind.
        painter->save();
        QHeaderView::paintSection(painter, rect, section);
        painter->restore();
        if (!isSortIndicatorShown() || sortIndicatorSection() != section) {
            return;
        }
        constexpr int halfWidth = 3, height = 3;
        const int middle = rect.center().x(), top = rect.top() + 1;
        const bool down = sortIndicatorOrder() == Qt::AscendingOrder;
        const int tip = down ? top + height : top, base = down ? top : top + height;
        const QPolygon arrow{QPoint(middle - halfWidth, base), QPoint(middle + halfWidth, base),
                             QPoint(middle, tip)};
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(palette().windowText());
        painter->drawPolygon(arrow);
        painter->restore();
    }
};

Qt::Alignment qtAlignment(int alignment) {
    switch (alignment) {
    case Listbox::AlignCenter:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case Listbox::AlignRight:
        return Qt::AlignRight | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

// Cells keep the bytes they were given and give them back: a name or path
// that is not UTF-8 is only decoded for the screen.
constexpr int storedRole = Qt::UserRole;

void setCellText(QTreeWidgetItem& row, int column, const std::string& text) {
    row.setText(column, QString::fromStdString(text));
    row.setData(column, storedRole, QByteArray::fromStdString(text));
}

} // namespace

struct Listbox::Private {
    // The owner's content destroys the tree; it may go first.
    QPointer<ListTree> tree;
    // The context of every connection, so none outlives the list box.
    QObject connections;
    // Pixels per column, or TakesTheRest; columns past the end take the rest.
    std::vector<int> widths;
    std::vector<int> alignments;
    std::vector<int> sortDirections;
    int sortedColumn = -1;
    QTreeWidgetItem* lastAdded = nullptr;

    QTreeWidgetItem* row(int index) const {
        return index >= 0 ? tree->topLevelItem(index) : nullptr;
    }
    bool hasColumn(int column) const { return column >= 0 && column < tree->columnCount(); }
    QString text(int index, int column) const {
        const QTreeWidgetItem* item = row(index);
        return item ? item->text(column) : QString();
    }
};

Listbox::Listbox(ControlOwner& owner, std::string name)
    : Control(owner, std::move(name), new ListTree(&owner.content())),
      d_(std::make_unique<Private>()) {
    auto& tree = static_cast<ListTree&>(widget());
    d_->tree = &tree;
    tree.setHeader(new Headings(&tree));
    tree.setRootIsDecorated(false);
    tree.setItemsExpandable(false);
    tree.setUniformRowHeights(true);
    tree.setAllColumnsShowFocus(true);
    tree.setSelectionMode(QAbstractItemView::SingleSelection);
    tree.setSelectionBehavior(QAbstractItemView::SelectRows);
    tree.setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree.setSortingEnabled(false);
    tree.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tree.setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QHeaderView& header = *tree.header();
    header.setSectionsClickable(true);
    header.setSectionsMovable(false);
    header.setStretchLastSection(false);
    header.setSortIndicatorShown(true);
    header.setSortIndicator(-1, Qt::AscendingOrder);
    setColumnCount(1);

    tree.doubleClicked = [this] {
        deliverEvent([this] {
            if (DoubleClick) {
                DoubleClick();
            }
        });
    };
    QObject::connect(&tree, &QTreeWidget::itemSelectionChanged, &d_->connections, [this] {
        deliverEvent([this] {
            if (Change) {
                Change();
            }
        });
    });
    // The user's sort starts ascending and turns round at each further click.
    QObject::connect(&header, &QHeaderView::sectionClicked, &d_->connections, [this](int column) {
        int& direction = d_->sortDirections[column];
        direction = column == d_->sortedColumn ? -direction : 1;
        sortOn(column, direction);
    });
}

Listbox::~Listbox() {
    if (d_->tree) {
        d_->tree->doubleClicked = nullptr;
    }
}

int Listbox::ColumnCount() const {
    return d_->tree->columnCount();
}

void Listbox::setColumnCount(int count) {
    QTreeWidget& tree = *d_->tree;
    const int before = tree.columnCount();
    count = std::max(count, 1);
    tree.setColumnCount(count);
    // Qt numbers the headings of new columns.
    for (int column = before; column < count; ++column) {
        tree.headerItem()->setText(column, QString());
    }
    d_->alignments.resize(count, AlignDefault);
    d_->sortDirections.resize(count, 1);
    if (d_->sortedColumn >= count) {
        d_->sortedColumn = -1;
    }
    applyColumnWidths();
}

void Listbox::setColumnWidths(const std::string& widths) {
    d_->widths.clear();
    for (const QString& width : QString::fromStdString(widths).split(u',')) {
        bool isNumber = false;
        const int pixels = width.trimmed().toInt(&isNumber);
        d_->widths.push_back(isNumber && pixels >= 0 ? pixels : TakesTheRest);
    }
    applyColumnWidths();
}

// The columns that take the rest stretch, so Qt shares the rest again at
// every resize; the others keep the width the user dragged them to.
void Listbox::applyColumnWidths() {
    QHeaderView& header = *d_->tree->header();
    for (int column = 0; column < ColumnCount(); ++column) {
        const int width =
            column < static_cast<int>(d_->widths.size()) ? d_->widths[column] : TakesTheRest;
        header.setSectionHidden(column, width == 0);
        if (width == TakesTheRest) {
            header.setSectionResizeMode(column, QHeaderView::Stretch);
        } else {
            header.setSectionResizeMode(column, QHeaderView::Interactive);
            if (width > 0) {
                header.resizeSection(column, width);
            }
        }
    }
}

void Listbox::setHasHeading(bool hasHeading) {
    d_->tree->setHeaderHidden(!hasHeading);
}

void Listbox::setHeading(int column, const std::string& heading) {
    if (d_->hasColumn(column)) {
        d_->tree->headerItem()->setText(column, QString::fromStdString(heading));
    }
}

void Listbox::setColumnAlignment(int column, int alignment) {
    if (!d_->hasColumn(column)) {
        return;
    }
    d_->alignments[column] = alignment;
    QTreeWidget& tree = *d_->tree;
    tree.headerItem()->setTextAlignment(column, qtAlignment(alignment));
    for (int row = 0; row < tree.topLevelItemCount(); ++row) {
        tree.topLevelItem(row)->setTextAlignment(column, qtAlignment(alignment));
    }
}

void Listbox::AddRow(const std::string& text) {
    auto* row = new Row(d_->tree.data());
    for (int column = 0; column < ColumnCount(); ++column) {
        row->setTextAlignment(column, qtAlignment(d_->alignments[column]));
    }
    setCellText(*row, 0, text);
    d_->lastAdded = row;
}

int Listbox::LastIndex() const {
    return d_->lastAdded ? d_->tree->indexOfTopLevelItem(d_->lastAdded) : -1;
}

int Listbox::ListCount() const {
    return d_->tree->topLevelItemCount();
}

std::string Listbox::Cell(int row, int column) const {
    const QTreeWidgetItem* item = d_->row(row);
    return item && d_->hasColumn(column)
               ? item->data(column, storedRole).toByteArray().toStdString()
               : std::string();
}

void Listbox::setCell(int row, int column, const std::string& text) {
    if (QTreeWidgetItem* item = d_->row(row); item && d_->hasColumn(column)) {
        setCellText(*item, column, text);
    }
}

void Listbox::RemoveRow(int row) {
    QTreeWidgetItem* item = d_->row(row);
    if (!item) {
        return;
    }
    QTreeWidget& tree = *d_->tree;
    // Qt would select the next row in place of a removed current row.
    if (item->isSelected()) {
        tree.clearSelection();
    }
    if (tree.currentItem() == item) {
        tree.selectionModel()->clearCurrentIndex();
    }
    if (d_->lastAdded == item) {
        d_->lastAdded = nullptr;
    }
    delete tree.takeTopLevelItem(row);
}

int Listbox::ListIndex() const {
    const QList<QTreeWidgetItem*> selected = d_->tree->selectedItems();
    return selected.isEmpty() ? -1 : d_->tree->indexOfTopLevelItem(selected.front());
}

void Listbox::setListIndex(int row) {
    QTreeWidget& tree = *d_->tree;
    if (QTreeWidgetItem* item = d_->row(row)) {
        tree.setCurrentItem(item, 0,
                            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else {
        // No current row either, so that removing it later selects nothing.
        tree.selectionModel()->clear();
    }
}

bool Listbox::Selected(int row) const {
    const QTreeWidgetItem* item = d_->row(row);
    return item && item->isSelected();
}

void Listbox::setSelected(int row, bool selected) {
    QTreeWidgetItem* item = d_->row(row);
    if (!item) {
        return;
    }
    if (selected) {
        setListIndex(row);
    } else {
        item->setSelected(false);
    }
}

void Listbox::setColumnSortDirection(int column, int direction) {
    if (d_->hasColumn(column)) {
        d_->sortDirections[column] = direction < 0 ? -1 : 1;
    }
}

void Listbox::PressHeader(int column) {
    if (d_->hasColumn(column)) {
        sortOn(column, d_->sortDirections[column]);
    }
}

void Listbox::sortOn(int column, int direction) {
    QTreeWidget& tree = *d_->tree;
    const int count = tree.topLevelItemCount();
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int row1, int row2) {
        return compareRows(row1, row2, column) * direction < 0;
    });
    // A handler that added or removed rows left an order that fits no more.
    if (tree.topLevelItemCount() != count) {
        return;
    }
    for (int place = 0; place < count; ++place) {
        static_cast<Row*>(tree.topLevelItem(order[place]))->place = place;
    }
    tree.sortItems(column, Qt::AscendingOrder);
    tree.header()->setSortIndicator(column,
                                    direction < 0 ? Qt::DescendingOrder : Qt::AscendingOrder);
    d_->sortedColumn = column;
}

int Listbox::compareRows(int row1, int row2, int column) const {
    if (CompareRows) {
        int result = 0;
        // A handler that throws is reported and counts as not comparing.
        if (deliverEvent([&] { return CompareRows(row1, row2, column, result); })) {
            return (result > 0) - (result < 0);
        }
    }
    const int order =
        QString::compare(d_->text(row1, column), d_->text(row2, column), Qt::CaseInsensitive);
    return (order > 0) - (order < 0);
}

} // namespace framework
