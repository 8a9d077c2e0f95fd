// Push buttons on QPushButton; Return and Escape are shortcuts of the whole
// window, so they press the button wherever the focus is.

#include "framework/PushButton.h"

#include "framework/EventDelivery.h"
#include "framework/ShownText.h"

#include <QPushButton>
#include <QShortcut>

namespace framework {

namespace {

QShortcut* windowKeys(QPushButton& button, QList<QKeySequence> keys) {
    auto* shortcut = new QShortcut(&button);
    shortcut->setKeys(keys);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setEnabled(false);
    QObject::connect(shortcut, &QShortcut::activated, &button, &QPushButton::click);
    return shortcut;
}

} // namespace

PushButton::PushButton(ControlOwner& owner, std::string name)
    : Control(owner, std::move(name), new QPushButton),
      defaultKeys_(windowKeys(widgetAs<QPushButton>(),
                              {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)})),
      cancelKeys_(windowKeys(widgetAs<QPushButton>(), {QKeySequence(Qt::Key_Escape)})) {
    QObject::connect(&widgetAs<QPushButton>(), &QPushButton::clicked,
                     [this] { raiseEvent(Action); });
}

std::string PushButton::Caption() const {
    return writtenText(widgetAs<QPushButton>().text());
}

void PushButton::setCaption(const std::string& caption) {
    widgetAs<QPushButton>().setText(shownText(caption));
}

void PushButton::setDefault(bool isDefault) {
    widgetAs<QPushButton>().setDefault(isDefault);
    defaultKeys_->setEnabled(isDefault);
}

void PushButton::setCancel(bool isCancel) {
    cancelKeys_->setEnabled(isCancel);
}

} // namespace framework
