// Check boxes on QCheckBox. Action follows every change of the value, the
// code's own included.

#include "framework/CheckBox.h"

#include "framework/EventDelivery.h"
#include "framework/ShownText.h"

#include <QCheckBox>

#include <algorithm>

namespace framework {

CheckBox::CheckBox(ControlOwner& owner, std::string name)
    : Control(owner, std::move(name), new QCheckBox) {
    QObject::connect(&widgetAs<QCheckBox>(), &QCheckBox::toggled, [this] { raiseEvent(Action); });
}

std::string CheckBox::Caption() const {
    return writtenText(widgetAs<QCheckBox>().text());
}

void CheckBox::setCaption(const std::string& caption) {
    widgetAs<QCheckBox>().setText(shownText(caption));
    refit();
}

bool CheckBox::Value() const {
    return widgetAs<QCheckBox>().isChecked();
}

void CheckBox::setValue(bool value) {
    widgetAs<QCheckBox>().setChecked(value);
}

int CheckBox::drawnWidth(int width) const {
    const QWidget& box = widget();
    const int room = box.parentWidget()->width() - Left();
    return std::max(width, std::min(box.sizeHint().width(), room));
}

} // namespace framework
