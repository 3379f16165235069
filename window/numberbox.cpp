#include "numberbox.h"

#include "looks.h"
#include "texttip.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace {

// The focus left only for a while: the window's menu, a popup, a dialog or
// another program. Typing should go on where it stopped.
bool isOnlyAWhile(Qt::FocusReason reason)
{
    return reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason
        || reason == Qt::ActiveWindowFocusReason;
}

// The space QLineEdit keeps between the area it clips its text to and the
// line it lays the text out on, on each side.
constexpr int horizontalMargin = 2;

} // namespace

NumberBox::NumberBox(const QString& text, QWidget* parent)
    : QLineEdit(text, parent)
{
    connect(this, &QLineEdit::textChanged, this, &NumberBox::showWholeTextWhileCut);
}

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

// The message, and a text too wide for the box whole. Put together when
// asked for, so that typing pays nothing for it. A text that is not a number
// always follows its message, so a pasted "<b>5" never starts a tool tip,
// where it would be taken for markup.
QString NumberBox::toolTipText() const
{
    if (!isCut())
        return message_;
    return message_.isEmpty() ? displayText() : message_ + u'\n' + displayText();
}

bool NumberBox::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QLineEdit::event(event);
    const QString tip = toolTipText();
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, this);
    }
    return true;
}

void NumberBox::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    if (copyResult_ != nullptr) {
        menu->addSeparator();
        menu->addAction(copyResult_);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

// Copy with nothing to copy takes the result instead; a result that is not
// current is not the answer, and its action stays disabled.
void NumberBox::keyPressEvent(QKeyEvent* event)
{
    if (event == QKeySequence::Copy && !hasSelectedText() && copyResult_ != nullptr) {
        copyResult_->trigger();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
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
    showWholeTextWhileCut();
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
    showWholeTextWhileCut();
}

void NumberBox::showWholeTextWhileCut()
{
    const int advance = hasFocus() ? textAdvance() : 0;
    if (advance <= lineRect().width()) {
        if (wholeText_ != nullptr)
            wholeText_->hide();
        return;
    }
    if (wholeText_ == nullptr) {
        wholeText_ = new TextTip(window());
        wholeText_->setObjectName(objectName() + u"Whole"_s);
    }
    wholeText_->showFor(this, displayText(), advance);
}

// Where QLineEdit clips its text to.
QRect NumberBox::textClip() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_LineEditContents, &option, this).marginsRemoved(textMargins());
}

// Where QLineEdit lays its text line out, one font height, as it centres it.
QRect NumberBox::lineRect() const
{
    const QRect clip = textClip();
    const int height = fontMetrics().height();
    return {clip.x() + horizontalMargin, clip.y() + (clip.height() - height + 1) / 2,
            clip.width() - 2 * horizontalMargin, height};
}

int NumberBox::textAdvance() const { return fontMetrics().horizontalAdvance(displayText()); }

bool NumberBox::isCut() const { return textAdvance() > lineRect().width(); }

QString NumberBox::shownText() const
{
    return fontMetrics().elidedText(displayText(), Qt::ElideRight, lineRect().width());
}

void NumberBox::paintEvent(QPaintEvent* event)
{
    if (!isCut()) {
        QLineEdit::paintEvent(event);
    } else if (hasFocus()) {
        QLineEdit::paintEvent(event);
        paintOverMargins();
    } else {
        paintCutText();
    }
    if (isMarked()) {
        QPainter painter(this);
        painter.setPen(errorFrameColour(parentWidget()->palette()));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// The box as QLineEdit draws it, but with the beginning of the text and an
// ellipsis, wherever the cursor last was.
void NumberBox::paintCutText()
{
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    painter.setClipRect(textClip());
    painter.setPen(palette().color(QPalette::Text));
    const QRect line = lineRect();
    painter.drawText(QPoint(line.left(), line.top() + fontMetrics().ascent()), shownText());
}

// QLineEdit clips a text it scrolls a little outside its line, which leaves
// pieces of characters on either side: the panel, focus frame and all, is
// drawn again there. A text that fits is never scrolled.
void NumberBox::paintOverMargins()
{
    const QRect clip = textClip();
    const QRect line = lineRect();
    QPainter painter(this);
    painter.setClipRegion(QRegion(clip.left(), clip.top(), line.left() - clip.left(), clip.height())
                          + QRegion(line.right() + 1, clip.top(), clip.right() - line.right(), clip.height()));
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
}
