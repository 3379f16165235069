#include "numberbox.h"

#include "keytip.h"
#include "looks.h"
#include "texttip.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QTextLayout>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

// The focus left only for a while: the window's menu, a popup, a dialog or
// another program. Typing should go on where it stopped.
bool isOnlyAWhile(Qt::FocusReason reason)
{
    return reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason
        || reason == Qt::ActiveWindowFocusReason;
}

// A terminal, a spreadsheet cell or a web page copies a number with a line
// break or a tab after it, or before it, which nobody means to paste.
QString withoutBreaksAtEnds(const QString& text)
{
    const auto isBreak = [](QChar character) {
        return character == u'\n' || character == u'\r' || character == u'\t'
            || character == QChar::LineSeparator || character == QChar::ParagraphSeparator;
    };
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBreak(text[begin]))
        ++begin;
    while (end > begin && isBreak(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

// Runs `step` without telling a screen reader what it changes. Qt tells of
// the selection a box takes or drops with the focus before it tells of the
// focus itself, so that a screen reader reads the text twice on the way in,
// and says "Text unselected", in English, on the way out; the focus brings
// the text and its selection all the same.
template <typename Step>
void unheard(Step&& step)
{
    const QAccessible::UpdateHandler told = QAccessible::installUpdateHandler([](QAccessibleEvent* /*event*/) {});
    step();
    QAccessible::installUpdateHandler(told);
}

// The space QLineEdit keeps between the area it clips its text to and the
// line it lays the text out on, on each side.
constexpr int horizontalMargin = 2;

} // namespace

// The fill goes into the box's own palette, where the style looks for it;
// the frame is drawn over the style's own, in paintEvent.
NumberBox::NumberBox(const QString& text, QWidget* parent)
    : QLineEdit(text, parent)
    , fill_(this, QPalette::Base,
            [this](const QPalette& inherited) {
                return isMarked() ? std::optional(errorFillColour(inherited)) : std::nullopt;
            })
{
    connect(this, &QLineEdit::textChanged, this, &NumberBox::showWholeTextWhileCut);
    connect(this, &QLineEdit::cursorPositionChanged, this, &NumberBox::restartBlinking);
}

void NumberBox::showMessage(const QString& message)
{
    if (message == message_)
        return;
    message_ = message;
    setToolTip(message);
    setAccessibleDescription(message);
    fill_.update();
    update();
}


// The message, and a text too wide for the box whole. Put together when
// asked for, so that typing pays nothing for it. A text that is not a number
// always follows its message, so a pasted "<b>5" never starts a tool tip,
// where it would be taken for markup.
QString NumberBox::tipText() const
{
    if (!isCut())
        return message_;
    return message_.isEmpty() ? displayText() : message_ + u'\n' + displayText();
}

bool NumberBox::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QLineEdit::event(event);
    const QString tip = tipText();
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        showTip(this, static_cast<QHelpEvent*>(event)->globalPos(), tip);
    }
    return true;
}

// Qt's own items, but that a paste comes without breaks at its ends and a
// copy or a cut is said. Qt 6.4 names none of its items, so each is found by
// the words Qt gives it.
void NumberBox::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    const auto replace = [this, menu](const char* qtText, auto&& instead) {
        const QString text = QCoreApplication::translate("QLineEdit", qtText);
        for (QAction* action : menu->actions()) {
            if (action->text().section(u'\t', 0, 0) == text) {
                disconnect(action, &QAction::triggered, this, nullptr);
                connect(action, &QAction::triggered, this, instead);
            }
        }
    };
    replace("&Paste", [this] { pasteFrom(QClipboard::Clipboard); });
    replace("&Copy", [this] { copySelection(false); });
    replace("Cu&t", [this] { copySelection(true); });
    if (copyResult_ != nullptr) {
        menu->addSeparator();
        menu->addAction(copyResult_);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    popUp(menu, event);
}

// Copy with nothing to copy asks for the result instead.
void NumberBox::keyPressEvent(QKeyEvent* event)
{
    const bool removing = event == QKeySequence::Cut;
    if (event == QKeySequence::Copy && !hasSelectedText() && copyResult_ != nullptr)
        emit copyResultAsked();
    else if ((event == QKeySequence::Copy || removing) && hasSelectedText())
        copySelection(removing && !isReadOnly());
    else if (event == QKeySequence::Paste)
        pasteFrom(QClipboard::Clipboard);
    else
        QLineEdit::keyPressEvent(event);
}

// A middle click pastes the window system's selection, where it has one.
void NumberBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()
        && rect().contains(event->position().toPoint())) {
        deselect();
        pasteFrom(QClipboard::Selection);
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void NumberBox::pasteFrom(QClipboard::Mode mode)
{
    if (isReadOnly())
        return;
    const QString pasted = withoutBreaksAtEnds(QGuiApplication::clipboard()->text(mode));
    if (!pasted.isEmpty() || hasSelectedText())
        insert(pasted);
}

void NumberBox::copySelection(bool removing)
{
    const QString selection = selectedText();
    if (removing)
        cut();
    else
        copy();
    emit copied(selection, removing);
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
    unheard([&] {
        QLineEdit::focusOutEvent(event);
        setCursorPosition(0);
    });
    blink_.stop();
    showWholeTextWhileCut();
}

void NumberBox::focusInEvent(QFocusEvent* event)
{
    unheard([&] {
        QLineEdit::focusInEvent(event);
        if (resumeAt_ && isOnlyAWhile(event->reason()))
            resumeSelection(*resumeAt_);
    });
    resumeAt_.reset();
    restartBlinking();
    showWholeTextWhileCut();
}

void NumberBox::resumeSelection(const Place& place)
{
    if (place.selectionLength == 0)
        setCursorPosition(place.cursor);
    else if (place.cursor == place.selectionStart)
        setSelection(place.selectionStart + place.selectionLength, -place.selectionLength);
    else
        setSelection(place.selectionStart, place.selectionLength);
}

// As QLineEdit blinks its cursor: shown at once wherever it goes, then on
// and off at the pace the user set, if any.
void NumberBox::restartBlinking()
{
    cursorShown_ = true;
    const int flashTime = QApplication::cursorFlashTime();
    if (hasFocus() && flashTime >= 2)
        blink_.start(flashTime / 2, this);
    else
        blink_.stop();
}

void NumberBox::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != blink_.timerId()) {
        QLineEdit::timerEvent(event);
        return;
    }
    cursorShown_ = !cursorShown_;
    update(cursorRect());
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
        wholeText_ = new TextTip(parentWidget());
        wholeText_->setObjectName(objectName() + u"Whole"_s);
        wholeText_->setFont(font());
    }
    wholeText_->showFor(geometry(), noteRoom_, displayText());
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
    // QLineEdit paints the box in every state, which also keeps its scrolling,
    // by which it places a click, in step with what the box shows.
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    if (isCut() && hasFocus())
        coverCutCharacters(painter);
    else if (isCut())
        showBeginning(painter);
    if (isMarked()) {
        painter.setClipping(false);
        painter.setPen(errorFrameColour(parentWidget()->palette()));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// The panel, focus frame and all, drawn again over `area`, hiding the text there.
void NumberBox::paintPanelOver(QPainter& painter, const QRectF& area) const
{
    painter.setClipRect(area);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
}

// The beginning of the text and an ellipsis, in place of what QLineEdit drew.
void NumberBox::showBeginning(QPainter& painter) const
{
    paintPanelOver(painter, textClip());
    painter.setPen(palette().color(QPalette::Text));
    // A number reads left to right, and its ellipsis follows it, in any window.
    painter.setLayoutDirection(Qt::LeftToRight);
    // At the baseline QLineEdit's own text layout takes, which a whole-pixel ascent misses at some scales.
    const QRect line = lineRect();
    painter.drawText(QPointF(line.left(), line.top() + QFontMetricsF(font(), this).ascent()), shownText());
}

// QLineEdit scrolls a text wider than its line to keep the cursor in sight
// and clips it wherever the line ends, which would leave a piece of a
// character at either edge ("105,5" showing as ")5,5"): the panel is drawn
// again over all but the whole characters in the line. Their edges fall
// between pixels; whole logical pixels would leave a strip of the next
// character at a scale above 1, so the panel goes to the nearest device pixel.
void NumberBox::coverCutCharacters(QPainter& painter) const
{
    QTextLayout layout(displayText(), font(), const_cast<NumberBox*>(this));
    layout.beginLayout();
    const QTextLine laidOut = layout.createLine();
    layout.endLayout();
    // QLineEdit stands its cursor on the whole pixel nearest to its place.
    const int origin = cursorX() - qRound(laidOut.cursorToX(cursorPosition()));
    const auto [first, last] = wholeCharactersShown(laidOut, origin);
    const qreal left = onDevicePixel(origin + laidOut.cursorToX(first));
    const qreal right = onDevicePixel(origin + laidOut.cursorToX(last));
    const QRectF clip = textClip();
    paintPanelOver(painter, QRectF(QPointF(clip.left(), clip.top()), QPointF(left, clip.bottom())));
    paintPanelOver(painter, QRectF(QPointF(right, clip.top()), clip.bottomRight()));
    if (last == cursorPosition() && cursorShown_) {
        painter.setClipRect(clip);
        painter.setPen(palette().color(QPalette::Text));
        layout.drawCursor(&painter, QPointF(origin, lineRect().top()), last,
                          style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this));
    }
}

// The first and the last place between characters in the line, as the text
// is scrolled now: the characters between them are shown whole.
std::pair<int, int> NumberBox::wholeCharactersShown(const QTextLine& laidOut, int origin) const
{
    const QRect line = lineRect();
    qreal left = line.right() + 1;
    qreal right = line.left();
    int first = 0;
    int last = 0;
    for (int i = 0; i <= displayText().size(); ++i) {
        const qreal x = origin + laidOut.cursorToX(i);
        if (x >= line.left() && x < left)
            std::tie(left, first) = std::pair(x, i);
        if (x <= line.right() + 1 && x >= right)
            std::tie(right, last) = std::pair(x, i);
    }
    return {first, last};
}

qreal NumberBox::onDevicePixel(qreal x) const
{
    const qreal ratio = devicePixelRatioF();
    return std::round(x * ratio) / ratio;
}

// QLineEdit frames its cursor with five pixels on its left and four on its
// right; the pixel test of a focused cut box holds this to the pixel.
int NumberBox::cursorX() const { return cursorRect().left() + 5; }
