// Edit fields on QLineEdit.

#include "framework/EditField.h"

#include <QLineEdit>

namespace framework {

namespace {

QLineEdit& field(const Control& control) {
    return static_cast<QLineEdit&>(control.widget());
}

} // namespace

EditField::EditField(ControlOwner& owner, std::string name)
    : Control(owner, std::move(name), new QLineEdit) {}

std::string EditField::Text() const {
    return field(*this).text().toStdString();
}

void EditField::setText(const std::string& text) {
    field(*this).setText(QString::fromStdString(text));
}

} // namespace framework
