#include "texttip.h"

#include <QPainter>

#include <algorithm>
#include <climits>

namespace {

constexpr int padding = 2;
constexpr int border = 1;
constexpr int inset = padding + border;

} // namespace

TextTip::TextTip(QWidget* window)
    : QWidget(window)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void TextTip::showFor(const QWidget* control, const QString& text, int advance)
{
    const bool shown = isVisible();
    if (shown && text == text_)
        return;
    text_ = text;
    if (!shown)
        setFont(control->font());
    const QRect room = parentWidget()->rect().marginsRemoved({border, border, border, border});
    const int width = room.width() - 2 * inset;
    const QFontMetrics metrics = fontMetrics();
    const QSize textSize = advance <= width
        ? QSize(advance, metrics.height())
        : metrics.boundingRect(QRect(0, 0, width, INT_MAX), Qt::TextWrapAnywhere, text_).size();
    const QSize size = textSize.grownBy({inset, inset, inset, inset});
    const QRect anchor(control->mapTo(parentWidget(), QPoint(0, 0)), control->size());
    const bool fitsBelow = anchor.bottom() + size.height() <= room.bottom();
    const int top = fitsBelow ? anchor.bottom() + 1 : anchor.top() - size.height();
    const int left = std::min(anchor.left(), room.right() + 1 - size.width());
    setGeometry(QRect(QPoint(left, top), size));
    if (!shown) {
        raise();
        show();
    }
    update();
}

void TextTip::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().toolTipBase());
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawText(rect().marginsRemoved({inset, inset, inset, inset}), Qt::TextWrapAnywhere, text_);
}
