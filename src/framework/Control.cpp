// Controls as Qt children of their owner's content widget.

#include "framework/Control.h"

#include "framework/ControlOwner.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>

namespace framework {

Control::Control(ControlOwner& owner, std::string name, QWidget* widget)
    : name_(std::move(name)), widget_(widget) {
    widget_->setParent(&owner.content());
    // "System" 12: the desktop's own font at 12 pixels, the unit of every
    // place and size, so the texts fit the boxes laid out for them.
    QFont font = QApplication::font();
    font.setPixelSize(12);
    widget_->setFont(font);
    widget_->show();
}

Control::~Control() {
    // The owner's handlers may already be gone: nothing the widget says while
    // it is taken down may reach them.
    widget_->blockSignals(true);
    for (QObject* part : widget_->findChildren<QObject*>()) {
        part->blockSignals(true);
    }
    delete widget_;
}

int Control::Left() const {
    return left_;
}

int Control::Top() const {
    return top_;
}

int Control::Width() const {
    return width_;
}

int Control::Height() const {
    return height_;
}

void Control::setBounds(int left, int top, int width, int height) {
    place(left, top, width, height);
    const QWidget* owner = widget_->parentWidget();
    rightDistance_ = owner->width() - (left + width);
    bottomDistance_ = owner->height() - (top + height);
}

void Control::setLocks(bool left, bool top, bool right, bool bottom) {
    lockLeft_ = left;
    lockTop_ = top;
    lockRight_ = right;
    lockBottom_ = bottom;
}

void Control::followOwnerResize(int ownerWidth, int ownerHeight) {
    int left = Left();
    int width = Width();
    if (lockRight_ && lockLeft_) {
        width = ownerWidth - rightDistance_ - left;
    } else if (lockRight_) {
        left = ownerWidth - rightDistance_ - width;
    }
    int top = Top();
    int height = Height();
    if (lockBottom_ && lockTop_) {
        height = ownerHeight - bottomDistance_ - top;
    } else if (lockBottom_) {
        top = ownerHeight - bottomDistance_ - height;
    }
    place(left, top, width, height);
}

void Control::place(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    refit();
    boundsChanged();
}

void Control::refit() {
    widget_->setGeometry(left_, top_, drawnWidth(width_), height_);
}

bool Control::Enabled() const {
    return widget_->isEnabled();
}

void Control::setEnabled(bool enabled) {
    widget_->setEnabled(enabled);
}

bool Control::Visible() const {
    return !widget_->isHidden();
}

void Control::setVisible(bool visible) {
    widget_->setVisible(visible);
}

void Control::setMouseCursor(MouseCursor cursor) {
    widget_->setCursor(cursor == MouseCursor::Finger ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

} // namespace framework
