// Bevel buttons: push buttons that never take the keyboard focus.

#include "framework/BevelButton.h"

#include "framework/EventDelivery.h"
#include "framework/ShownText.h"

#include <QPushButton>

namespace framework {

namespace {

QPushButton& button(const Control& control) {
    return static_cast<QPushButton&>(control.widget());
}

} // namespace

BevelButton::BevelButton(ControlOwner& owner, std::string name)
    : Control(owner, std::move(name), new QPushButton) {
    button(*this).setFocusPolicy(Qt::NoFocus);
    QObject::connect(&button(*this), &QPushButton::clicked, [this] { raiseEvent(Action); });
}

std::string BevelButton::Caption() const {
    return writtenText(button(*this).text());
}

void BevelButton::setCaption(const std::string& caption) {
    button(*this).setText(shownText(caption));
}

} // namespace framework
