#include "resultlabel.h"

#include "looks.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMenu>
#include <QtMath>

using namespace Qt::StringLiterals;

namespace {

// The width a caption takes in the label's font, a last glyph that reaches
// past its advance included, as the label's size hint would give it. Asked
// of a selectable label, that hint lays out its text document six times
// over, which made a keystroke several times slower than typing into a box
// that computes nothing; the font's metrics give it without laying out a line.
int captionWidth(const QLabel* label, const QString& caption)
{
    if (caption.isEmpty())
        return 0;
    const QFontMetricsF metrics(label->font());
    const qreal overhang = qMax(0.0, -metrics.rightBearing(caption.back()));
    return qCeil(metrics.horizontalAdvance(caption) + overhang);
}

// A result may reach this close to the window's right edge, no closer.
constexpr int rightMargin = 8;

} // namespace

void fitToCaption(QLabel* label) { label->resize(captionWidth(label, label->text()), label->height()); }

// A result can be selected with the mouse and copied.
ResultLabel::ResultLabel(const QString& caption, QWidget* parent)
    : QLabel(caption, parent)
    , caption_(caption)
    , copyResult_(new QAction(u"Kopioi tulos"_s, this))
{
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    copyResult_->setEnabled(false);
    connect(copyResult_, &QAction::triggered, this, &ResultLabel::copyResult);
}

void ResultLabel::showResult(const QString& caption, const QString& explanation)
{
    if (caption != caption_)
        showCaption(caption);
    setState(State::Current);
    describe(explanation);
}

void ResultLabel::showStale(const QStringList& reasons)
{
    setState(State::Stale);
    describe((QStringList{u"Vanhentunut tulos"_s} + reasons).join(u'\n'));
}

// Whole where it fits the room left to the window's edge, else cut at a
// character with an ellipsis, never inside a glyph.
void ResultLabel::showCaption(const QString& caption)
{
    caption_ = caption;
    const int room = parentWidget()->width() - rightMargin - x();
    const int width = captionWidth(this, caption);
    if (width <= room) {
        setText(caption);
        resize(width, height());
    } else {
        setText(QFontMetricsF(font()).elidedText(caption, Qt::ElideRight, room));
        resize(qMin(captionWidth(this, text()), room), height());
    }
    setAccessibleName(isCut() ? caption : QString());
}

// The description never repeats the caption; the tool tip begins with it
// where the label cannot show it whole.
void ResultLabel::describe(const QString& description)
{
    description_ = description;
    setAccessibleDescription(description);
    setToolTip(isCut() ? caption_ + u'\n' + description : description);
}

void ResultLabel::setState(State state)
{
    if (state == state_)
        return;
    state_ = state;
    copyResult_->setEnabled(state == State::Current);
    applyLook();
}

void ResultLabel::applyLook()
{
    applyingLook_ = true;
    setOwnColour(this, QPalette::WindowText,
                 state_ == State::Stale ? std::optional(staleTextColour(parentWidget()->palette())) : std::nullopt);
    applyingLook_ = false;
}

void ResultLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && state_ == State::Stale && !applyingLook_)
        applyLook();
}

// Every figure is written without a blank, and the unit follows one.
qsizetype ResultLabel::figureLength() const
{
    const qsizetype blank = caption_.indexOf(u' ');
    return blank < 0 ? caption_.size() : blank;
}

void ResultLabel::copyResult()
{
    if (state_ == State::Current)
        QGuiApplication::clipboard()->setText(caption_.left(figureLength()));
}

// The result first, then what any selectable text offers, in Qt's own words.
void ResultLabel::contextMenuEvent(QContextMenuEvent* event)
{
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(copyResult_);
    menu->addSeparator();
    QAction* copy = menu->addAction(QCoreApplication::translate("QWidgetTextControl", "&Copy"), this,
                                    [this] { QGuiApplication::clipboard()->setText(selectedText()); });
    copy->setEnabled(hasSelectedText());
    menu->addSeparator();
    menu->addAction(QCoreApplication::translate("QWidgetTextControl", "Select All"), this,
                    [this] { setSelection(0, static_cast<int>(text().size())); });
    menu->popup(event->globalPos());
    event->accept();
}

// A double click takes the figure, not a piece of it between its separator
// and its unit; of a cut caption, all that shows.
void ResultLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLabel::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        setSelection(0, static_cast<int>(isCut() ? text().size() : figureLength()));
}
