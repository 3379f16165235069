#include "keytip.h"

#include "texttip.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QStyle>
#include <QToolTip>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace {

bool isModifier(int key) { return key >= Qt::Key_Shift && key <= Qt::Key_ScrollLock; }

// Ctrl+F1 and Shift+F1 ask for a tip: one already shown stays for the next,
// rather than going and coming back, which a screen reader would take for
// the focus going back to the control, and say again.
bool asksForATip(const QKeyEvent* key)
{
    return key->key() == Qt::Key_F1 && (key->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier)) != 0;
}

// QToolTip's window, while it shows: the one window of the tool-tip type,
// as QToolTip shows one tip at a time.
QWidget* tipShown()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->windowType() == Qt::ToolTip && window->isVisible())
            return window;
    return nullptr;
}

// A tool tip here hides when the pointer or the focus moves, not at a key:
// one asked for with a key hides at the next key pressed but a modifier,
// Escape or one that edits, as a user of the keyboard expects. The filter
// belongs to the tip's window, which Qt deletes once it hides; and a window
// that has since come to say something else is left alone.
class HideAtNextKey : public QObject {
public:
    HideAtNextKey(QWidget* tip, QString text)
        : QObject(tip)
        , text_(std::move(text))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!isModifier(key->key()) && !asksForATip(key)) {
            // Closed, as QToolTip closes its own tips: one only hidden makes
            // a screen reader say the control with the focus again.
            if (QToolTip::text() == text_)
                static_cast<QWidget*>(parent())->close();
            qApp->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QString text_;
};

// `text` as it fits a tip on `control`'s screen: QToolTip's label keeps a
// margin of its frame and a pixel on each side, a pixel of indent and one
// more. Lines wider than the screen are broken with a line separator, which
// a tip shows as a break and which keeps them apart from the text's own
// lines; a text taller than the screen shows as much of its beginning as
// fits, ending in an ellipsis, as the whole-text note does.
QString fittedToScreen(QWidget* control, const QString& text)
{
    const QFont font = QToolTip::font();
    const QFontMetricsF metrics(font, control);
    const int margin = 1 + control->style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, control);
    const QRect room = control->screen()->availableGeometry();
    const int lines = std::max(1, static_cast<int>((room.height() - 2 * margin - metrics.height()) / metrics.lineSpacing()) + 1);
    QString fitted;
    for (QString line : wrappedAnywhere(QString(text).replace(u'\n', QChar::LineSeparator), font, control,
                                        room.width() - 2 * margin - 2, lines)) {
        const bool ownBreak = line.endsWith(QChar::LineSeparator);
        line.chop(ownBreak ? 1 : 0);
        fitted += line + (ownBreak ? QChar(u'\n') : QChar::LineSeparator);
    }
    fitted.chop(1);
    return fitted;
}

} // namespace

// QToolTip places a tip by the screen's whole geometry, in logical pixels
// that at a fractional scale reach a pixel past the screen: the tip is kept
// to the room the screen leaves.
void showTip(QWidget* control, const QPoint& at, const QString& text)
{
    QToolTip::showText(at, fittedToScreen(control, text), control);
    QWidget* tip = tipShown();
    if (tip == nullptr)
        return;
    const QRect room = control->screen()->availableGeometry();
    const QRect shown = tip->geometry();
    const QPoint kept(std::clamp(shown.left(), room.left(), std::max(room.left(), room.right() + 1 - shown.width())),
                      std::clamp(shown.top(), room.top(), std::max(room.top(), room.bottom() + 1 - shown.height())));
    tip->move(tip->pos() + kept - shown.topLeft()); // a window moves by its frame
}

void showTipAskedByKey(QWidget* control, const QString& text)
{
    showTip(control, control->mapToGlobal(QPoint(0, control->height())), text);
    QWidget* tip = tipShown();
    if (tip == nullptr)
        return;
    // Qt tells a screen reader nothing when a tool tip's window shows, and a
    // screen reader speaks a tip only as it shows.
    QAccessibleEvent shown(tip, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    delete tip->findChild<HideAtNextKey*>(); // the tip's window says something new
    new HideAtNextKey(tip, QToolTip::text());
}

void popUp(QMenu* menu, const QContextMenuEvent* event)
{
    menu->popup(event->globalPos());
    if (event->reason() != QContextMenuEvent::Keyboard)
        return;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator() && action->isEnabled()) {
            menu->setActiveAction(action);
            return;
        }
    }
}
