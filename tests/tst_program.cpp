#include "about.h"
#include "decimalseparator.h"
#include "program.h"
#include "startup.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTextLayout>
#include <QTimer>
#include <QtTest>

#include <algorithm>

using namespace Qt::StringLiterals;

// The program as a whole: what start-up leaves, the About box and the ways it ends.
class TestProgram : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { introduceProgram(); }

    void bodyListHoldsElevenBodiesWithEarthChosen()
    {
        Program program(u',');
        const QComboBox* list = program.window().bodyList();
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        QCOMPARE(items, (QStringList{u"Merkurius"_s, u"Venus"_s, u"Maa"_s, u"Mars"_s, u"Jupiter"_s, u"Saturnus"_s,
                                     u"Uranus"_s, u"Neptunus"_s, u"Pluto"_s, u"Aurinko"_s, u"Kuu"_s}));
        QCOMPARE(list->currentIndex(), 2);
        QCOMPARE(list->currentText(), u"Maa"_s);
        QVERIFY(!list->isEditable());
        // Filling the list computes nothing.
        QCOMPARE(program.window().findChild<QLabel*>(u"Label16"_s)->text(), u"0 kg"_s);
    }

    void aboutMessageIsBuiltWithLoneCarriageReturns()
    {
        const QString message = aboutMessage(u"Vemparo v1.0"_s);
        QCOMPARE(message.count(u'\r'), 2);
        QVERIFY(!message.contains(u'\n'));
        const QStringList lines = message.split(u'\r');
        QCOMPARE(lines[0], u"Vemparo v1.0 suunnittelu ja toteutus Nuvola. "_s);
        QVERIFY(lines[1].startsWith(u"E-mail:"_s));
        QVERIFY(lines[1].contains(u"@example.com  WWW:https://www.example.com/"_s));
        QCOMPARE(lines[2], u"Tällä ohjelmalla voit laskea kaikkea fysiikkaan ja matematiikkaan liittyvää"_s);
    }

    // Shown, the same three lines must break on every style, so the box gets line feeds.
    void aboutBoxShowsThreeLinesUnderTheCaption()
    {
        Program program(u',');
        program.show();
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QList<QAbstractButton*> buttons;
        QStringList shownLines;
        bool labelInsideBox = false;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->buttons();
            const auto* label = box->findChild<QLabel*>(u"qt_msgbox_label"_s);
            shownLines = laidOutLines(*label);
            labelInsideBox = box->rect().contains(QRect(label->mapTo(box, QPoint()), label->size()));
            box->button(QMessageBox::Ok)->click();
        });
        program.window().aboutCommand()->trigger();

        QCOMPARE(title, u"Info Vemparo v1.0"_s);
        QCOMPARE(text.split(u'\n'), aboutMessage(u"Vemparo v1.0"_s).split(u'\r'));
        QCOMPARE(icon, QMessageBox::Information);
        QCOMPARE(buttons.size(), 1);
        // However the box wraps its text, an address is never broken, nor cut
        // at the box's edge. (Only a screen narrower than the contact line,
        // such as the offscreen one at the scale of 2, breaks one.)
        QVERIFY(labelInsideBox);
        for (const QString& address : {u"vemparo@example.com"_s, u"https://www.example.com/vemparo"_s}) {
            QVERIFY2(std::ranges::any_of(shownLines, [&](const QString& line) { return line.contains(address); }),
                     qPrintable(shownLines.join(u'|')));
        }
    }

    void quitEndsTheProgramWithSuccess()
    {
        Program program(u',');
        program.show();
        QTimer::singleShot(0, program.window().quitCommand(), &QAction::trigger);
        QCOMPARE(QApplication::exec(), 0);
    }

    void closingTheWindowEndsTheProgramWithSuccess()
    {
        Program program(u',');
        program.show();
        QTimer::singleShot(0, &program.window(), &QWidget::close);
        QCOMPARE(QApplication::exec(), 0);
    }

    // The suite runs once per locale; CTest tells it which separator that
    // locale uses. Qt's texts are Finnish under either, and the separator
    // still the locale's.
    void numbersFollowTheUserSeparator()
    {
        const QString expected = qEnvironmentVariable("EXPECTED_DECIMAL_SEPARATOR");
        QCOMPARE(expected.size(), 1);
        QCOMPARE(QChar(userDecimalSeparator()), expected.front());

        Program program(userDecimalSeparator());
        program.show();
        QVERIFY(QTest::qWaitForWindowActive(&program.window()));
        auto* height = program.window().findChild<QLineEdit*>(u"Text1"_s);
        height->selectAll();
        QTest::keyClicks(height, u"2"_s + expected + u"5"_s);
        QCOMPARE(program.window().findChild<QLabel*>(u"Label3"_s)->text(), u"22"_s + expected + u"6936 km/h"_s);

        const std::unique_ptr<QMenu> menu(height->createStandardContextMenu());
        const QString undo = menu->actions().constFirst()->text().remove(u'&');
        QVERIFY2(undo.startsWith(u"Kumoa"_s), qPrintable(undo));
    }

    // A desktop finds the entry, and with it the icon, of a window by the
    // program's desktop file name: it must be the installed entry's, and the
    // icon the theme's, at every size the theme has.
    void desktopKnowsTheWindow()
    {
        const QDir entries(qEnvironmentVariable("VEMPARO_STAGING") + u"/share/applications"_s);
        QCOMPARE(entries.entryList({u"*.desktop"_s}), QStringList{QGuiApplication::desktopFileName() + u".desktop"_s});

        QTemporaryDir themes;
        const QString theme = themes.filePath(u"test"_s);
        QVERIFY(QDir().mkpath(theme + u"/256x256/apps"_s));
        QFile index(theme + u"/index.theme"_s);
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("[Icon Theme]\nName=test\nDirectories=256x256/apps\n[256x256/apps]\nSize=256\nType=Fixed\n");
        index.close();
        QImage picture(256, 256, QImage::Format_ARGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(picture.save(theme + u"/256x256/apps/"_s + QGuiApplication::desktopFileName() + u".png"_s));
        const QStringList searchPaths = QIcon::themeSearchPaths();
        const QString themeName = QIcon::themeName();
        QIcon::setThemeSearchPaths({themes.path()});
        QIcon::setThemeName(u"test"_s);
        Program program(u',');
        // The built-in picture until the first frame is painted: nothing on
        // the way there reads the theme.
        const QList<QSize> builtIn = program.window().windowIcon().availableSizes();
        program.show();
        const bool themed = QTest::qWaitFor([&] { return program.window().windowIcon().availableSizes().contains(QSize(256, 256)); });
        QIcon::setThemeSearchPaths(searchPaths);
        QIcon::setThemeName(themeName);
        QCOMPARE(builtIn, (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
        QVERIFY2(themed, qPrintable(QDebug::toString(program.window().windowIcon().availableSizes())));
    }

    void commandLine_data()
    {
        // Each row may set variables first, as a shell does; XSERVER stands
        // for the display of the suite's own X server.
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status"); // or windowOpens, and is then closed, or qtGivesUp
        // What standard output begins with, or with an error what standard
        // error ends with; or the instance name of the window that opens.
        QTest::addColumn<QString>("output");
        QTest::addColumn<int>("errorLines"); // besides Qt's one warning about the session

        const QString version = u"Vemparo "_s + QStringLiteral(VEMPARO_VERSION) + u'\n';
        const QStringList onXServer{u"-display"_s, u"XSERVER"_s};
        const QStringList badStyle{u"-style"_s, u"nosuchstyle"_s};
        QTest::newRow("--help") << QStringList{u"--help"_s} << 0 << u"Käyttö: "_s << 0;
        QTest::newRow("-h") << QStringList{u"-h"_s} << 0 << u"Käyttö: "_s << 0;
        QTest::newRow("--help-all") << QStringList{u"--help-all"_s} << 0 << u"Käyttö: "_s << 0;
        // Qt lists its X11 options only in an X11 session.
        QTest::newRow("--help-all, X11 session") << QStringList{u"XDG_SESSION_TYPE=x11"_s, u"--help-all"_s} << 0
                                                 << u"Käyttö: "_s << 0;
        QTest::newRow("--version") << QStringList{u"--version"_s} << 0 << version << 0;
        QTest::newRow("-v") << QStringList{u"-v"_s} << 0 << version << 0;
        QTest::newRow("a Qt option, then -v") << QStringList{u"-reverse"_s, u"-v"_s} << 0 << version << 0;
        QTest::newRow("--bogus") << QStringList{u"--bogus"_s} << 1 << QString() << 1;
        QTest::newRow("a Qt option, then --bogus") << QStringList{u"-style"_s, u"fusion"_s, u"--bogus"_s} << 1
                                                   << QString() << 1;
        QTest::newRow("stray argument") << QStringList{u"20"_s} << 1 << u"Ylimääräinen argumentti: 20\n"_s << 1;
        QTest::newRow("-icon off X11") << QStringList{u"-platform"_s, u"offscreen"_s, u"-icon"_s, u"x.png"_s, u"-v"_s}
                                       << 0 << version << 0;
        // A display named, if only by WAYLAND_DISPLAY, is Qt's to reach or to give up on.
        QTest::newRow("only WAYLAND_DISPLAY") << QStringList{u"WAYLAND_DISPLAY=nowhere"_s} << qtGivesUp
                                              << u"could not connect to display"_s << 0;
        const QString noDisplay = u"Vemparo: näyttöä ei löydy (DISPLAY, WAYLAND_DISPLAY ja QT_QPA_PLATFORM puuttuvat).\n"_s;
        QTest::newRow("no display") << QStringList() << 1 << noDisplay << 1;
        QTest::newRow("an X11 option, no display") << QStringList{u"-name"_s, u"foo"_s} << 1 << noDisplay << 1;
        // Qt's warning takes two lines; the program goes on without the style.
        QTest::newRow("a style that does not exist, then -v") << badStyle + QStringList{u"-v"_s} << 0 << version << 2;
        QTest::newRow("-display") << onXServer << windowOpens << u"vemparo"_s << 0;
        // Qt would try Wayland first, and warn as it failed.
        QTest::newRow("-display, Wayland named too") << QStringList{u"WAYLAND_DISPLAY=nowhere"_s} + onXServer
                                                     << windowOpens << u"vemparo"_s << 0;
        QTest::newRow("-name") << QStringList{u"DISPLAY=XSERVER"_s, u"-name"_s, u"foo"_s} << windowOpens << u"foo"_s
                               << 0;
        QTest::newRow("-display, then -v") << onXServer + QStringList{u"-v"_s} << 0 << version << 0;
        QTest::newRow("a style that does not exist") << QStringList{u"DISPLAY=XSERVER"_s} + badStyle << windowOpens
                                                     << u"vemparo"_s << 2;
    }

    // The real program, in a session with no display but the one a row names,
    // and without XDG_RUNTIME_DIR, so that Qt warns as it starts.
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, output);
        QFETCH(int, errorLines);

        const bool onX11 = arguments.join(u' ').contains(u"XSERVER"_s);
        if (onX11 && (QStandardPaths::findExecutable(u"Xvfb"_s).isEmpty()
                      || QStandardPaths::findExecutable(u"xwininfo"_s).isEmpty()))
            QSKIP("needs Xvfb and xwininfo (Debian's xvfb and x11-utils)");
        const QString display = onX11 ? xServer() : QString();
        QVERIFY(onX11 != display.isEmpty());
        arguments.replaceInStrings(u"XSERVER"_s, display);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString& name :
             {u"QT_QPA_PLATFORM"_s, u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"XDG_SESSION_TYPE"_s, u"XDG_RUNTIME_DIR"_s})
            environment.remove(name);
        while (!arguments.isEmpty() && arguments.first().contains(u'=')) {
            const QString variable = arguments.takeFirst();
            environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        }
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VEMPARO_EXECUTABLE), arguments);
        if (status == windowOpens) {
            const QString window = u"(\"%1\" \"Vemparo\")"_s.arg(output);
            const bool shown = QTest::qWaitFor([&] { return windowsOn(display).contains(window); }, 20'000);
            if (!shown)
                QFAIL(program.readAllStandardError().constData());
            program.terminate();
        }
        QVERIFY(program.waitForFinished(20'000));
        QTRY_VERIFY(!onX11 || !windowsOn(display).contains(u"\"Vemparo\")"_s));

        const QString errors = QString::fromUtf8(program.readAllStandardError());
        if (status == qtGivesUp) {
            QVERIFY2(program.exitStatus() == QProcess::CrashExit && errors.contains(output), qPrintable(errors));
            return;
        }
        const qsizetype sessionWarnings = errors.count(u"XDG_RUNTIME_DIR not set"_s);
        // Once as the window opens; the command line may end the program before Qt warns.
        QVERIFY2(sessionWarnings == 1 || (sessionWarnings == 0 && status != windowOpens), qPrintable(errors));
        QCOMPARE(errors.count(u'\n') - sessionWarnings, errorLines);
        if (status == windowOpens)
            return;
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        const QString printed = QString::fromUtf8(program.readAllStandardOutput());
        QVERIFY2(status == 0 ? printed.startsWith(output) : printed.isEmpty() && errors.endsWith(output),
                 qPrintable(printed + errors));
        QVERIFY2(englishDescriptions(printed).isEmpty(), qPrintable(englishDescriptions(printed).join(u'\n')));
        if (arguments.contains(u"--help-all"_s))
            QVERIFY2(printed.contains(u"-platform"_s) && printed.contains(u"-reverse"_s), qPrintable(printed));
        if (arguments.contains(u"XDG_SESSION_TYPE=x11"_s))
            QVERIFY2(printed.contains(u"--nograb"_s), qPrintable(printed));
    }

    void cleanupTestCase()
    {
        xServer_.terminate();
        xServer_.waitForFinished();
    }

private:
    static constexpr int windowOpens = -1;
    static constexpr int qtGivesUp = -2;

    // The lines a shown label's plain text is laid out in, as the label wraps them.
    static QStringList laidOutLines(const QLabel& label)
    {
        QString text = label.text();
        QTextLayout layout(text.replace(u'\n', QChar::LineSeparator), label.font());
        QTextOption option;
        option.setWrapMode(label.wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
        layout.setTextOption(option);
        QStringList lines;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(label.contentsRect().width());
            lines << text.mid(line.textStart(), line.textLength());
        }
        layout.endLayout();
        return lines;
    }

    // The options' descriptions in a help text that have a word of English,
    // each whole, however the help wraps it. Qt does not offer the QML
    // debugger's description for translation at all, so no catalogue reaches
    // it; this program has no QML to debug.
    static QStringList englishDescriptions(const QString& help)
    {
        static const QRegularExpression optionLine(u"^  (-[^\\s,]*(?:, -\\S+)?(?: <\\S+>)?) +(.*)$"_s);
        static const QRegularExpression englishWord(
            u"\\b(?:the|of|to|for|with|an?|and|in|from|by|is|be|can|help|window|icon|theme|name|mouse|plugins?|"
            "debugger|Alias|Default|Disable|Display|Displays|Force|Path|Platform|Restores|Sets|Title)\\b"_s);
        QStringList descriptions;
        QStringList options;
        for (const QString& line : help.split(u'\n')) {
            const QRegularExpressionMatch option = optionLine.match(line);
            if (option.hasMatch()) {
                options << option.captured(1);
                descriptions << option.captured(2);
            } else if (line.startsWith(u"   "_s) && !descriptions.isEmpty()) {
                descriptions.last() += u' ' + line.trimmed();
            }
        }
        QStringList english;
        for (qsizetype i = 0; i < descriptions.size(); ++i) {
            if (!options[i].startsWith(u"--qmljsdebugger"_s) && descriptions[i].contains(englishWord))
                english << options[i] + u": "_s + descriptions[i];
        }
        return english;
    }

    // The windows on an X server, each with its WM_CLASS.
    static QString windowsOn(const QString& display)
    {
        QProcess xwininfo;
        xwininfo.start(u"xwininfo"_s, {u"-display"_s, display, u"-root"_s, u"-tree"_s});
        xwininfo.waitForFinished(5'000);
        return QString::fromUtf8(xwininfo.readAllStandardOutput());
    }

    // An X server of the suite's own, started when first asked for, on a
    // display number it finds free; it writes the number once it takes
    // connections. It keeps going as it is when its last client leaves, as
    // each xwininfo does, rather than start over every time.
    QString xServer()
    {
        if (xServer_.state() == QProcess::NotRunning) {
            xServer_.setStandardErrorFile(QProcess::nullDevice());
            xServer_.start(u"Xvfb"_s, {u"-displayfd"_s, u"1"_s, u"-nolisten"_s, u"tcp"_s, u"-noreset"_s});
            while (!xServer_.canReadLine() && xServer_.waitForReadyRead(20'000)) {
            }
            xDisplay_ = u":"_s + QString::fromLatin1(xServer_.readLine()).trimmed();
        }
        return xServer_.state() == QProcess::Running ? xDisplay_ : QString();
    }

    QProcess xServer_;
    QString xDisplay_;
};

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
