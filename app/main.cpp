#include "decimalseparator.h"
#include "program.h"
#include "startup.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char* argv[])
{
    if (const std::optional<int> status = answerCommandLine(argc, argv))
        return *status;

    QApplication application(argc, argv);
    QTranslator qtTranslation;
    introduceProgram(qtTranslation);

    Program program(userDecimalSeparator());
    program.show();
    return QApplication::exec();
}
