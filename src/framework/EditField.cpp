// Edit fields on QLineEdit.

#include "framework/EditField.h"

#include <QLineEdit>

#include <limits>

namespace framework {

EditField::EditField(ControlOwner& owner, std::string name)
    : Control(owner, std::move(name), new QLineEdit) {}

std::string EditField::Text() const {
    // A name that is not UTF-8 shows decoded; decoding it again would lose it.
    const QString shown = widgetAs<QLineEdit>().text();
    return shown == QString::fromStdString(text_) ? text_ : shown.toStdString();
}

void EditField::setText(const std::string& text) {
    text_ = text;
    widgetAs<QLineEdit>().setText(QString::fromStdString(text));
}

void EditField::setLimitText(int limit) {
    // Qt's own default cuts at 32,767.
    widgetAs<QLineEdit>().setMaxLength(limit > 0 ? limit : std::numeric_limits<int>::max());
}

} // namespace framework
