#include "about.h"
#include "decimalseparator.h"
#include "program.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

// The program as a whole: what start-up leaves, the About box and the ways it ends.
class TestProgram : public QObject {
    Q_OBJECT

private slots:
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

    // The suite runs once per locale; CTest tells it which separator that locale uses.
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
    }
};

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
