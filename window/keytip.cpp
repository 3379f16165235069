#include "keytip.h"

#include <QApplication>
#include <QKeyEvent>
#include <QToolTip>
#include <QWidget>

namespace {

bool isModifier(int key) { return key >= Qt::Key_Shift && key <= Qt::Key_ScrollLock; }

// Takes the release of the key that asked for the tip, before the tip sees it.
class KeyReleaseSwallower : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        const bool press = event->type() == QEvent::KeyPress;
        if (!press && event->type() != QEvent::KeyRelease)
            return false;
        if (isModifier(static_cast<QKeyEvent*>(event)->key()))
            return false;
        qApp->removeEventFilter(this);
        deleteLater();
        return !press;
    }
};

} // namespace

void showTipAskedByKey(QWidget* control, const QString& text)
{
    QToolTip::showText(control->mapToGlobal(QPoint(0, control->height())), text, control);
    qApp->installEventFilter(new KeyReleaseSwallower(qApp));
}
