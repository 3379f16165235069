#include "startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

void introduceProgram(QTranslator& qtTranslation)
{
    QApplication::setApplicationName(u"Vemparo"_s);
    QApplication::setApplicationVersion(QStringLiteral(VEMPARO_VERSION));
    // Wayland matches a window to its desktop entry, and so to its icon, by this name.
    QApplication::setDesktopFileName(QStringLiteral(VEMPARO_APP_ID));

    // The whole window speaks Finnish, so Qt's own texts (context menus,
    // dialog buttons, command-line help) do too, whatever the locale. Only
    // the texts: the decimal separator still follows the user's settings.
    // Without the translation installed they stay English.
    if (qtTranslation.load(u"qtbase_fi"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslation);
}

std::optional<int> answerCommandLine(int argc, char* argv[])
{
    if (argc <= 1)
        return std::nullopt;

    // Qt's own options (-platform, -style, -reverse, ...) are known only to
    // an application object, and one on the real platform needs a display.
    // One on the minimal platform needs none and reads the command line just
    // as the real one will.
    char platformOption[] = "-platform";
    char minimalPlatform[] = "minimal";
    std::vector<char*> arguments(argv, argv + argc);
    arguments.push_back(platformOption);
    arguments.push_back(minimalPlatform);
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    const QApplication reader(count, arguments.data());
    QTranslator qtTranslation;
    introduceProgram(qtTranslation);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Arkifysiikan laskin: kappaleen nopeus iskeytyessään maahan, auton nopeus jarrutusjälkien perusteella, "
        "veren alkoholipitoisuus, putoamisaika ja paino eri planeetoilla."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    // Help and the version end the program here with success, an unknown option with an error.
    parser.process(QCoreApplication::arguments());

    const QStringList stray = parser.positionalArguments();
    if (stray.isEmpty())
        return std::nullopt;
    const QString error = u"%1: Ylimääräinen argumentti: %2"_s.arg(QCoreApplication::applicationName(), stray.first());
    std::fprintf(stderr, "%s\n", qPrintable(error));
    return 1;
}
