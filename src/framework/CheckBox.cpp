// Check boxes on QCheckBox. Action follows every change of the value, the
// code's own included.

#include "framework/CheckBox.h"

#include "framework/EventDelivery.h"
#include "framework/ShownText.h"

#include <QCheckBox>

namespace framework {

namespace {

QCheckBox& box(const Control& control) {
    return static_cast<QCheckBox&>(control.widget());
}

} // namespace

CheckBox::CheckBox(ControlOwner& owner, std::string name)
    : Control(owner, std::move(name), new QCheckBox) {
    QObject::connect(&box(*this), &QCheckBox::toggled, [this] { raiseEvent(Action); });
}

std::string CheckBox::Caption() const {
    return writtenText(box(*this).text());
}

void CheckBox::setCaption(const std::string& caption) {
    box(*this).setText(shownText(caption));
}

bool CheckBox::Value() const {
    return box(*this).isChecked();
}

void CheckBox::setValue(bool value) {
    box(*this).setChecked(value);
}

} // namespace framework
