#include "texttip.h"

#include <QFontMetricsF>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// `text` broken anywhere into lines no wider than `width`, at most
// `maxLines` of them; what does not fit ends the last line in an ellipsis.
// Numbers read left to right whatever the window's direction.
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
            lines << QFontMetricsF(font, device).elidedText(text.mid(line.textStart()), Qt::ElideRight, width);
            break;
        }
        lines << text.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    return lines;
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

    const QFontMetricsF metrics(font(), this);
    const int frame = 2 * inset();
    const int below = room.bottom() - anchor.bottom();
    const int above = anchor.top() - room.top();
    const auto linesIn = [&](int height) {
        return std::max(1, static_cast<int>((height - frame - metrics.height()) / metrics.lineSpacing()) + 1);
    };
    lines_ = wrappedAnywhere(text, font(), this, room.width() - frame, linesIn(std::max(below, above)));

    qreal widest = 0;
    for (const QString& line : std::as_const(lines_))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const QSize size(static_cast<int>(std::ceil(widest)) + frame,
                     static_cast<int>(std::ceil(metrics.height() + static_cast<qreal>(lines_.size() - 1) * metrics.lineSpacing())) + frame);
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
