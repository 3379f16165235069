#include "inputmark.h"
#include "program.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QtTest>

using namespace Qt::StringLiterals;

// The real window as a user meets it, driven with real key and mouse events.
class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        program_ = std::make_unique<Program>(u',');
        program_->show();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
    }
    void cleanup() { program_.reset(); }

    void startsWithInitialValues()
    {
        const QStringList boxes{u"Text1"_s, u"Text2"_s, u"Text3"_s, u"Text4"_s, u"Text5"_s, u"Text6"_s};
        for (const QString& name : boxes) {
            QCOMPARE(box(name)->text(), u"0"_s);
            QVERIFY(box(name)->toolTip().isEmpty());
        }
        QCOMPARE(captionOf("Label3"), u"0 km/h"_s);
        QCOMPARE(captionOf("Label4"), u"0 km/h"_s);
        QCOMPARE(captionOf("Label9"), u"0 promillea"_s);
        QCOMPARE(captionOf("Label11"), u"0 s"_s);
        QCOMPARE(captionOf("Label16"), u"0 kg"_s);
        QVERIFY(!control<QCheckBox>("Check1")->isChecked());
        QVERIFY(!control<QRadioButton>("Option1")->isChecked());
        QVERIFY(!control<QRadioButton>("Option2")->isChecked());
        QCOMPARE(window().windowTitle(), u"Vemparo v1.0"_s);
        QVERIFY(!window().windowIcon().isNull());
        QCOMPARE(QApplication::focusWidget(), box(u"Text1"_s));
    }

    void typingShowsResult_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("caption");

        QTest::newRow("impact 10") << "Text1" << "10" << "Label3" << "45,3872 km/h";
        QTest::newRow("impact 100") << "Text1" << "100" << "Label3" << "143,527 km/h";
        QTest::newRow("impact 0") << "Text1" << "0" << "Label3" << "0 km/h";
        QTest::newRow("impact cleared") << "Text1" << "" << "Label3" << "0 km/h";
        QTest::newRow("braking 10 dry") << "Text2" << "10" << "Label4" << "41,1099 km/h";
        QTest::newRow("braking 25 dry") << "Text2" << "25" << "Label4" << "65 km/h";
        QTest::newRow("fall 20") << "Text5" << "20" << "Label11" << "2 s";
        QTest::newRow("fall 10") << "Text5" << "10" << "Label11" << "1,4142 s";
        QTest::newRow("fall with leading blank") << "Text5" << " 5" << "Label11" << "0 s";
        QTest::newRow("weight on Earth at start") << "Text6" << "70" << "Label16" << "70 kg";
    }

    // Typing passes through every prefix: "10" runs the calculation for "1", then for "10".
    void typingShowsResult()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, label);
        QFETCH(QString, caption);

        retype(box, typed);
        QCOMPARE(captionOf(label), caption);
        QVERIFY(!isMarkedInvalid(this->box(box)));
    }

    void failureMarksItsBox_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("marked");
        QTest::addColumn<QString>("message");

        QTest::newRow("impact negative") << "Text1" << "-4" << "Label3" << QStringList{"Text1"}
                                         << "Arvo ei voi olla negatiivinen";
        QTest::newRow("impact letters") << "Text1" << "abc" << "Label3" << QStringList{"Text1"} << "Virheellinen luku";
        QTest::newRow("impact foreign separator") << "Text1" << "2.5" << "Label3" << QStringList{"Text1"}
                                                  << "Virheellinen luku";
        QTest::newRow("impact beyond range") << "Text1" << "9e308" << "Label3" << QStringList{"Text1"}
                                             << "Luku on liian suuri";
        QTest::newRow("alcohol mass zero") << "Text4" << "00" << "Label9" << QStringList{"Text4"} << "Jako nollalla";
        QTest::newRow("alcohol letters") << "Text3" << "x" << "Label9" << QStringList{"Text3"} << "Virheellinen luku";
        QTest::newRow("weight letters") << "Text6" << "kg" << "Label16" << QStringList{"Text6"} << "Virheellinen luku";
    }

    // A failure keeps the caption, the text and the focus, and tells the user
    // on the box itself; the next run that does not fail takes the mark away.
    void failureMarksItsBox()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, label);
        QFETCH(QStringList, marked);
        QFETCH(QString, message);

        retype(u"Text3"_s, u"50"_s);
        retype(u"Text4"_s, u"80"_s);
        retype(box, u"9"_s);
        retype(box, typed.chopped(1));
        const QString before = captionOf(label);

        QTest::keyClicks(this->box(box), typed.right(1));
        QCOMPARE(captionOf(label), before);
        QCOMPARE(this->box(box)->text(), typed);
        QCOMPARE(QApplication::focusWidget(), this->box(box));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        for (const QString& name : marked) {
            QVERIFY2(isMarkedInvalid(this->box(name)), qPrintable(name));
            QCOMPARE(this->box(name)->toolTip(), message);
            QCOMPARE(this->box(name)->accessibleDescription(), message);
        }

        retype(box, u"12"_s);
        QVERIFY(captionOf(label) != before);
        for (const QString& name : marked) {
            QVERIFY(!isMarkedInvalid(this->box(name)));
            QVERIFY(this->box(name)->toolTip().isEmpty());
        }
    }

    // A guard that declines is a run that does not fail, so it clears the mark too.
    void declinedRunClearsMark()
    {
        retype(u"Text5"_s, u"x"_s);
        QVERIFY(isMarkedInvalid(box(u"Text5"_s)));
        retype(u"Text5"_s, u""_s);
        QVERIFY(!isMarkedInvalid(box(u"Text5"_s)));
        QCOMPARE(captionOf("Label11"), u"0 s"_s);
    }

    void editingChangesOnlyItsOwnResult()
    {
        const QStringList labels{u"Label3"_s, u"Label4"_s, u"Label9"_s, u"Label11"_s, u"Label16"_s};
        const QStringList boxes{u"Text1"_s, u"Text2"_s, u"Text4"_s, u"Text5"_s, u"Text6"_s};
        retype(u"Text3"_s, u"40"_s);
        for (qsizetype i = 0; i < boxes.size(); ++i) {
            QStringList before;
            for (const QString& label : labels)
                before << captionOf(label);
            retype(boxes[i], u"81"_s);
            for (qsizetype j = 0; j < labels.size(); ++j)
                QCOMPARE(captionOf(labels[j]) != before[j], i == j);
        }
    }

    void wetRoadFollowsCheckBox()
    {
        auto* wet = control<QCheckBox>("Check1");
        QTest::mouseClick(wet, Qt::LeftButton);
        QCOMPARE(captionOf("Label4"), u"0 km/h"_s); // "0" passes the guard and gives 0 again

        retype(u"Text2"_s, u""_s);
        QTest::mouseClick(wet, Qt::LeftButton);
        QCOMPARE(captionOf("Label4"), u"0 km/h"_s); // an empty length changes nothing

        retype(u"Text2"_s, u"10"_s);
        QVERIFY(!wet->isChecked());
        QCOMPARE(captionOf("Label4"), u"41,1099 km/h"_s);
        QTest::mouseClick(wet, Qt::LeftButton);
        QCOMPARE(captionOf("Label4"), u"27,82824 km/h"_s);
        wet->setFocus();
        QTest::keyClick(wet, Qt::Key_Space);
        QCOMPARE(captionOf("Label4"), u"41,1099 km/h"_s);
        retype(u"Text2"_s, u"2"_s);
        QTest::keyClick(wet, Qt::Key_Space);
        QCOMPARE(captionOf("Label4"), u"12,44496 km/h"_s);
    }

    // Choosing the sex recomputes at once, so the result always belongs to the choice shown.
    void sexChoiceRecomputes()
    {
        auto* man = control<QRadioButton>("Option1");
        auto* woman = control<QRadioButton>("Option2");
        QTest::mouseClick(man, Qt::LeftButton);
        QCOMPARE(captionOf("Label9"), u"0 promillea"_s); // nothing computed from the initial texts

        retype(u"Text3"_s, u"50"_s);
        retype(u"Text4"_s, u"80"_s);
        QCOMPARE(captionOf("Label9"), u"0,8333 promillea"_s);
        QTest::mouseClick(woman, Qt::LeftButton);
        QCOMPARE(captionOf("Label9"), u"0,947 promillea"_s);
        QTest::mouseClick(man, Qt::LeftButton);
        QCOMPARE(captionOf("Label9"), u"0,8333 promillea"_s);

        man->setFocus();
        QTest::keyClick(man, Qt::Key_Down);
        QVERIFY(woman->isChecked());
        QCOMPARE(captionOf("Label9"), u"0,947 promillea"_s);
    }

    void bodyChosenByKeyboard_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("caption");

        QTest::newRow("down") << int(Qt::Key_Down) << "Mars" << "28 kg";
        QTest::newRow("up") << int(Qt::Key_Up) << "Venus" << "63 kg";
        QTest::newRow("end") << int(Qt::Key_End) << "Kuu" << "11,9 kg";
        QTest::newRow("home") << int(Qt::Key_Home) << "Merkurius" << "28 kg";
        QTest::newRow("first letter") << int(Qt::Key_J) << "Jupiter" << "175 kg";
    }

    void bodyChosenByKeyboard()
    {
        QFETCH(int, key);
        QFETCH(QString, body);
        QFETCH(QString, caption);

        retype(u"Text6"_s, u"70"_s);
        auto* list = window().bodyList();
        list->setFocus();
        QTest::keyClick(list, Qt::Key(key));
        QCOMPARE(list->currentText(), body);
        QCOMPARE(captionOf("Label16"), caption);
    }

    void bodyChosenByMouse_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");

        QTest::newRow("Pluto") << 8 << "0,7 kg";
        QTest::newRow("Aurinko") << 9 << "1960 kg";
        QTest::newRow("Maa again") << 2 << "70 kg";
    }

    void bodyChosenByMouse()
    {
        QFETCH(int, index);
        QFETCH(QString, caption);

        retype(u"Text6"_s, u"70"_s);
        setCaptionOfLabel16Aside();
        auto* list = window().bodyList();
        list->showPopup();
        QAbstractItemView* view = list->view();
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
        const QPoint item = view->visualRect(view->model()->index(index, 0)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item);
        QCOMPARE(list->currentIndex(), index);
        QCOMPARE(captionOf("Label16"), caption);
    }

    void pickingABodyWithNoWeightChangesNothing()
    {
        retype(u"Text6"_s, u""_s);
        auto* list = window().bodyList();
        list->setFocus();
        QTest::keyClick(list, Qt::Key_End);
        QCOMPARE(captionOf("Label16"), u"0 kg"_s);
    }

    void tabVisitsInputsInOrder_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("expected");

        // The option group is one stop, entered at the button last chosen; arrows move within it.
        QTest::newRow("no sex chosen") << "" << QStringList{"Text2", "Check1", "Text3", "Option1", "Text4",
                                                          "Text5", "Text6",  "Combo1", "Text1"};
        QTest::newRow("Nainen chosen") << "Option2" << QStringList{"Text2", "Check1", "Text3", "Option2", "Text4",
                                                                 "Text5", "Text6",  "Combo1", "Text1"};
    }

    void tabVisitsInputsInOrder()
    {
        QFETCH(QString, chosen);
        QFETCH(QStringList, expected);

        if (!chosen.isEmpty())
            QTest::mouseClick(control<QRadioButton>(qPrintable(chosen)), Qt::LeftButton);
        box(u"Text1"_s)->setFocus();
        QStringList visited;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }

    void inputsAreNamedByTheirCaptions_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("name");

        QTest::newRow("Text1") << "Text1" << "Putoamiskorkeus(m):";
        QTest::newRow("Text2") << "Text2" << "Jälkien pituus(m):";
        QTest::newRow("Text3") << "Text3" << "Juotu määrä(g):";
        QTest::newRow("Text4") << "Text4" << "Henkilön massa(kg):";
        QTest::newRow("Text5") << "Text5" << "Putoamiskorkeus(m):";
        QTest::newRow("Text6") << "Text6" << "Painosi(kg):";
    }

    void inputsAreNamedByTheirCaptions()
    {
        QFETCH(QString, box);
        QFETCH(QString, name);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(this->box(box));
        QVERIFY(accessible != nullptr);
        QCOMPARE(accessible->text(QAccessible::Name), name);
    }

    void menuHoldsQuitThenAbout()
    {
        auto* menu = window().findChild<QMenu*>(u"prog"_s);
        QVERIFY(menu != nullptr);
        QCOMPARE(menu->title(), u"&Ohjelma"_s);
        QCOMPARE(window().menuBar()->actions(), QList<QAction*>{menu->menuAction()});
        const QList<QAction*> commands = menu->actions();
        QCOMPARE(commands.size(), 2);
        QCOMPARE(commands[0]->objectName(), u"quitti"_s);
        QCOMPARE(commands[0]->text(), u"&Lopeta"_s);
        QCOMPARE(commands[1]->objectName(), u"ifo"_s);
        QCOMPARE(commands[1]->text(), u"&Tietoa"_s);
        for (const QAction* command : commands)
            QVERIFY(command->shortcut().isEmpty());
    }

private:
    Form1& window() { return program_->window(); }

    template <typename Control>
    Control* control(const char* name)
    {
        auto* found = window().findChild<Control*>(QLatin1StringView(name));
        if (found == nullptr)
            qFatal("no control %s", name);
        return found;
    }
    QLineEdit* box(const QString& name) { return control<QLineEdit>(qPrintable(name)); }
    QString captionOf(const QString& label) { return control<QLabel>(qPrintable(label))->text(); }
    QString captionOf(const char* label) { return control<QLabel>(label)->text(); }

    // Selects the box's text and types over it, key by key.
    void retype(const QString& name, const QString& text)
    {
        QLineEdit* target = box(name);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(target, Qt::Key_Delete);
        QTest::keyClicks(target, text);
        QCOMPARE(target->text(), text);
    }

    // Picking Maa again must show a new caption, so leave Earth's result first.
    void setCaptionOfLabel16Aside()
    {
        auto* list = window().bodyList();
        list->setFocus();
        QTest::keyClick(list, Qt::Key_End);
    }

    std::unique_ptr<Program> program_;
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
