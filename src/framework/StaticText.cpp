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

QLabel& label(const Control& control) {
    return static_cast<QLabel&>(control.widget());
}

void changeFont(QLabel& label, const std::function<void(QFont&)>& change) {
    QFont font = label.font();
    change(font);
    label.setFont(font);
}

} // namespace

StaticText::StaticText(ControlOwner& owner, std::string name)
    : Control(owner, std::move(name), new Label(*this)) {}

std::string StaticText::Text() const {
    return label(*this).text().toStdString();
}

void StaticText::setText(const std::string& text) {
    label(*this).setText(QString::fromStdString(text));
}

void StaticText::setTextAlign(int alignment) {
    const Qt::Alignment horizontal = alignment == AlignCenter  ? Qt::AlignHCenter
                                     : alignment == AlignRight ? Qt::AlignRight
                                                               : Qt::AlignLeft;
    label(*this).setAlignment(horizontal | Qt::AlignVCenter);
}

void StaticText::setTextSize(int points) {
    changeFont(label(*this), [points](QFont& font) { font.setPointSize(points); });
}

void StaticText::setBold(bool bold) {
    changeFont(label(*this), [bold](QFont& font) { font.setBold(bold); });
}

void StaticText::setUnderline(bool underline) {
    changeFont(label(*this), [underline](QFont& font) { font.setUnderline(underline); });
}

void StaticText::setTextColor(std::uint32_t rgb) {
    QPalette palette = label(*this).palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(rgb));
    label(*this).setPalette(palette);
}

} // namespace framework
