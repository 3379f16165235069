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
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

using namespace Qt::StringLiterals;

// The program as a whole: what start-up leaves, the About box and the ways it ends.
class TestProgram : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { introduceProgram(qtTranslation_); }

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
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->buttons();
            box->button(QMessageBox::Ok)->click();
        });
        program.window().aboutCommand()->trigger();

        QCOMPARE(title, u"Info Vemparo v1.0"_s);
        QCOMPARE(text.split(u'\n'), aboutMessage(u"Vemparo v1.0"_s).split(u'\r'));
        QCOMPARE(icon, QMessageBox::Information);
        QCOMPARE(buttons.size(), 1);
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
        const QList<QSize> sizes = program.window().windowIcon().availableSizes();
        QIcon::setThemeSearchPaths(searchPaths);
        QIcon::setThemeName(themeName);
        QVERIFY2(sizes.contains(QSize(256, 256)), qPrintable(QDebug::toString(sizes)));
    }

    void commandLineNeedsNoDisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output"); // what standard output begins with
        QTest::addColumn<int>("errorLines");

        QTest::newRow("--help") << QStringList{u"--help"_s} << 0 << u"Käyttö: "_s << 0;
        QTest::newRow("-h") << QStringList{u"-h"_s} << 0 << u"Käyttö: "_s << 0;
        QTest::newRow("--help-all") << QStringList{u"--help-all"_s} << 0 << u"Käyttö: "_s << 0;
        const QString version = u"Vemparo "_s + QStringLiteral(VEMPARO_VERSION) + u'\n';
        QTest::newRow("--version") << QStringList{u"--version"_s} << 0 << version << 0;
        QTest::newRow("-v") << QStringList{u"-v"_s} << 0 << version << 0;
        QTest::newRow("a Qt option, then -v") << QStringList{u"-reverse"_s, u"-v"_s} << 0 << version << 0;
        QTest::newRow("--bogus") << QStringList{u"--bogus"_s} << 1 << QString() << 1;
        QTest::newRow("a Qt option, then --bogus") << QStringList{u"-style"_s, u"fusion"_s, u"--bogus"_s} << 1
                                                   << QString() << 1;
        QTest::newRow("stray argument") << QStringList{u"20"_s} << 1 << QString() << 1;
    }

    // Nothing here may need the window system: no display is set at all.
    void commandLineNeedsNoDisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, output);
        QFETCH(int, errorLines);

        QTemporaryDir runtime;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString& name : {u"QT_QPA_PLATFORM"_s, u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s})
            environment.remove(name);
        // A session has one; without it Qt warns on standard error.
        environment.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VEMPARO_EXECUTABLE), arguments);
        QVERIFY(program.waitForFinished(20'000));

        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        const QString printed = QString::fromUtf8(program.readAllStandardOutput());
        QVERIFY2(printed.startsWith(output) && (output.isEmpty() == printed.isEmpty()), qPrintable(printed));
        const QString errors = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(errors.count(u'\n'), errorLines);
        if (arguments.contains(u"--help-all"_s))
            QVERIFY2(printed.contains(u"-platform"_s) && printed.contains(u"-reverse"_s), qPrintable(printed));
    }

private:
    QTranslator qtTranslation_;
};

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
