#include "resultlabel.h"

#include "fonts.h"
#include "keytip.h"
#include "looks.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString captionOf(const QString& figure, const QString& unit) { return figure + u' ' + unit; }

} // namespace

// A result can be selected with the mouse and copied.
ResultLabel::ResultLabel(const QString& figure, const QString& unit, QWidget* parent)
    : QLabel(captionOf(figure, unit), parent)
    , figure_(figure)
    , caption_(text())
    , copyResult_(new QAction(u"Kopioi tulo&s"_s, this))
    , look_(this, QPalette::WindowText, [this](const QPalette& inherited) {
        return state_ == State::Stale ? std::optional(staleTextColour(inherited)) : std::nullopt;
    })
{
    nameForScreenReaders();
    connect(copyResult_, &QAction::triggered, this, &ResultLabel::copyResult);
}

void ResultLabel::setRoom(const QRect& room, Qt::Alignment start)
{
    room_ = room;
    start_ = start;
    showCaption(caption_);
}

void ResultLabel::showResult(const QString& figure, const QString& unit, const QString& explanation)
{
    figure_ = figure;
    if (const QString caption = captionOf(figure, unit); caption != caption_)
        showCaption(caption);
    setState(State::Current);
    describe(explanation);
}

void ResultLabel::showStale(const QStringList& reasons)
{
    setState(State::Stale);
    describe((QStringList{u"Vanhentunut tulos"_s} + reasons).join(u'\n'));
}

// Whole where it fits the room, else cut at a character with an ellipsis,
// never inside a glyph.
void ResultLabel::showCaption(const QString& caption)
{
    caption_ = caption;
    const int width = captionWidth(font(), caption);
    const bool fits = width <= room_.width();
    setText(fits ? caption : QFontMetricsF(font()).elidedText(caption, Qt::ElideRight, room_.width()));
    const QSize size(fits ? width : std::min(captionWidth(font(), text()), room_.width()), room_.height());
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, start_ | Qt::AlignTop, size, room_));
    nameForScreenReaders();
}

// What a screen reader reads as the label's text, on review too: the whole
// caption, and whether it is the answer, while the eye tells that by colour.
void ResultLabel::nameForScreenReaders()
{
    switch (state_) {
    case State::Untouched:
        setAccessibleName(caption_ + u" (ei vielä laskettu)"_s);
        break;
    case State::Stale:
        setAccessibleName(caption_ + u" (vanhentunut)"_s);
        break;
    case State::Current:
        setAccessibleName(caption_);
        break;
    }
}

// The description never repeats the caption; the tool tip begins with it
// where the label cannot show it whole.
void ResultLabel::describe(const QString& description)
{
    description_ = description;
    setAccessibleDescription(description);
    setToolTip(isCut() ? caption_ + u'\n' + description : description);
}

// The tool tip is shown as every tip of the program is.
bool ResultLabel::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip || toolTip().isEmpty())
        return QLabel::event(event);
    showTip(this, static_cast<QHelpEvent*>(event)->globalPos(), toolTip());
    return true;
}

void ResultLabel::setState(State state)
{
    if (state == state_)
        return;
    state_ = state;
    nameForScreenReaders();
    look_.update();
}



QString ResultLabel::explanation() const
{
    if (state_ == State::Untouched)
        return {};
    return state_ == State::Stale && !isCut() ? description_ : caption_ + u'\n' + description_;
}

QString ResultLabel::whyNotCopied() const
{
    switch (state_) {
    case State::Untouched:
        return u"tulosta ei ole vielä laskettu"_s;
    case State::Stale:
        return u"tulos on vanhentunut"_s;
    case State::Current:
        break;
    }
    return {};
}

void ResultLabel::copyResult()
{
    if (state_ == State::Current)
        copy(figure_);
    else
        emit refused(whyNotCopied());
}

void ResultLabel::copy(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    emit copied(text);
}

// The selection as the caption has it: one that reaches the ellipsis of a
// cut caption takes in all that the ellipsis stands for, but the figure a
// double click chose, which ends at its unit. Nothing travels with an
// ellipsis or in pieces.
QString ResultLabel::selectedCaption() const
{
    const qsizetype start = selectionStart();
    if (!isCut() || start + selectedText().size() < text().size())
        return selectedText();
    return caption_.mid(start, figureSelected_ ? figure_.size() - start : -1);
}

// What a selection offers to a middle click, where the window system has one.
void ResultLabel::offerSelection()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard->supportsSelection() && hasSelectedText())
        clipboard->setText(selectedCaption(), QClipboard::Selection);
}

// The result first, then what any selectable text offers, in Qt's own words.
void ResultLabel::contextMenuEvent(QContextMenuEvent* event)
{
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(copyResult_);
    menu->addSeparator();
    QAction* copySelection = menu->addAction(QCoreApplication::translate("QWidgetTextControl", "&Copy"), this,
                                             [this] { copy(selectedCaption()); });
    copySelection->setEnabled(hasSelectedText());
    menu->addSeparator();
    menu->addAction(QCoreApplication::translate("QWidgetTextControl", "Select All"), this,
                    [this] {
                        setSelection(0, static_cast<int>(text().size()));
                        figureSelected_ = false;
                        offerSelection();
                    });
    popUp(menu, event);
    event->accept();
}

// A double click takes the figure, not a piece of it between its separator
// and its unit; of a cut caption, all that shows.
void ResultLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLabel::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) {
        setSelection(0, static_cast<int>(std::min(text().size(), figure_.size())));
        figureSelected_ = true;
        offerSelection();
    }
}

// Selectable, and taking the focus at a click, from the first press on: a
// label that is either keeps its caption in a text document, which would
// cost every start-up and every new caption until someone points at it.
void ResultLabel::mousePressEvent(QMouseEvent* event)
{
    if (textInteractionFlags() != Qt::TextSelectableByMouse) {
        setTextInteractionFlags(Qt::TextSelectableByMouse);
        setFocus(Qt::MouseFocusReason);
    }
    if (event->button() == Qt::LeftButton)
        figureSelected_ = false;
    QLabel::mousePressEvent(event);
}

void ResultLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    offerSelection();
}

// Copy with nothing selected copies the result, as it does in the boxes.
void ResultLabel::keyPressEvent(QKeyEvent* event)
{
    if (event != QKeySequence::Copy)
        QLabel::keyPressEvent(event);
    else if (hasSelectedText())
        copy(selectedCaption());
    else
        copyResult_->trigger();
}

// A label shows no cursor, so the focus a click gave it is marked as the
// style marks focus that came by key: the style would draw nothing for a click.
void ResultLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.state |= QStyle::State_KeyboardFocusChange;
    focus.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}
