#include "program.h"

#include "about.h"

#include <QApplication>
#include <QIcon>
#include <QWindow>

QIcon builtInIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/vemparo-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/vemparo-32.png"), QSize(32, 32));
    return icon;
}

Program::Program(char16_t decimalSeparator)
    : form_(decimalSeparator)
{
    form_.setWindowIcon(builtInIcon());
    connect(form_.quitCommand(), &QAction::triggered, this, &Program::quitti_Click);
    connect(form_.aboutCommand(), &QAction::triggered, this, &Program::ifo_Click);
}

// The installed icon theme has the picture up to 256 pixels, which task
// switchers and high-density screens ask for; a program run from its build
// folder has only the built-in one. Asking the theme costs a quarter of the
// start-up's instructions on X11 (Qt reads the theme's whole index, 3,800
// lines for hicolor alone), so the window shows first with the built-in
// picture and asks the theme once its first frame is painted. Building all
// eight sizes in instead would read no theme, but would pass over one the
// user installed and send 360 KiB of icon to the X server before the first
// frame rather than after it.
void Program::show()
{
    form_.show();
    form_.windowHandle()->installEventFilter(this);
}

bool Program::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Expose && form_.windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        // Queued, so that the window paints for this expose first.
        QMetaObject::invokeMethod(this, "takeThemeIcon", Qt::QueuedConnection);
    }
    return false;
}

void Program::takeThemeIcon()
{
    const QIcon themed = QIcon::fromTheme(QStringLiteral(VEMPARO_APP_ID));
    if (!themed.isNull())
        form_.setWindowIcon(themed);
}


void Program::ifo_Click() { showAbout(&form_); }

void Program::quitti_Click() { QCoreApplication::exit(0); }
