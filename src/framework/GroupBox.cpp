// Group boxes on QGroupBox, a sibling drawn behind the controls made after it.

#include "framework/GroupBox.h"

#include "framework/ShownText.h"

#include <QGroupBox>

namespace framework {

GroupBox::GroupBox(ControlOwner& owner, std::string name)
    : Control(owner, std::move(name), new QGroupBox) {}

std::string GroupBox::Caption() const {
    return writtenText(widgetAs<QGroupBox>().title());
}

void GroupBox::setCaption(const std::string& caption) {
    widgetAs<QGroupBox>().setTitle(shownText(caption));
}

} // namespace framework
