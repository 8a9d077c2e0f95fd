// Group boxes on QGroupBox, a sibling drawn behind the controls made after it.

#include "framework/GroupBox.h"

#include "framework/ShownText.h"

#include <QGroupBox>
#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

namespace framework {

namespace {

// Qt puts the caption above the frame, whose top line then runs through the
// controls laid out 20 pixels below the box's top: here the caption sits on
// the top line, which passes behind its middle.
class Box final : public QGroupBox {
  protected:
    void paintEvent(QPaintEvent*) override {
        constexpr int indent = 8, gap = 2;
        const QFontMetrics metrics(font());
        const QSize text = metrics.size(Qt::TextShowMnemonic, title());
        const QRect caption(indent, 0, text.width() + 2 * gap, text.height());
        QPainter painter(this);
        painter.setClipRegion(QRegion(rect()).subtracted(title().isEmpty() ? QRect() : caption));
        // Etched, as the styles' own frames were before they moved the line
        // below the caption.
        qDrawShadeRect(&painter, rect().adjusted(0, text.height() / 2, 0, 0), palette(), true);
        painter.setClipping(false);
        style()->drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                              isEnabled(), title(), QPalette::WindowText);
    }
};

} // namespace

GroupBox::GroupBox(ControlOwner& owner, std::string name)
    : Control(owner, std::move(name), new Box) {}

std::string GroupBox::Caption() const {
    return writtenText(widgetAs<QGroupBox>().title());
}

void GroupBox::setCaption(const std::string& caption) {
    widgetAs<QGroupBox>().setTitle(shownText(caption));
}

} // namespace framework
