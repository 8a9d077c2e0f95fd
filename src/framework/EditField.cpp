// Edit fields on QLineEdit.

#include "framework/EditField.h"

#include <QLineEdit>

namespace framework {

EditField::EditField(ControlOwner& owner, std::string name)
    : Control(owner, std::move(name), new QLineEdit) {}

std::string EditField::Text() const {
    return widgetAs<QLineEdit>().text().toStdString();
}

void EditField::setText(const std::string& text) {
    widgetAs<QLineEdit>().setText(QString::fromStdString(text));
}

} // namespace framework
