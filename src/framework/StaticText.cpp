// Labels on QLabel, with the mouse events that the label's owner handles.

#include "framework/StaticText.h"

#include "framework/EventDelivery.h"

#include <QLabel>
#include <QMouseEvent>

namespace framework {

namespace {

class Label final : public QLabel {
  public:
    explicit Label(StaticText& text) : text_(text) {
        setTextFormat(Qt::PlainText);
        setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

  protected:
    void enterEvent(QEnterEvent*) override { raiseEvent(text_.MouseEnter); }
    void leaveEvent(QEvent*) override { raiseEvent(text_.MouseExit); }
    void mousePressEvent(QMouseEvent* event) override {
        const auto handler = text_.MouseDown;
        const QPoint at = event->position().toPoint();
        const bool handled = handler && deliverEvent([&] { return handler(at.x(), at.y()); });
        event->setAccepted(handled);
    }

  private:
    StaticText& text_;
};

void changeFont(QLabel& label, const std::function<void(QFont&)>& change) {
    QFont font = label.font();
    change(font);
    label.setFont(font);
}

} // namespace

StaticText::StaticText(ControlOwner& owner, std::string name)
    : Control(owner, std::move(name), new Label(*this)) {}

std::string StaticText::Text() const {
    return widgetAs<QLabel>().text().toStdString();
}

void StaticText::setText(const std::string& text) {
    widgetAs<QLabel>().setText(QString::fromStdString(text));
}

void StaticText::setTextAlign(int alignment) {
    const Qt::Alignment horizontal = alignment == AlignCenter  ? Qt::AlignHCenter
                                     : alignment == AlignRight ? Qt::AlignRight
                                                               : Qt::AlignLeft;
    widgetAs<QLabel>().setAlignment(horizontal | Qt::AlignVCenter);
}

void StaticText::setTextSize(int size) {
    constexpr int systemSize = 13;
    changeFont(widgetAs<QLabel>(),
               [size](QFont& font) { font.setPixelSize(size > 0 ? size : systemSize); });
}

void StaticText::setBold(bool bold) {
    changeFont(widgetAs<QLabel>(), [bold](QFont& font) { font.setBold(bold); });
}

void StaticText::setUnderline(bool underline) {
    changeFont(widgetAs<QLabel>(), [underline](QFont& font) { font.setUnderline(underline); });
}

void StaticText::setTextColor(std::uint32_t rgb) {
    QPalette palette = widgetAs<QLabel>().palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(rgb));
    widgetAs<QLabel>().setPalette(palette);
}

} // namespace framework
