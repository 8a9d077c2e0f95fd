// Bevel buttons: push buttons that never take the keyboard focus.

#include "framework/BevelButton.h"

#include "framework/EventDelivery.h"
#include "framework/ShownText.h"

#include <QPushButton>

namespace framework {

BevelButton::BevelButton(ControlOwner& owner, std::string name)
    : Control(owner, std::move(name), new QPushButton) {
    widgetAs<QPushButton>().setFocusPolicy(Qt::NoFocus);
    QObject::connect(&widgetAs<QPushButton>(), &QPushButton::clicked,
                     [this] { raiseEvent(Action); });
}

std::string BevelButton::Caption() const {
    return writtenText(widgetAs<QPushButton>().text());
}

void BevelButton::setCaption(const std::string& caption) {
    widgetAs<QPushButton>().setText(shownText(caption));
}

} // namespace framework
