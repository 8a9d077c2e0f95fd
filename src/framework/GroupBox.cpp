// Group boxes on QGroupBox, a sibling drawn behind the controls made after it.

#include "framework/GroupBox.h"

#include "framework/ShownText.h"

#include <QGroupBox>

namespace framework {

namespace {

QGroupBox& box(const Control& control) {
    return static_cast<QGroupBox&>(control.widget());
}

} // namespace

GroupBox::GroupBox(ControlOwner& owner, std::string name)
    : Control(owner, std::move(name), new QGroupBox) {}

std::string GroupBox::Caption() const {
    return writtenText(box(*this).title());
}

void GroupBox::setCaption(const std::string& caption) {
    box(*this).setTitle(shownText(caption));
}

} // namespace framework
