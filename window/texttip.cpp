#include "texttip.h"

#include <QFontMetricsF>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

QStringList wrappedAnywhere(const QString& text, const QFont& font, QPaintDevice* device, qreal width, int maxLines)
{
    QTextLayout layout(text, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAnywhere);
    option.setTextDirection(Qt::LeftToRight);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        const int end = line.textStart() + line.textLength();
        if (lines.size() + 1 == maxLines && end < text.size()) {
            // What follows a line's end goes on after a blank.
            const QString rest = text.mid(line.textStart()).replace(QChar::LineSeparator, u' ');
            lines << QFontMetricsF(font, device).elidedText(rest, Qt::ElideRight, width);
            break;
        }
        lines << text.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    return lines;
}

namespace {

// How many logical pixels make a whole number of device pixels at `ratio`:
// 4 at 1.25 and 1.75, 2 at 1.5, 1 at 1 and 2.
int wholeDevicePixelStep(qreal ratio)
{
    constexpr int longestStep = 8;
    for (int step = 1; step <= longestStep; ++step)
        if (std::abs(step * ratio - std::round(step * ratio)) < 0.01)
            return step;
    return 1;
}

} // namespace

TextTip::TextTip(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

// The style's frame and the space a tool tip keeps inside it.
int TextTip::inset() const { return 1 + style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, this); }

void TextTip::showFor(const QRect& anchor, const QRect& room, const QString& text)
{
    const bool shown = isVisible();
    if (shown && text == text_)
        return;
    text_ = text;

    // A widget is painted on the device pixels its edges round to, from the
    // first of them, and the style draws the far sides of its frame on its
    // last logical pixel: a length that ends inside a device pixel would lose
    // that side. The note's lengths, and the room they take, are kept to
    // whole device pixels.
    const int step = wholeDevicePixelStep(devicePixelRatioF());
    const auto within = [step](int length) { return length / step * step; };
    const auto covering = [step](int length) { return (length + step - 1) / step * step; };
    const QFontMetricsF metrics(font(), this);
    const int frame = 2 * inset();
    const int below = within(room.bottom() - anchor.bottom());
    const int above = within(anchor.top() - room.top());
    const auto linesIn = [&](int height) {
        return std::max(1, static_cast<int>((height - frame - metrics.height()) / metrics.lineSpacing()) + 1);
    };
    lines_ = wrappedAnywhere(text, font(), this, within(room.width()) - frame,
                             linesIn(std::max(below, above)));

    qreal widest = 0;
    for (const QString& line : std::as_const(lines_))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const qreal tallest = metrics.height() + static_cast<qreal>(lines_.size() - 1) * metrics.lineSpacing();
    const QSize size(covering(static_cast<int>(std::ceil(widest)) + frame),
                     covering(static_cast<int>(std::ceil(tallest)) + frame));
    const bool fitsBelow = size.height() <= below;
    const int top = fitsBelow || below >= above ? anchor.bottom() + 1 : anchor.top() - size.height();
    const int start = isRightToLeft() ? anchor.right() + 1 - size.width() : anchor.left();
    const int left = std::clamp(start, room.left(), room.right() + 1 - size.width());
    setGeometry(QRect(QPoint(left, top), size));
    if (!shown) {
        raise();
        show();
    }
    update();
}

void TextTip::paintEvent(QPaintEvent* /*event*/)
{
    QStylePainter painter(this);
    QStyleOptionFrame panel;
    panel.initFrom(this);
    painter.drawPrimitive(QStyle::PE_PanelTipLabel, panel);
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.setLayoutDirection(Qt::LeftToRight);
    const QFontMetricsF metrics(font(), this);
    QPointF origin(inset(), inset() + metrics.ascent());
    for (const QString& line : std::as_const(lines_)) {
        painter.drawText(origin, line);
        origin.ry() += metrics.lineSpacing();
    }
}
