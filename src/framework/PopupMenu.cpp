// Pop-up menus on QComboBox. Change follows every change of the selection,
// the code's own included; adding items changes none.

#include "framework/PopupMenu.h"

#include "framework/EventDelivery.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QSignalBlocker>

namespace framework {

namespace {

// The open list takes Return and Escape for itself: Qt closes it on them
// but lets the window's default and cancel buttons have the key as well.
class OpenListKeys final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
                event->accept();
            }
        }
        return false;
    }
};

} // namespace

PopupMenu::PopupMenu(ControlOwner& owner, std::string name)
    : Control(owner, std::move(name), new QComboBox) {
    // Seen before Qt's own handling of the list's keys, made with the view.
    QAbstractItemView& list = *widgetAs<QComboBox>().view();
    list.installEventFilter(new OpenListKeys(&list));
    QObject::connect(&widgetAs<QComboBox>(), &QComboBox::currentIndexChanged,
                     [this] { raiseEvent(Change); });
}

void PopupMenu::AddRow(const std::string& text) {
    // Qt selects the first item added to an empty menu: keep the selection.
    QComboBox& menu = widgetAs<QComboBox>();
    const int selected = menu.currentIndex();
    const QSignalBlocker quiet(menu);
    menu.addItem(QString::fromStdString(text));
    menu.setCurrentIndex(selected);
}

std::string PopupMenu::List(int k) const {
    return widgetAs<QComboBox>().itemText(k).toStdString();
}

int PopupMenu::ListCount() const {
    return widgetAs<QComboBox>().count();
}

int PopupMenu::ListIndex() const {
    return widgetAs<QComboBox>().currentIndex();
}

void PopupMenu::setListIndex(int index) {
    // Out of range selects nothing.
    widgetAs<QComboBox>().setCurrentIndex(index);
}

std::string PopupMenu::Text() const {
    return widgetAs<QComboBox>().currentText().toStdString();
}

} // namespace framework
