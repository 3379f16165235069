#include "decimalseparator.h"
#include "program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vemparo"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));

    Program program(userDecimalSeparator());
    program.show();
    return QApplication::exec();
}
