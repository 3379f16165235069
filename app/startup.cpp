#include "startup.h"

#include "decimalseparator.h"
#include "program.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <optional>
#include <string_view>

using namespace Qt::StringLiterals;

namespace {

void installTranslation(const QString& name, const QString& folder)
{
    auto* translation = new QTranslator(qApp);
    if (translation->load(name, folder))
        QCoreApplication::installTranslator(translation);
    else
        delete translation;
}

} // namespace

void introduceProgram()
{
    QApplication::setApplicationName(u"Vemparo"_s);
    QApplication::setApplicationVersion(QStringLiteral(VEMPARO_VERSION));
    // Wayland matches a window to its desktop entry, and so to its icon, by this name.
    QApplication::setDesktopFileName(QStringLiteral(VEMPARO_APP_ID));

    // The whole window speaks Finnish, so Qt's own texts (context menus,
    // dialog buttons, command-line help) do too, whatever the locale. Only
    // the texts: the decimal separator still follows the user's settings.
    // Without Qt's catalogue installed they stay English. The program's own
    // catalogue has what Qt's leaves in English.
    installTranslation(u"qtbase_fi"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    installTranslation(u"vemparo_fi"_s, u":/translations"_s);
}

namespace {

enum class DisplayChoice { Available, Missing };

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
// Here, as for Qt, the environment and the command line name the display.
constexpr bool displayMayBeMissing = true;
#else
// One window system, always there.
constexpr bool displayMayBeMissing = false;
#endif

bool isSet(const char* variable) { return !qEnvironmentVariableIsEmpty(variable); }

// Whether the arguments hold Qt's option of this name, after one dash or two,
// with a value after it, as Qt looks for it before any parser can.
bool hasQtOption(int argc, char* argv[], std::string_view name)
{
    for (int i = 1; i + 1 < argc; ++i) {
        std::string_view argument = argv[i];
        if (argument.starts_with("--"))
            argument.remove_prefix(1);
        if (argument.starts_with('-') && argument.substr(1) == name)
            return true;
    }
    return false;
}

// Qt ends the program with its own message, as the application object is
// made, where it cannot reach the window system, whatever the command line
// asks. With no display named at all, the object is made on the minimal
// platform, which needs none, so that help, the version and mistakes are
// answered as ever, and only a command line that leaves the window to open
// is told there is no display. -display names an X server, so unless the
// window system is named it chooses X11, which Qt would otherwise pass over
// for Wayland where both are there.
DisplayChoice chooseWindowSystem(int argc, char* argv[])
{
    if (!displayMayBeMissing)
        return DisplayChoice::Available;
    const bool systemNamed = isSet("QT_QPA_PLATFORM") || hasQtOption(argc, argv, "platform");
    const bool xServerNamed = hasQtOption(argc, argv, "display");
    if (xServerNamed && !systemNamed)
        qputenv("QT_QPA_PLATFORM", "xcb");
    if (systemNamed || xServerNamed || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY"))
        return DisplayChoice::Available;
    qputenv("QT_QPA_PLATFORM", "minimal");
    return DisplayChoice::Missing;
}

// On X11 its plugin and the application object take X11's own options out
// of the arguments before the parser sees them; on any other window system
// they reach it, and it takes them to do nothing, so that one command line
// serves every window system.
void acceptX11Options(QCommandLineParser& parser)
{
    const auto hidden = [](const QString& name, const QString& valueName) {
        QCommandLineOption option(name, QString(), valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        return option;
    };
    for (const QString& name : {u"display"_s, u"name"_s, u"visual"_s, u"geometry"_s, u"title"_s, u"icon"_s})
        parser.addOption(hidden(name, u"arvo"_s));
    for (const QString& name : {u"nograb"_s, u"dograb"_s})
        parser.addOption(hidden(name, QString()));
}

// Prints why the program ends without its window, in one line after its name,
// and gives the exit status for it.
int failure(const QString& reason)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(reason));
    return 1;
}

// Answers arguments that ask for help or the version, or are a mistake, with
// the exit status. Nothing when they leave the window to open.
std::optional<int> answerArguments()
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Arkifysiikan laskin: kappaleen nopeus iskeytyessään maahan, auton nopeus jarrutusjälkien perusteella, "
        "veren alkoholipitoisuus, putoamisaika ja paino eri planeetoilla."_s);
    // A word after one dash is one option, as Qt reads its own: -display, not -d -i -s ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    acceptX11Options(parser);
    // Help and the version end the program here with success, an unknown option with an error.
    parser.process(QCoreApplication::arguments());

    const QStringList stray = parser.positionalArguments();
    if (stray.isEmpty())
        return std::nullopt;
    return failure(u"Ylimääräinen argumentti: %1"_s.arg(stray.first()));
}

// Answers the command line as the window system chosen allows, with the exit
// status; nothing when the window is to open.
std::optional<int> answerCommandLine(DisplayChoice display)
{
    if (QCoreApplication::arguments().size() > 1) {
        if (const std::optional<int> status = answerArguments())
            return status;
    }
    if (display == DisplayChoice::Available)
        return std::nullopt;
    return failure(u"näyttöä ei löydy (DISPLAY, WAYLAND_DISPLAY ja QT_QPA_PLATFORM puuttuvat)."_s);
}

} // namespace

int runProgram(int argc, char* argv[])
{
    const DisplayChoice display = chooseWindowSystem(argc, argv);
    QApplication application(argc, argv);
    introduceProgram();
    if (const std::optional<int> status = answerCommandLine(display))
        return *status;

    Program program(userDecimalSeparator());
    program.show();
    return QApplication::exec();
}
