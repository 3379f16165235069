#include "numberbox.h"

#include "looks.h"

#include <QFocusEvent>
#include <QPainter>
#include <QStyleOptionFrame>

namespace {

// The focus left only for a while: the window's menu, a popup, a dialog or
// another program. Typing should go on where it stopped.
bool isOnlyAWhile(Qt::FocusReason reason)
{
    return reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason
        || reason == Qt::ActiveWindowFocusReason;
}

// The space QLineEdit keeps between its contents and its text, on each side.
constexpr int horizontalMargin = 2;

} // namespace

void NumberBox::showMessage(const QString& message)
{
    if (message == message_)
        return;
    message_ = message;
    setToolTip(message);
    setAccessibleDescription(message);
    applyLook();
}

// The fill goes into the box's own palette, where the style looks for it;
// the frame is drawn over the style's own, in paintEvent.
void NumberBox::applyLook()
{
    applyingLook_ = true;
    setOwnColour(this, QPalette::Base,
                 isMarked() ? std::optional(errorFillColour(parentWidget()->palette())) : std::nullopt);
    applyingLook_ = false;
    update();
}

void NumberBox::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && isMarked() && !applyingLook_)
        applyLook();
}

void NumberBox::focusOutEvent(QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    // A popup of the box's own, its context menu, leaves it the focus widget
    // and works on its selection: leave both alone.
    if (reason == Qt::PopupFocusReason) {
        QLineEdit::focusOutEvent(event);
        return;
    }
    resumeAt_.reset();
    if (isOnlyAWhile(reason))
        resumeAt_ = Place{cursorPosition(), selectionStart(), static_cast<int>(selectedText().size())};
    QLineEdit::focusOutEvent(event);
    setCursorPosition(0);
}

void NumberBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (resumeAt_ && isOnlyAWhile(event->reason())) {
        const Place place = *resumeAt_;
        if (place.selectionLength == 0)
            setCursorPosition(place.cursor);
        else if (place.cursor == place.selectionStart)
            setSelection(place.selectionStart + place.selectionLength, -place.selectionLength);
        else
            setSelection(place.selectionStart, place.selectionLength);
    }
    resumeAt_.reset();
}

// Where QLineEdit draws its text line.
QRect NumberBox::textArea() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    return contents.marginsRemoved(textMargins()).adjusted(horizontalMargin, 0, -horizontalMargin, 0);
}

QString NumberBox::shownText() const
{
    return fontMetrics().elidedText(displayText(), Qt::ElideRight, textArea().width());
}

void NumberBox::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    if (!hasFocus()) {
        const QString shown = shownText();
        if (shown != displayText()) {
            const QRect area = textArea();
            painter.fillRect(area, palette().base());
            painter.setPen(palette().color(QPalette::Text));
            painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
        }
    }
    if (isMarked()) {
        painter.setPen(errorFrameColour(parentWidget()->palette()));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
