#include "resultlabel.h"

#include "looks.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QtMath>

using namespace Qt::StringLiterals;

namespace {

// The width a caption takes in the label's font, a last glyph that reaches
// past its advance included, as the label's size hint would give it. Asked
// of a selectable label, that hint lays out its text document six times
// over, which made a keystroke several times slower than typing into a box
// that computes nothing; the font's metrics give it without laying out a line.
int captionWidth(const QLabel* label)
{
    const QString caption = label->text();
    if (caption.isEmpty())
        return 0;
    const QFontMetricsF metrics(label->font());
    const qreal overhang = qMax(0.0, -metrics.rightBearing(caption.back()));
    return qCeil(metrics.horizontalAdvance(caption) + overhang);
}

} // namespace

void fitToCaption(QLabel* label) { label->resize(captionWidth(label), label->height()); }

// A result can be selected with the mouse and copied.
ResultLabel::ResultLabel(const QString& caption, QWidget* parent)
    : QLabel(caption, parent)
{
    setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void ResultLabel::showResult(const QString& caption)
{
    if (caption != text()) {
        setText(caption);
        fitToCaption(this);
    }
    setState(State::Current);
}

void ResultLabel::showStale() { setState(State::Stale); }

void ResultLabel::setState(State state)
{
    if (state == state_)
        return;
    state_ = state;
    const QString message = state == State::Stale ? u"Vanhentunut tulos"_s : QString();
    setToolTip(message);
    setAccessibleDescription(message);
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
