#include "decimalseparator.h"
#include "program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vemparo"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    // Wayland matches a window to its desktop entry, and so to its icon, by this name.
    QApplication::setDesktopFileName(QStringLiteral("vemparo"));

    Program program(userDecimalSeparator());
    program.show();
    return QApplication::exec();
}
