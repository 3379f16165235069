#include "keytip.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QToolTip>
#include <QWidget>

namespace {

bool isModifier(int key) { return key >= Qt::Key_Shift && key <= Qt::Key_ScrollLock; }

// A tool tip here hides when the pointer or the focus moves, not at a key:
// one asked for with a key hides at the next key but a modifier, Escape or
// one that edits, as a user of the keyboard expects.
class HideAtNextKey : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && !isModifier(static_cast<QKeyEvent*>(event)->key())) {
            QToolTip::hideText();
            qApp->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

} // namespace

void showTipAskedByKey(QWidget* control, const QString& text)
{
    QToolTip::showText(control->mapToGlobal(QPoint(0, control->height())), text, control);
    // Qt tells a screen reader nothing when a tool tip's window shows, and a
    // screen reader speaks a tip only as it shows.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == u"qtooltip_label" && window->isVisible()) {
            QAccessibleEvent shown(window, QAccessible::ObjectShow);
            QAccessible::updateAccessibility(&shown);
        }
    }
    qApp->installEventFilter(new HideAtNextKey(qApp));
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
