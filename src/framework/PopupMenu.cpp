// Pop-up menus on QComboBox. Change follows every change of the selection,
// the code's own included; adding items changes none.

#include "framework/PopupMenu.h"

#include "framework/EventDelivery.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace framework {

namespace {

QComboBox& combo(const Control& control) {
    return static_cast<QComboBox&>(control.widget());
}

} // namespace

PopupMenu::PopupMenu(ControlOwner& owner, std::string name)
    : Control(owner, std::move(name), new QComboBox) {
    QObject::connect(&combo(*this), &QComboBox::currentIndexChanged,
                     [this] { raiseEvent(Change); });
}

void PopupMenu::AddRow(const std::string& text) {
    // Qt selects the first item added to an empty menu: keep the selection.
    QComboBox& menu = combo(*this);
    const int selected = menu.currentIndex();
    const QSignalBlocker quiet(menu);
    menu.addItem(QString::fromStdString(text));
    menu.setCurrentIndex(selected);
}

std::string PopupMenu::List(int k) const {
    return combo(*this).itemText(k).toStdString();
}

int PopupMenu::ListCount() const {
    return combo(*this).count();
}

int PopupMenu::ListIndex() const {
    return combo(*this).currentIndex();
}

void PopupMenu::setListIndex(int index) {
    // Out of range selects nothing.
    combo(*this).setCurrentIndex(index);
}

std::string PopupMenu::Text() const {
    return combo(*this).currentText().toStdString();
}

} // namespace framework
