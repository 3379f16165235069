#include "keytip.h"

#include <QApplication>
#include <QKeyEvent>
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
    qApp->installEventFilter(new HideAtNextKey(qApp));
}
