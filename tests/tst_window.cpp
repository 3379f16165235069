#include "announcer.h"
#include "numberbox.h"
#include "program.h"
#include "startup.h"
#include "resultlabel.h"
#include "texttip.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionFrame>
#include <QTextDocumentFragment>
#include <QTextLayout>
#include <QTimer>
#include <QToolTip>
#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;

// The real window as a user meets it, driven with real key and mouse events.
class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { introduceProgram(); }
    void init() { startProgram(u','); }
    void cleanup()
    {
        program_.reset();
        QApplication::setPalette(QApplication::style()->standardPalette());
    }

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
        QCOMPARE(box(u"Text1"_s)->selectedText(), u"0"_s); // as Tab leaves it: a number typed replaces it
        // The two options are one group, which a screen reader names as the focus enters it.
        QAccessibleInterface* group = QAccessible::queryAccessibleInterface(control<QRadioButton>("Option1"))->parent();
        QCOMPARE(group->role(), QAccessible::Grouping);
        QCOMPARE(group->text(QAccessible::Name), u"Sukupuoli"_s);
        QCOMPARE(QAccessible::queryAccessibleInterface(control<QRadioButton>("Option2"))->parent(), group);
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
        QTest::newRow("braking 10 dry") << "Text2" << "10" << "Label4" << "41,1099 km/h";
        QTest::newRow("braking 25 dry") << "Text2" << "25" << "Label4" << "65 km/h";
        QTest::newRow("fall 20") << "Text5" << "20" << "Label11" << "2 s";
        QTest::newRow("fall 10") << "Text5" << "10" << "Label11" << "1,4142 s";
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
        QVERIFY(!this->box(box)->isMarked());
        QCOMPARE(control<ResultLabel>(qPrintable(label))->state(), ResultLabel::State::Current);
    }

    // After any sequence of edits every result says whether it belongs to the
    // inputs shown, and how it was reached or why it is out of date, and
    // every box says what is wrong with it, if anything.
    void windowTellsTheTruth_data()
    {
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QStringList>("steps"); // "Text5=20" retypes a box, "click Option2" clicks, "pick Kuu" picks
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("said"); // how a current result was reached, or why a stale one is stale
        // Every other box is clear. A text too wide for its box follows the message in its tool tip.
        QTest::addColumn<QStringList>("marks");

        const QChar comma(u',');
        const QChar point(u'.');
        using L = QStringList;
        const QString fall = u"Putoamiskorkeus(m): "_s;
        const QString alcohol = u"Juotu määrä(g): "_s;
        const QString mass = u"Henkilön massa(kg): "_s;
        const QString braking = u"Jälkien pituus(m): "_s;
        const QString weight = u"Painosi(kg): "_s;
        const QString negative = u"Arvo ei voi olla negatiivinen"_s;
        const QString digitFirst = u"Luvun pitää alkaa numerolla"_s;
        const QString notANumber = u"Virheellinen luku"_s;
        const QString commaHint = notANumber + u" (desimaalierotin on pilkku)"_s;
        const QString pointHint = notANumber + u" (desimaalierotin on piste)"_s;
        const QString tooLarge = u"Tulos on liian suuri"_s;
        const QString byZero = u"Jako nollalla"_s;
        const QString missing = u"Arvo puuttuu"_s;
        const QString zero = u"Arvon pitää olla suurempi kuin 0"_s;
        const QString fallFormula = u"√(h / 5) s, h = "_s;
        const QString impactFormula = u"√(206 · h) km/h, h = "_s;
        const QString rounded = u" · √L km/h (√L pyöristetty neljään desimaaliin), L = "_s;
        const QString alcoholFormula = u"A / (m · r) promillea, "_s;
        const QString estimate = u"\nArvio suurimmasta pitoisuudesta: alkoholin palamista ei ole otettu huomioon."_s;

        QTest::newRow("fall 20") << comma << L{"Text5=20"} << "Label11" << "2 s" << "current" << fallFormula + "20 m"
                                 << L{};
        QTest::newRow("fall 2,5") << comma << L{"Text5=2,5"} << "Label11" << "0,7071 s" << "current"
                                  << fallFormula + "2,5 m" << L{};
        QTest::newRow("fall 45") << comma << L{"Text5=45"} << "Label11" << "3 s" << "current" << fallFormula + "45 m"
                                 << L{};
        QTest::newRow("fall 0,0 passes its guard") << comma << L{"Text5=20", "Text5=0,0"} << "Label11" << "0 s"
                                                   << "current" << fallFormula + "0 m" << L{};
        QTest::newRow("fall 20, then -5") << comma << L{"Text5=20", "Text5=-5"} << "Label11" << "2 s" << "stale"
                                          << fall + negative << L{"Text5=" + negative};
        QTest::newRow("fall blank -5") << comma << L{"Text5= -5"} << "Label11" << "0 s" << "stale" << fall + negative
                                       << L{"Text5=" + negative};
        QTest::newRow("fall 20, then -0") << comma << L{"Text5=20", "Text5=-0"} << "Label11" << "2 s" << "stale"
                                          << fall + zero << L{};
        QTest::newRow("fall 20, then ,5") << comma << L{"Text5=20", "Text5=,5"} << "Label11" << "2 s" << "stale"
                                          << fall + digitFirst << L{"Text5=" + digitFirst};
        QTest::newRow("fall 20, then .5") << point << L{"Text5=20", "Text5=.5"} << "Label11" << "2 s" << "stale"
                                          << fall + digitFirst << L{"Text5=" + digitFirst};
        QTest::newRow("fall 2, then 2,5 under a point") << point << L{"Text5=2", "Text5=2,5"} << "Label11" << "0.6325 s"
                                              << "stale" << fall + pointHint << L{"Text5=" + pointHint};
        QTest::newRow("fall 2, then 2.5 under a comma") << comma << L{"Text5=2", "Text5=2.5"} << "Label11" << "0,6325 s"
                                              << "stale" << fall + commaHint << L{"Text5=" + commaHint};
        QTest::newRow("fall 2.5.1 under a comma, no hint") << comma << L{"Text5=2.5.1"} << "Label11" << "0,6325 s"
                                              << "stale" << fall + notANumber << L{"Text5=" + notANumber};
        QTest::newRow("mass 72.5 under a comma") << comma << L{"Text3=40", "Text4=72.5"} << "Label9"
                                                 << "0,8418 promillea"
                                              << "stale" << mass + commaHint << L{"Text4=" + commaHint + "\n72.5"};
        QTest::newRow("fall 20, then blank 20") << comma << L{"Text5=20", "Text5= 20"} << "Label11" << "2 s" << "stale"
                                                << fall + digitFirst << L{"Text5=" + digitFirst};
        QTest::newRow("fall 20, blank 20, 20 again") << comma << L{"Text5=20", "Text5= 20", "Text5=20"} << "Label11"
                                                     << "2 s" << "current" << fallFormula + "20 m" << L{};
        QTest::newRow("fall abc") << comma << L{"Text5=abc"} << "Label11" << "0 s" << "stale" << fall + notANumber
                                  << L{"Text5=" + notANumber};
        QTest::newRow("fall -abc, declined but unreadable") << comma << L{"Text5=-abc"} << "Label11" << "0 s" << "stale"
                                                  << fall + notANumber << L{"Text5=" + notANumber};
        QTest::newRow("fall 2x0, the x deleted by a screen reader") << comma << L{"Text5=2x0", "delete Text5 1 2"}
            << "Label11" << "2 s" << "current" << fallFormula + "20 m" << L{};
        QTest::newRow("fall 25, a 0 inserted by a screen reader") << comma << L{"Text5=25", "insert Text5 1 0"}
            << "Label11" << "6,4031 s" << "current" << fallFormula + "205 m" << L{};
        QTest::newRow("fall x, then emptied") << comma << L{"Text5=x", "Text5="} << "Label11" << "0 s" << "stale"
                                              << fall + missing << L{};
        QTest::newRow("impact cleared") << comma << L{"Text1="} << "Label3" << "0 km/h" << "stale" << fall + missing
                                        << L{};
        QTest::newRow("fall untouched by impact") << comma << L{"Text1=10"} << "Label11" << "0 s" << "untouched" << ""
                                                  << L{};

        QTest::newRow("impact +20, the value read") << comma << L{"Text1=+20"} << "Label3" << "64,1872 km/h"
                                                    << "current" << impactFormula + "20 m" << L{};
        QTest::newRow("impact 1e3") << comma << L{"Text1=1e3"} << "Label3" << "453,8722 km/h" << "current"
                                    << impactFormula + "1000 m" << L{};
        QTest::newRow("impact 20,50") << comma << L{"Text1=20,50"} << "Label3" << "64,9846 km/h" << "current"
                                      << impactFormula + "20,5 m" << L{};
        QTest::newRow("impact 20.50") << point << L{"Text1=20.50"} << "Label3" << "64.9846 km/h" << "current"
                                      << impactFormula + "20.5 m" << L{};
        QTest::newRow("impact 1e309") << comma << L{"Text1=1e309"} << "Label3" << "453,8722 km/h" << "stale"
                                      << fall + u"Luku on liian suuri"_s << L{"Text1=Luku on liian suuri"};
        QTest::newRow("impact 1e307") << comma << L{"Text1=1e307"} << "Label3" << "453,8722 km/h" << "stale"
                                      << fall + tooLarge << L{"Text1=" + tooLarge};
        QTest::newRow("impact 1e30") << point << L{"Text1=1e30"} << "Label3" << "453.8722 km/h" << "stale"
                                     << fall + tooLarge << L{"Text1=" + tooLarge};
        QTest::newRow("impact -0,001, after -0") << comma << L{"Text1=-0,001"} << "Label3" << "0 km/h" << "stale"
                                                 << fall + negative << L{"Text1=" + negative};
        QTest::newRow("impact -0.001") << point << L{"Text1=-0.001"} << "Label3" << "0 km/h" << "stale"
                                       << fall + negative << L{"Text1=" + negative};
        QTest::newRow("impact letters") << comma << L{"Text1=abc"} << "Label3" << "0 km/h" << "stale"
                                        << fall + notANumber << L{"Text1=" + notANumber};

        QTest::newRow("braking 30 dry") << comma << L{"Text2=30"} << "Label4" << "71,2036 km/h" << "current"
                                        << "13" + rounded + "30 m, kuiva tie" << L{};
        QTest::newRow("braking 30 wet") << comma << L{"click Check1", "Text2=30"} << "Label4" << "48,19936 km/h"
                                        << "current" << "8,8" + rounded + "30 m, märkä tie" << L{};
        QTest::newRow("braking -2") << comma << L{"Text2=-2"} << "Label4" << "0 km/h" << "stale" << braking + negative
                                    << L{"Text2=" + negative};
        QTest::newRow("braking 9e28 dry") << comma << L{"Text2=9e28"} << "Label4" << "390 km/h" << "stale"
                                          << braking + tooLarge << L{"Text2=" + tooLarge};
        QTest::newRow("braking 9e28 wet") << point << L{"click Check1", "Text2=9e28"} << "Label4" << "2.64E+15 km/h"
                                          << "current" << "8.8" + rounded + "9E+28 m, märkä tie" << L{};

        QTest::newRow("Nainen at start") << comma << L{"click Option2"} << "Label9" << "0 promillea" << "stale"
                                         << alcohol + zero + "\n" + mass + zero << L{};
        QTest::newRow("alcohol 40, neither chosen") << comma << L{"Text3=40", "Text4=80"} << "Label9"
            << "0,7576 promillea" << "current"
            << alcoholFormula + "A = 40 g, m = 80 kg, r = 0,66 (sukupuolta ei valittu)" + estimate << L{};
        QTest::newRow("alcohol 40, Nainen") << point << L{"Text3=40", "Text4=80", "click Option2"} << "Label9"
            << "0.7576 promillea" << "current" << alcoholFormula + "A = 40 g, m = 80 kg, r = 0.66 (nainen)" + estimate
            << L{};
        QTest::newRow("alcohol 0,0, then Mies") << comma << L{"Text3=0,0", "Text4=80", "click Option1"} << "Label9"
            << "0 promillea" << "current" << alcoholFormula + "A = 0 g, m = 80 kg, r = 0,75 (mies)" + estimate << L{};
        QTest::newRow("alcohol 40, then 0") << comma << L{"Text4=80", "Text3=40", "Text3=0"} << "Label9"
                                            << "0,7576 promillea" << "stale" << alcohol + zero << L{};
        QTest::newRow("mass blank 80") << comma << L{"Text3=40", "Text4= 80"} << "Label9" << "0 promillea" << "stale"
                                       << mass + digitFirst << L{"Text4=" + digitFirst};
        QTest::newRow("alcohol 0, mass abc") << comma << L{"Text4=abc"} << "Label9" << "0 promillea" << "stale"
                                             << alcohol + zero + "\n" + mass + notANumber << L{"Text4=" + notANumber};
        QTest::newRow("alcohol abc, mass xyz") << comma << L{"Text3=abc", "Text4=xyz"} << "Label9" << "0 promillea"
            << "stale" << alcohol + notANumber + "\n" + mass + notANumber
            << L{"Text3=" + notANumber, "Text4=" + notANumber};
        QTest::newRow("alcohol abc, mass 70") << comma << L{"Text4=70", "Text3=abc"} << "Label9" << "0 promillea"
                                              << "stale" << alcohol + notANumber << L{"Text3=" + notANumber};
        QTest::newRow("alcohol abc, mass emptied") << comma << L{"Text4=70", "Text3=abc", "Text4="} << "Label9"
            << "0 promillea" << "stale" << alcohol + notANumber + "\n" + mass + missing << L{"Text3=" + notANumber};
        QTest::newRow("alcohol -5, mass 70") << comma << L{"Text4=70", "Text3=-5"} << "Label9" << "0 promillea"
                                             << "stale" << alcohol + negative << L{"Text3=" + negative};
        QTest::newRow("mass <b>5, shown as typed") << comma << L{"Text4=<b>5"} << "Label9" << "0 promillea" << "stale"
            << alcohol + zero + "\n" + mass + notANumber << L{"Text4=" + notANumber + "\n<b>5"};
        QTest::newRow("alcohol 0,0, mass 0,0") << comma << L{"Text3=0,0", "Text4=0,0"} << "Label9" << "0 promillea"
                                               << "stale" << mass + byZero << L{"Text4=" + byZero};
        QTest::newRow("alcohol 0.0, mass 0.0") << point << L{"Text3=0.0", "Text4=0.0"} << "Label9" << "0 promillea"
                                               << "stale" << mass + byZero << L{"Text4=" + byZero};
        QTest::newRow("alcohol 50, mass 00") << comma << L{"Text3=50", "Text4=80", "Text4=00"} << "Label9"
                                             << "0,947 promillea" << "stale" << mass + byZero << L{"Text4=" + byZero};
        QTest::newRow("alcohol 30, mass 1e-400") << comma << L{"Text3=30", "Text4=1e-400"} << "Label9"
            << "454545,4545 promillea" << "stale" << mass + byZero << L{"Text4=" + byZero + "\n1e-400"};
        QTest::newRow("alcohol 30, mass 1e-320") << comma << L{"Text3=30", "Text4=1e-320"} << "Label9"
            << "45454,5455 promillea" << "stale" << alcohol + tooLarge + "\n" + mass + tooLarge
            << L{"Text3=" + tooLarge, "Text4=" + tooLarge + "\n1e-320"};

        QTest::newRow("weight 70 on Kuu") << comma << L{"Text6=70", "pick Kuu"} << "Label16" << "11,9 kg" << "current"
                                          << u"m · k kg, m = 70 kg, k = 0,17 (Kuu)"_s << L{};
        QTest::newRow("weight 70 on Aurinko") << point << L{"pick Aurinko", "Text6=70"} << "Label16" << "1960 kg"
                                              << "current" << u"m · k kg, m = 70 kg, k = 28 (Aurinko)"_s << L{};
        QTest::newRow("weight on the Moon, cut") << comma << L{"Text6=70,123456789", "pick Kuu"} << "Label16"
            << "11,92098765413 kg" << "current" << u"m · k kg, m = 70,123456789 kg, k = 0,17 (Kuu)"_s
            << L{"Text6=\n70,123456789"};
        QTest::newRow("a long speed, cut") << comma << L{"Text1=1000000"} << "Label3" << "14352,7001 km/h"
                                           << "current" << impactFormula + "1000000 m" << L{};
        QTest::newRow("weight +20") << comma << L{"Text6=+20"} << "Label16" << "0 kg" << "stale"
                                    << weight + digitFirst << L{"Text6=" + digitFirst};
        QTest::newRow("weight kg") << comma << L{"Text6=kg"} << "Label16" << "0 kg" << "stale" << weight + notANumber
                                   << L{"Text6=" + notANumber};
        // What a terminal or a web page copies: breaks at the ends go, a character
        // that cannot be seen or told apart is named.
        const QString hidden = notANumber + u" (%1, jota ei näy)"_s;
        QTest::newRow("impact 20 pasted with a line break") << comma << L{"paste Text1=20\n"} << "Label3"
            << "64,1872 km/h" << "current" << impactFormula + "20 m" << L{};
        QTest::newRow("impact 20 pasted between tabs and breaks") << comma << L{"paste Text1=\t20\r\n"} << "Label3"
            << "64,1872 km/h" << "current" << impactFormula + "20 m" << L{};
        QTest::newRow("fall with a break inside, pasted") << comma << L{"Text5=20", "paste Text5=2\n0"} << "Label11"
            << "2 s" << "stale" << fall + hidden.arg(u"rivinvaihto"_s) << L{"Text5=" + hidden.arg(u"rivinvaihto"_s)};
        QTest::newRow("impact with a tab inside, pasted") << comma << L{"paste Text1=2\t0"} << "Label3" << "0 km/h"
            << "stale" << fall + hidden.arg(u"sarkain"_s) << L{"Text1=" + hidden.arg(u"sarkain"_s) + "\n2\t0"};
        QTest::newRow("weight with a no-break space") << comma << L{"Text6=70\u00A0"} << "Label16" << "70 kg"
            << "stale" << weight + hidden.arg(u"välilyönti"_s) << L{"Text6=" + hidden.arg(u"välilyönti"_s)};
        const QString minusHint = notANumber + u" (miinusmerkki − ei käy, käytä -)"_s;
        QTest::newRow("weight with a minus sign") << comma << L{"paste Text6=\u221270"} << "Label16" << "0 kg" << "stale"
                                                  << weight + minusHint << L{"Text6=" + minusHint};
        QTest::newRow("weight 1e309") << comma << L{"Text6=1e309"} << "Label16" << "1E+30 kg" << "stale"
                                      << weight + u"Luku on liian suuri"_s << L{"Text6=Luku on liian suuri\n1e309"};
    }

    // Read as a screen reader reads them, through the accessible description,
    // and as a mouse user does, through the tool tip shown.
    void windowTellsTheTruth()
    {
        QFETCH(QChar, separator);
        QFETCH(QStringList, steps);
        QFETCH(QString, label);
        QFETCH(QString, caption);
        QFETCH(QString, state);
        QFETCH(QString, said);
        QFETCH(QStringList, marks);

        if (separator != u',')
            startProgram(separator.unicode());
        for (const QString& step : steps)
            take(step);
        QVERIFY(QApplication::activeModalWidget() == nullptr);

        // A caption too wide for the room left to the window's edge is cut
        // between characters, with an ellipsis; it stays whole for a screen
        // reader and in the tool tip.
        auto* result = control<ResultLabel>(qPrintable(label));
        QCOMPARE(result->caption(), caption);
        // A screen reader reviewing the window hears whether the figure is the answer.
        const QMap<QString, QString> heardAfter{{u"untouched"_s, u" (ei vielä laskettu)"_s},
                                                {u"stale"_s, u" (vanhentunut)"_s}};
        QCOMPARE(accessibleText(result, QAccessible::Name), caption + heardAfter.value(state));
        const bool cut = result->text() != caption;
        QVERIFY2(!cut || (result->text().endsWith(u'…') && caption.startsWith(result->text().chopped(1))),
                 qPrintable(result->text()));
        QVERIFY(result->geometry().right() < window().centralWidget()->width() - 8);
        QVERIFY(result->width() >= result->sizeHint().width()); // no glyph clipped
        const QMap<QString, ResultLabel::State> states{{u"untouched"_s, ResultLabel::State::Untouched},
                                                       {u"current"_s, ResultLabel::State::Current},
                                                       {u"stale"_s, ResultLabel::State::Stale}};
        QCOMPARE(result->state(), states.value(state));
        const QString description = state == u"stale"_s ? u"Vanhentunut tulos\n"_s + said : said;
        QCOMPARE(accessibleText(result, QAccessible::Description), description);
        QCOMPARE(shownToolTip(result), cut ? caption + u'\n' + description : description);

        for (int i = 1; i <= 6; ++i) {
            const QString name = u"Text%1"_s.arg(i);
            const QStringList marked = marks.filter(QRegularExpression(u"^%1="_s.arg(name)));
            const QString tip = marked.isEmpty() ? QString() : marked.first().section(u'=', 1);
            const QString message = tip.section(u'\n', 0, 0);
            QCOMPARE(accessibleText(box(name), QAccessible::Description), message);
            QCOMPARE(shownToolTip(box(name)), tip.startsWith(u'\n') ? tip.mid(1) : tip);
            QCOMPARE(box(name)->isMarked(), !message.isEmpty());
        }
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

    // A screen reader names each input by the label it is labelled by, if
    // any, else by its own name: the caption and the question its
    // calculation answers, which tells apart the two boxes that share a
    // caption, or, for the body list, what it lists. It reads the text shown
    // as one run of attributes, so a "20" is read whole, not as "2".
    void inputsAreNamedAndReadWhole_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");

        QTest::newRow("Text1") << "Text1" << "Putoamiskorkeus(m): (Kappaleen nopeus iskeytyessään maahan)" << "Label2"
                               << "20";
        QTest::newRow("Text2") << "Text2" << "Jälkien pituus(m): (Auton nopeus jarrutusjälkien perusteella)"
                               << "Label5" << "0";
        QTest::newRow("Text3") << "Text3" << "Juotu määrä(g): (Veren alkoholipitoisuus promilleina)" << "Label8" << "0";
        QTest::newRow("Text4") << "Text4" << "Henkilön massa(kg): (Veren alkoholipitoisuus promilleina)" << "Label10"
                               << "0";
        QTest::newRow("Text5") << "Text5" << "Putoamiskorkeus(m): (Kuinka paljon aikaa kuluu kun kappale putoaa)"
                               << "Label12" << "12,5";
        QTest::newRow("Text6") << "Text6" << "Painosi(kg): (Oma painosi eri planeetoilla)" << "Label15" << "0";
        QTest::newRow("Combo1") << "Combo1" << "Taivaankappale" << "" << "Maa";
    }

    void inputsAreNamedAndReadWhole()
    {
        QFETCH(QString, input);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, shown);

        auto* box = qobject_cast<NumberBox*>(control<QWidget>(qPrintable(input)));
        if (box != nullptr)
            retype(input, shown);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control<QWidget>(qPrintable(input)));
        QCOMPARE(accessible->text(QAccessible::Name), name);
        QStringList labelledBy;
        for (const auto& [label, relation] : accessible->relations(QAccessible::Label))
            labelledBy << label->object()->objectName() + u'=' + label->text(QAccessible::Name);
        QCOMPARE(labelledBy, caption.isEmpty() ? QStringList() : QStringList{caption + u'=' + name});
        // The body list tells its value and whether its popup is open, and
        // asking makes no popup.
        if (input == u"Combo1"_s) {
            QCOMPARE(accessible->text(QAccessible::Value), shown);
            QCOMPARE(std::pair(accessible->childCount(), bool(accessible->state().expanded)), std::pair(0, false));
            QVERIFY(window().bodyList()->findChild<QAbstractItemView*>() == nullptr);
            // A screen reader opens and closes the popup by the list's own actions.
            accessible->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
            QCOMPARE(std::pair(accessible->childCount(), bool(accessible->state().expanded)), std::pair(1, true));
            accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QTRY_VERIFY(!accessible->state().expanded);
        }
        // A screen reader ignores a part, such as the body list's popup, that
        // its parent does not count among its children.
        window().bodyList()->view(); // the popup, made when first asked for
        for (QWidget* part : control<QWidget>(qPrintable(input))->findChildren<QWidget*>()) {
            QAccessibleInterface* partAccessible = QAccessible::queryAccessibleInterface(part);
            if (partAccessible->parent() == accessible)
                QVERIFY2(accessible->indexOfChild(partAccessible) >= 0, part->metaObject()->className());
        }

        QAccessibleTextInterface* text = accessible->textInterface();
        QVERIFY(text != nullptr);
        QCOMPARE(text->characterCount(), shown.size());
        for (int start = 0; start <= shown.size(); ++start)
            for (int end = start; end <= shown.size(); ++end)
                QCOMPARE(text->text(start, end), shown.mid(start, end - start));
        for (int offset = 0; offset < text->characterCount(); ++offset) {
            int start = -1;
            int end = -1;
            text->attributes(offset, &start, &end);
            QCOMPARE(std::pair(start, end), std::pair(0, int(shown.size())));
            // A box places a character where it paints it, as its selection shows;
            // the list gives its whole box.
            const QRect character = text->characterRect(offset);
            if (box == nullptr) {
                QCOMPARE(character, accessible->rect());
                continue;
            }
            box->setSelection(offset, 1);
            const QRectF painted = highlightIn(box);
            const QRectF told(box->mapFromGlobal(character.topLeft()), character.size());
            // The highlight takes in every device pixel the character touches:
            // the rectangle, in whole pixels, lies in it and leaves less than
            // a pixel and a half of it on a side.
            QVERIFY2(painted.adjusted(-0.5, -0.5, 0.5, 0.5).contains(told)
                         && told.adjusted(-1.5, -1.5, 1.5, 1.5).contains(painted),
                     qPrintable(QDebug::toString(told) + u" for "_s + QDebug::toString(painted)));
        }
    }

    void longNumberShowsItsBeginning_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("typed"); // else set while the box has no focus
        QTest::addColumn<bool>("cut");

        QTest::newRow("105,5 in the narrow mass box") << "Text4" << "105,5" << true << true;
        QTest::newRow("72,5 in the narrow mass box") << "Text4" << "72,5" << true << true;
        QTest::newRow("1e-320 in the narrow mass box") << "Text4" << "1e-320" << true << true;
        QTest::newRow("many digits in the weight box") << "Text6" << "123456789" << true << true;
        QTest::newRow("many digits set while away") << "Text6" << "70,123456789" << false << true;
        QTest::newRow("105,5 in the wide height box") << "Text1" << "105,5" << true << false;
        QTest::newRow("1234 in the narrow mass box") << "Text4" << "1234" << true << true;
        QTest::newRow("0,001 in the narrow mass box") << "Text4" << "0,001" << true << true;
        QTest::newRow("123456789,123 in the narrow mass box") << "Text4" << "123456789,123" << true << true;
        QTest::newRow("a long number in the wide height box") << "Text1" << "11111111112222222222333333,33334444444444"
                                                              << true << true;
        QTest::newRow("3000 digits pasted into the weight box") << "Text6" << u"0,"_s + QString(2998, u'7') << false << true;
    }

    // A box never shows a tail ("5,5") or a shorter number ("105") alone:
    // once the focus leaves, it shows the beginning and an ellipsis where
    // it is cut; while it has the focus, the whole number shows beside it;
    // the tool tip holds it whole either way, and the note's frame is whole.
    // No piece of a character shows outside the text, wherever the cursor
    // takes it, at any scale (CTest runs this again at 1.25, 1.5, 1.75 and 2,
    // and on an X server at 1, 1.25, 1.5, 1.75 and 2).
    void longNumberShowsItsBeginning()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(bool, typed);
        QFETCH(bool, cut);

        NumberBox* target = this->box(box);
        if (typed) {
            retype(box, text);
        } else {
            target->setText(text);
            target->setFocus();
        }
        const QString whole = cut ? text : QString();
        // The tool tip holds it whole, or, where the screen cannot, as much of
        // its beginning as fits and an ellipsis.
        const auto holdsWhole = [&whole](const QString& tip) {
            return tip == whole || (tip.size() > 1 && tip.endsWith(u'…') && whole.startsWith(tip.chopped(1)));
        };
        auto* beside = window().findChild<TextTip*>(box + u"Whole"_s);
        QCOMPARE(beside != nullptr && beside->isVisible() ? beside->text() : QString(), whole);
        if (cut) {
            // The note paints the whole number on one line where the window
            // has room for it, just below the box or, at the window's bottom
            // edge, just above it, and never reaches past the window.
            const QRect note(beside->mapTo(&window(), QPoint(0, 0)), beside->size());
            QVERIFY(window().rect().contains(note));
            const QRect at(target->mapTo(&window(), QPoint(0, 0)), target->size());
            QVERIFY(note.top() == at.bottom() + 1 || (note.bottom() == at.top() - 1 && box == u"Text6"_s));
            const qreal advance = QFontMetricsF(beside->font()).horizontalAdvance(text);
            const QRectF ink = inkInside(beside, beside->palette().color(QPalette::ToolTipBase));
            if (advance < window().width() / 2)
                QVERIFY2(qAbs(ink.width() - advance) <= 2.5 && ink.height() <= QFontMetricsF(beside->font()).height(),
                         qPrintable(QDebug::toString(ink) + u" for an advance of "_s + QString::number(advance)));
            // A longer note paints each line apart, one below the other, and
            // fills its side of the box before it ends in an ellipsis: three
            // dots on the baseline where a digit would stand its full height.
            const QImage painted = beside->grab().toImage();
            const QColor background = beside->palette().color(QPalette::ToolTipBase);
            const QList<QRect> lines = paintedLines(painted, background);
            const qreal spacing = QFontMetricsF(beside->font()).lineSpacing();
            const qreal ratio = painted.devicePixelRatio();
            QVERIFY(!lines.isEmpty() && painted.height() - lines.last().bottom() < spacing * ratio);
            for (qsizetype i = 1; i < lines.size(); ++i)
                QVERIFY(qAbs(lines[i].top() - lines[i - 1].top() - spacing * ratio) <= 1);
            if (static_cast<qreal>(lines.size() * beside->width()) < advance) {
                const QRect room = window().centralWidget()->rect();
                QVERIFY(beside->y() - room.top() < spacing || room.bottom() - beside->geometry().bottom() < spacing);
                const int dots = qCeil(QFontMetricsF(beside->font()).horizontalAdvance(u"…"_s) * ratio / 2);
                const QRect last = lines.last();
                const QRect end = inkIn(painted, QRect(last.right() - dots, last.top(), dots + 1, last.height()),
                                        background);
                QVERIFY2(end.top() > last.center().y(), qPrintable(QDebug::toString(end) + QDebug::toString(last)));
            }
            QVERIFY2(frameMissingFrom(beside).isEmpty(), qPrintable(frameMissingFrom(beside)));
        }
        QVERIFY2(holdsWhole(shownToolTip(target)), qPrintable(shownToolTip(target)));
        // Wherever the cursor takes the text, only whole characters show (in
        // the 3000 digits, as far as a long number goes: the rest repeat its sevens).
        const qsizetype positionsWalked = std::min<qsizetype>(text.size(), 50);
        const int flashTime = QApplication::cursorFlashTime();
        const auto restoreFlashTime = qScopeGuard([flashTime] { QApplication::setCursorFlashTime(flashTime); });
        QApplication::setCursorFlashTime(0); // the cursor shown in every grab
        QTest::keyClick(target, Qt::Key_Home);
        for (qsizetype position = 0; position <= positionsWalked; ++position) {
            const QString pieces = piecesOutsideText(target);
            QVERIFY2(pieces.isEmpty(), qPrintable(pieces));
            QTest::keyClick(target, Qt::Key_Right);
        }
        QTest::keyClick(target, Qt::Key_End);

        QTest::keyClick(target, Qt::Key_Tab);
        QVERIFY(!target->hasFocus());
        QVERIFY(beside == nullptr || !beside->isVisible());
        QCOMPARE(target->cursorPosition(), 0);
        QVERIFY2(holdsWhole(shownToolTip(target)), qPrintable(shownToolTip(target)));
        if (!typed)
            target->setText(text); // and the cursor goes to its end, out of sight
        const QString shown = target->shownText();
        QVERIFY2(piecesOutsideText(target).isEmpty(), qPrintable(piecesOutsideText(target)));
        if (!cut) {
            QCOMPARE(shown, text);
            return;
        }
        QVERIFY2(shown.size() >= 2 && shown.endsWith(u'…'), qPrintable(shown));
        QVERIFY2(text.startsWith(shown.chopped(1)), qPrintable(shown));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QVERIFY(target->hasFocus());
        QCOMPARE(beside->isVisible() ? beside->text() : QString(), text); // shown again, for the same text

        // A click on the beginning shown puts the cursor there, not where the
        // text stood while the box had the focus.
        QTest::keyClick(target, Qt::Key_End);
        QTest::keyClick(target, Qt::Key_Tab);
        QApplication::processEvents(); // painted as the user sees it before a click
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(target->contentsRect().left() + 3, target->height() / 2));
        QCOMPARE(target->cursorPosition(), 0);
    }

    void boxLooksAsAPlainLineEditWould_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("focused");
        QTest::addColumn<bool>("cut");

        using L = QStringList;
        QTest::newRow("105,5 left in the narrow mass box") << L{"Text4=105,5"} << "Text4" << false << true;
        QTest::newRow("105,5 in the focused height box") << L{"Text1=105,5"} << "Text1" << true << false;
        QTest::newRow("a mark cleared, focused") << L{"Text1=x", "Text1=20"} << "Text1" << true << false;
        QTest::newRow("a mark cleared, left") << L{"Text5=x", "Text5=20"} << "Text5" << false << false;
    }

    // On screen, pixel for pixel, as a plain line edit showing the same: the
    // beginning and an ellipsis once left, the text and its cursor while
    // focused, and not a pixel of an error frame once a mark is cleared.
    void boxLooksAsAPlainLineEditWould()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, box);
        QFETCH(bool, focused);
        QFETCH(bool, cut);

        const int flashTime = QApplication::cursorFlashTime();
        QApplication::setCursorFlashTime(0); // a cursor that does not blink between two grabs
        for (const QString& step : steps)
            take(step);
        NumberBox* target = this->box(box);
        if (!focused)
            QTest::keyClick(target, Qt::Key_Tab);
        const QString shown = focused ? target->text() : target->shownText();
        QCOMPARE(shown.endsWith(u'…'), cut);
        const QImage image = target->grab().toImage();

        QLineEdit plain(shown, window().centralWidget());
        plain.setFont(target->font());
        plain.setGeometry(target->geometry());
        plain.show();
        if (focused)
            plain.setFocus();
        plain.setCursorPosition(focused ? int(shown.size()) : 0);
        const QImage expected = plain.grab().toImage();
        QApplication::setCursorFlashTime(flashTime);
        QVERIFY(image == expected);
    }

    void cursorComesBackFromAWhileAway_data()
    {
        QTest::addColumn<int>("reason");
        QTest::addColumn<int>("selectedBack"); // characters selected with Shift+Left from the cursor at 4, else at 3
        QTest::addColumn<int>("awayAt");
        QTest::addColumn<int>("backAt");
        QTest::addColumn<QString>("selected");

        QTest::newRow("own context menu") << int(Qt::PopupFocusReason) << 0 << 3 << 3 << "";
        QTest::newRow("menu bar") << int(Qt::MenuBarFocusReason) << 0 << 0 << 3 << "";
        QTest::newRow("menu bar, a selection made backwards") << int(Qt::MenuBarFocusReason) << 3 << 0 << 1 << "234";
        QTest::newRow("dialog or other program") << int(Qt::ActiveWindowFocusReason) << 0 << 0 << 3 << "";
        QTest::newRow("clicked elsewhere") << int(Qt::MouseFocusReason) << 0 << 0 << 0 << "";
        QTest::newRow("other") << int(Qt::OtherFocusReason) << 0 << 0 << 0 << "";
    }

    void cursorComesBackFromAWhileAway()
    {
        QFETCH(int, reason);
        QFETCH(int, selectedBack);
        QFETCH(int, awayAt);
        QFETCH(int, backAt);
        QFETCH(QString, selected);

        NumberBox* height = box(u"Text1"_s);
        retype(u"Text1"_s, u"12345"_s);
        QTest::keyClick(height, Qt::Key_Left);
        if (selectedBack == 0)
            QTest::keyClick(height, Qt::Key_Left);
        for (int i = 0; i < selectedBack; ++i)
            QTest::keyClick(height, Qt::Key_Left, Qt::ShiftModifier);
        QFocusEvent out(QEvent::FocusOut, Qt::FocusReason(reason));
        QApplication::sendEvent(height, &out);
        QCOMPARE(height->cursorPosition(), awayAt);
        QFocusEvent in(QEvent::FocusIn, Qt::FocusReason(reason));
        QApplication::sendEvent(height, &in);
        QCOMPARE(height->cursorPosition(), backAt);
        QCOMPARE(height->selectedText(), selected);
    }

    // The same through the real About dialog: typing goes on where it stopped.
    void typingGoesOnAfterAbout()
    {
        retype(u"Text1"_s, u"125"_s);
        QTest::keyClick(box(u"Text1"_s), Qt::Key_Left);
        int whileAway = -1;
        QTimer::singleShot(0, this, [&] {
            auto* about = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (about == nullptr || !QTest::qWaitFor([&] { return QApplication::activeWindow() == about; }))
                return;
            whileAway = box(u"Text1"_s)->cursorPosition();
            about->button(QMessageBox::Ok)->click();
        });
        window().aboutCommand()->trigger();
        window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        QTRY_VERIFY(box(u"Text1"_s)->hasFocus());
        QCOMPARE(whileAway, 0);
        QTest::keyClicks(box(u"Text1"_s), u"0"_s);
        QCOMPARE(box(u"Text1"_s)->text(), u"1205"_s);
    }

    void looksStayLegible_data()
    {
        QTest::addColumn<QPalette>("palette");

        QTest::newRow("light") << QApplication::style()->standardPalette();
        QPalette dark;
        for (const auto& [role, colour] : std::initializer_list<std::pair<QPalette::ColorRole, QColor>>{
                 {QPalette::Window, QColor(0x2d, 0x2d, 0x2d)}, {QPalette::WindowText, QColor(0xee, 0xee, 0xee)},
                 {QPalette::Base, QColor(0x1e, 0x1e, 0x1e)},   {QPalette::Text, QColor(0xee, 0xee, 0xee)},
                 {QPalette::Button, QColor(0x35, 0x35, 0x35)}, {QPalette::ButtonText, QColor(0xee, 0xee, 0xee)}})
            dark.setColor(role, colour);
        QTest::newRow("dark") << dark;
    }

    // Checked on the rendered pixels, after the scheme changed under a
    // marked box and a stale result: a frame that stands out from the
    // window, a fill as dark or light as the scheme's boxes with the text
    // legible on it, and a stale result weaker than a current one but legible.
    void looksStayLegible()
    {
        QFETCH(QPalette, palette);

        retype(u"Text1"_s, u"10"_s);
        retype(u"Text1"_s, u"x"_s);
        box(u"Text2"_s)->setFocus();
        QApplication::setPalette(palette);
        QCoreApplication::processEvents(); // the window takes a new scheme from the event queue
        const QImage image = window().centralWidget()->grab().toImage();
        const QColor window = palette.color(QPalette::Window);
        QCOMPARE(image.pixelColor(image.width() - 2, image.height() - 2), window);

        const QRect frame = box(u"Text1"_s)->geometry();
        const double frameContrast = contrast(image.pixelColor(frame.center().x(), frame.top()), window);
        QVERIFY2(frameContrast >= 4.5, qPrintable(QString::number(frameContrast)));
        const QColor fill = image.pixelColor(frame.right() - 4, frame.center().y());
        QVERIFY2(contrast(fill, palette.color(QPalette::Base)) < 1.5, qPrintable(fill.name()));
        QVERIFY(contrast(fill, palette.color(QPalette::Text)) >= 4.5);

        const double stale = strongestContrast(image, control<QLabel>("Label3")->geometry(), window);
        const double current = strongestContrast(image, control<QLabel>("Label4")->geometry(), window);
        QVERIFY2(stale >= 3.0 && stale < current * 0.75, qPrintable(u"%1 against %2"_s.arg(stale).arg(current)));
        // Where the scheme's text allows, a stale result is as legible as body text must be, and no more.
        if (QTest::currentDataTag() == "light"_L1)
            QVERIFY2(qAbs(stale - 4.5) <= 0.3, qPrintable(QString::number(stale)));
    }

    void copyingAResult_data()
    {
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("how"); // "menu X" right-clicks X and takes "Kopioi tulos", "copy X" presses Copy in X
        // Empty: the clipboard keeps what it held. Where a caption is cut depends on the font.
        QTest::addColumn<QString>("copied");
        // What a screen reader is told at once: "Kopioitu" and the copy where
        // empty, a refusal as given, and "-" for nothing said.
        QTest::addColumn<QString>("said");

        const QChar comma(u',');
        const QChar point(u'.');
        using L = QStringList;
        const QString stale = u"Ei kopioitu: tulos on vanhentunut"_s;
        const QString untouched = u"Ei kopioitu: tulosta ei ole vielä laskettu"_s;
        QTest::newRow("result's menu") << comma << L{"Text1=20"} << "menu Label3" << "64,1872" << "";
        QTest::newRow("result's menu, point") << point << L{"Text1=20"} << "menu Label3" << "64.1872" << "";
        QTest::newRow("a cut result's menu") << comma << L{"Text6=70,123456789", "pick Kuu"} << "menu Label16"
                                             << "11,92098765413" << "";
        QTest::newRow("a stale result's menu") << comma << L{"Text1=20", "Text1=20 m"} << "menu Label3" << ""
                                               << stale;
        QTest::newRow("an untouched result's menu") << comma << L{} << "menu Label11" << "" << untouched;
        QTest::newRow("a box's menu") << comma << L{"Text2=25"} << "menu Text2" << "65" << "";
        QTest::newRow("a box's menu, opened by keys") << comma << L{"Text2=25"} << "shift+F10 Text2" << "65" << "";
        QTest::newRow("a stale result's box's menu") << comma << L{"Text5=20", "Text5=-5"} << "menu Text5" << ""
                                                     << stale;
        QTest::newRow("a box's own copy of its selection") << comma << L{"Text1=20", "select Text1"}
                                                           << "menu Text1 Kopioi" << "20" << "";
        QTest::newRow("a box's own cut") << comma << L{"Text1=20", "select Text1"} << "menu Text1 Leikkaa" << "20"
                                         << "Leikattu 20";
        QTest::newRow("copy in the box") << comma << L{"Text1=20"} << "copy Text1" << "64,1872" << "";
        QTest::newRow("copy in the other alcohol box") << point << L{"Text4=80", "Text3=40"} << "copy Text4"
                                                       << "0.7576" << "";
        QTest::newRow("copy a selection in the box") << comma << L{"Text1=20", "select Text1"} << "copy Text1" << "20"
                                                     << "";
        QTest::newRow("copy in a stale result's box") << comma << L{"Text5=20", "Text5=-5"} << "copy Text5" << ""
                                                      << stale;
        QTest::newRow("copy in an untouched result's box") << comma << L{} << "copy Text2" << "" << untouched;
        QTest::newRow("copy in the body list") << comma << L{"Text6=70", "pick Jupiter"} << "copy Combo1" << "175"
                                               << "";
        QTest::newRow("copy in the body list, stale") << comma << L{"Text6="} << "copy Combo1" << "" << stale;
        QTest::newRow("copy on the check box") << comma << L{"Text2=25"} << "copy Check1" << "65" << "";
        QTest::newRow("copy on an option") << comma << L{"Text3=40", "Text4=80"} << "copy Option1" << "0,7576" << "";
        QTest::newRow("copy on the result itself") << comma << L{"Text1=20"} << "copy Label3" << "64,1872" << "";
        QTest::newRow("copy on a stale result itself") << comma << L{"Text5=20", "Text5=-5"} << "copy Label11" << ""
                                                       << stale;
        QTest::newRow("the check box's menu, by keys") << comma << L{"Text2=25"} << "shift+F10 Check1" << "65" << "";
        QTest::newRow("an option's menu") << comma << L{"Text3=40", "Text4=80"} << "menu Option2" << "0,7576" << "";
        QTest::newRow("the body list's menu, by keys") << comma << L{"Text6=70", "pick Kuu"} << "shift+F10 Combo1"
                                                       << "11,9" << "";
        QTest::newRow("the result's own menu, by keys") << comma << L{"Text1=x"} << "shift+F10 Label3" << ""
                                                        << stale;
        QTest::newRow("a double click, then Qt's own copy") << comma << L{"Text1=20", "double click Label3"}
                                                            << "menu Label3 Kopioi" << "64,1872" << "";
        QTest::newRow("a double click on a cut result") << comma
            << L{"Text6=70,123456789", "pick Kuu", "double click Label16"} << "menu Label16 Kopioi" << "11,92098765413"
            << "";
        QTest::newRow("all of a cut result") << comma
            << L{"Text6=70,123456789", "pick Kuu", "select all Label16"} << "menu Label16 Kopioi"
            << "11,92098765413 kg" << "";
        QTest::newRow("part of a cut result") << comma << L{"Text6=70,123456789", "pick Kuu", "drag Label16 3"}
                                              << "copy Label16" << "11," << "";
        QTest::newRow("all of a cut result, by key") << comma
            << L{"Text6=70,123456789", "pick Kuu", "select all Label16"} << "copy Label16" << "11,92098765413 kg"
            << "";
    }

    // A result travels as a number, never a figure that is not the answer.
    void copyingAResult()
    {
        QFETCH(QChar, separator);
        QFETCH(QStringList, steps);
        QFETCH(QString, how);
        QFETCH(QString, copied);
        QFETCH(QString, said);

        if (separator != u',')
            startProgram(separator.unicode());
        for (const QString& step : steps)
            take(step);
        // Where the window system has a selection, a result selected offers exactly what a copy takes.
        if (QApplication::clipboard()->supportsSelection() && !steps.isEmpty() && steps.last().contains(u"Label"_s))
            QCOMPARE(QApplication::clipboard()->text(QClipboard::Selection), copied);
        const QString sentinel = u"sentinel"_s;
        QApplication::clipboard()->setText(sentinel);
        QSignalSpy spoken(window().findChild<Announcer*>(), &Announcer::spoken);
        const QStringList words = how.split(u' ');
        auto* target = control<QWidget>(qPrintable(words[1]));
        if (words[0] == u"copy"_s) {
            target->setFocus();
            QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
        } else {
            const QStringList items = words[0] == u"shift+F10"_s ? contextMenuByKeys(target) : rightClick(target);
            if (qobject_cast<ResultLabel*>(target) != nullptr)
                QCOMPARE(items, (QStringList{u"Kopioi tulos"_s, u"-"_s, u"Kopioi"_s, u"-"_s, u"Valitse kaikki"_s}));
            else if (qobject_cast<NumberBox*>(target) != nullptr)
                QCOMPARE(items.mid(items.size() - 2), (QStringList{u"-"_s, u"Kopioi tulos"_s}));
            else
                QCOMPARE(items, QStringList{u"Kopioi tulos"_s});
            // Each item has a key of its own, "Kopioi tulos" too.
            QStringList keys;
            for (const QAction* action : QApplication::activePopupWidget()->actions())
                if (const qsizetype at = action->text().indexOf(u'&'); at >= 0)
                    keys << action->text().mid(at + 1, 1).toLower();
            QVERIFY(menuItem(u"Kopioi tulos"_s)->text().contains(u'&'));
            QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
            // Reached by the arrow keys even where it refuses, so that the user hears why.
            QAction* chosen = menuItem(words.size() > 2 ? words[2] : u"Kopioi tulos"_s);
            QVERIFY(chosen->isEnabled());
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            menu->setActiveAction(chosen);
            QTest::keyClick(menu, Qt::Key_Return); // the menu closes, then the item is carried out
        }
        QCOMPARE(QApplication::clipboard()->text(), copied.isEmpty() ? sentinel : copied);
        if (said.isEmpty() && !copied.isEmpty())
            said = u"Kopioitu "_s + copied;
        QCOMPARE(spoken.isEmpty() ? u"-"_s : spoken.takeLast()[0].toString(), said.isEmpty() ? u"-"_s : said);
        // A refusal shows where the user asked, too.
        if (said.startsWith(u"Ei "_s))
            QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), said);
    }

    // A screen reader hears what each run the user causes came to, once the
    // user pauses: through a notification shown, as screen readers speak
    // one; the caption when the result is current, else its first reason,
    // and nothing it heard last about the same calculation, but for a body
    // picked, which goes first and brings the rest with it.
    void screenReaderHearsEveryChange()
    {
        auto* announcer = window().findChild<Announcer*>();
        announcer->setPause(announcementPause / 4);
        QSignalSpy spoken(announcer, &Announcer::spoken);
        QAccessibleInterface* notification = QAccessible::queryAccessibleInterface(announcer);
        QCOMPARE(notification->role(), QAccessible::Notification);
        const auto after = [&](const QString& step) {
            take(step);
            if (!spoken.isEmpty())
                return u"said before the user paused"_s;
            QTest::qWait(int(announcementPause.count()));
            if (spoken.size() > 1)
                return u"said more than once"_s;
            return spoken.isEmpty() ? QString()
                                    : notification->text(QAccessible::Name) + u'|' + spoken.takeFirst()[0].toString();
        };
        const auto heard = [](const QString& text) { return text + u'|' + text; };
        QCOMPARE(after(u"Text1=0"_s), heard(u"0 km/h"_s));
        QCOMPARE(after(u"Text2=0"_s), heard(u"0 km/h"_s)); // each calculation remembers its own
        QCOMPARE(after(u"Text1=1000000"_s), heard(u"14352,7001 km/h"_s)); // whole, where the label cuts it
        QCOMPARE(after(u"Text5=20"_s), heard(u"2 s"_s));
        QCOMPARE(after(u"Text5=20x"_s), heard(u"Putoamiskorkeus(m): Virheellinen luku"_s));
        QCOMPARE(after(u"Text5=20y"_s), QString()); // the same reason again
        QCOMPARE(after(u"Text5=20"_s), heard(u"2 s"_s));
        QCOMPARE(after(u"Text2=25"_s), heard(u"65 km/h"_s));
        QCOMPARE(after(u"click Check1"_s), heard(u"44 km/h"_s));
        QCOMPARE(after(u"Text2=x"_s), heard(u"Jälkien pituus(m): Virheellinen luku"_s));
        QCOMPARE(after(u"click Check1"_s), heard(u"Jälkien pituus(m): Virheellinen luku"_s)); // a choice is answered
        QCOMPARE(after(u"Text2=25"_s), heard(u"65 km/h"_s));
        QCOMPARE(after(u"Text4=80"_s), heard(u"Juotu määrä(g): Arvon pitää olla suurempi kuin 0"_s));
        QCOMPARE(after(u"Text3=40"_s), heard(u"0,7576 promillea, sukupuolta ei valittu"_s));
        QCOMPARE(after(u"click Option1"_s), heard(u"0,6667 promillea"_s));
        QCOMPARE(after(u"click Option1"_s), heard(u"0,6667 promillea"_s)); // chosen again, answered again
        QCOMPARE(after(u"Text6=70"_s), heard(u"70 kg"_s));
        QCOMPARE(after(u"pick Jupiter"_s), heard(u"Jupiter, 175 kg"_s)); // the body picked first
        QCOMPARE(after(u"Text6="_s), heard(u"Painosi(kg): Arvo puuttuu"_s));
        QCOMPARE(after(u"pick Saturnus"_s), heard(u"Saturnus, Painosi(kg): Arvo puuttuu"_s)); // a body picked says all
        QCOMPARE(after(u"Text6=70"_s), heard(u"77 kg"_s));
        QCOMPARE(after(u"pick Merkurius"_s), heard(u"Merkurius, 28 kg"_s));
        QCOMPARE(after(u"pick Mars"_s), heard(u"Mars, 28 kg"_s)); // the same weight on another body
        QVERIFY(spoken.isEmpty());

        // Keys that come quicker than the pause are one burst, however long it lasts.
        announcer->setPause(announcementPause * 4);
        take(u"Text1=1"_s);
        for (int typed = 0; typed < 5 && spoken.isEmpty(); ++typed) {
            QTest::qWait(int(announcementPause.count()));
            QTest::keyClick(box(u"Text1"_s), Qt::Key_0);
        }
        QVERIFY(spoken.isEmpty());
        QTRY_COMPARE(spoken.size(), 1);
        QCOMPARE(spoken.takeFirst()[0].toString(), u"4538,7223 km/h"_s);
    }

    void keysExplainTheFocusedControl_data()
    {
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("tip"); // lines joined with "|"

        const QKeySequence ctrlF1(Qt::CTRL | Qt::Key_F1);
        const QKeySequence shiftF1(Qt::SHIFT | Qt::Key_F1);
        using L = QStringList;
        const QChar comma(u',');
        const QChar point(u'.');
        QTest::newRow("before any run") << comma << L{} << "Text1" << ctrlF1 << "√(206 · h) km/h";
        QTest::newRow("before any run, wet") << point << L{} << "Check1" << shiftF1
                                             << "13 · √L km/h (√L pyöristetty neljään desimaaliin)";
        QTest::newRow("current") << comma << L{"Text1=20"} << "Text1" << ctrlF1
                                 << "64,1872 km/h|√(206 · h) km/h, h = 20 m";
        QTest::newRow("current fall time, point") << point << L{"Text5=2.5"} << "Text5" << shiftF1
                                                  << "0.7071 s|√(h / 5) s, h = 2.5 m";
        QTest::newRow("stale, the box's own message first") << comma << L{"Text5=20", "Text5=20x"} << "Text5"
            << shiftF1 << "Virheellinen luku|Vanhentunut tulos|Putoamiskorkeus(m): Virheellinen luku";
        QTest::newRow("stale, from a neighbour") << comma << L{"Text3=abc"} << "Text4" << ctrlF1
            << "Vanhentunut tulos|Juotu määrä(g): Virheellinen luku|Henkilön massa(kg): Arvon pitää olla suurempi kuin 0";
        QTest::newRow("an option") << comma << L{"Text3=40", "Text4=80", "click Option1"} << "Option2" << ctrlF1
            << "0,6667 promillea|A / (m · r) promillea, A = 40 g, m = 80 kg, r = 0,75 (mies)|"
               "Arvio suurimmasta pitoisuudesta: alkoholin palamista ei ole otettu huomioon.";
        QTest::newRow("the body list") << comma << L{"Text6=70", "pick Kuu"} << "Combo1" << ctrlF1
                                       << "11,9 kg|m · k kg, m = 70 kg, k = 0,17 (Kuu)";
        QTest::newRow("a result clicked") << comma << L{"Text1=20"} << "Label3" << ctrlF1
                                          << "64,1872 km/h|√(206 · h) km/h, h = 20 m";
        QTest::newRow("a stale result clicked") << comma << L{"Text1=20", "Text1=x"} << "Label3" << shiftF1
                                                << "Vanhentunut tulos|Putoamiskorkeus(m): Virheellinen luku";
        QTest::newRow("a cut box") << comma << L{"Text3=40", "Text4=105,5"} << "Text4" << ctrlF1
            << "105,5|0,5745 promillea|A / (m · r) promillea, A = 40 g, m = 105,5 kg, r = 0,66 (sukupuolta ei valittu)|"
               "Arvio suurimmasta pitoisuudesta: alkoholin palamista ei ole otettu huomioon.";
        // Wider than any screen: read whole off a tip that fits the screen.
        const QString letters = u"x"_s + QString(1000, u'7');
        QTest::newRow("1000 digits after a letter") << comma << L{"Text5=" + letters} << "Text5" << ctrlF1
            << "Virheellinen luku|" + letters + "|Vanhentunut tulos|Putoamiskorkeus(m): Virheellinen luku";
    }

    // What the pointer would show, for a user of the keyboard: a tip at the
    // control that stays when the key is let go, and goes at Escape, at a key
    // that edits and when the focus moves on.
    void keysExplainTheFocusedControl()
    {
        QFETCH(QChar, separator);
        QFETCH(QStringList, steps);
        QFETCH(QString, control);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, tip);

        if (separator != u',')
            startProgram(separator.unicode());
        for (const QString& step : steps)
            take(step);
        auto* target = this->control<QWidget>(qPrintable(control));
        const auto shown = [&] {
            target->setFocus();
            QTest::keyPress(target, keys[0].key(), keys[0].keyboardModifiers());
            return QToolTip::isVisible() ? tipReadWhole(target).replace(u'\n', u'|') : QString();
        };
        QCOMPARE(shown(), tip);
        // Asked for again, with either key, the tip stays rather than going and
        // coming back, which a screen reader would take for the focus coming back.
        QWidget* tipWindow = nullptr;
        for (QWidget* each : QApplication::topLevelWidgets())
            tipWindow = each->inherits("QTipLabel") && each->isVisible() ? each : tipWindow;
        QVERIFY(tipWindow != nullptr);
        struct HideCounter : QObject {
            int hides = 0;
            bool eventFilter(QObject* /*watched*/, QEvent* event) override { hides += event->type() == QEvent::Hide; return false; }
        } counter;
        tipWindow->installEventFilter(&counter);
        for (const QKeySequence& again : {QKeySequence(Qt::SHIFT | Qt::Key_F1), QKeySequence(Qt::CTRL | Qt::Key_F1)})
            QTest::keyPress(target, again[0].key(), again[0].keyboardModifiers());
        QCOMPARE(counter.hides, 0);
        tipWindow->removeEventFilter(&counter);
        // A result clicked shows that it has the focus, as a box does by its frame and cursor.
        if (auto* result = qobject_cast<ResultLabel*>(target)) {
            box(u"Text6"_s)->setFocus();
            QTest::mouseClick(result, Qt::LeftButton, {}, QPoint(2, result->height() / 2));
            QVERIFY(result->hasFocus());
            const QImage focused = result->grab().toImage();
            box(u"Text6"_s)->setFocus();
            QVERIFY(result->grab().toImage() != focused);
        }
        // A tip that went with the focus takes its key with it: the next
        // tip, asked for by the pointer, stays at a key. Once is enough: the
        // rule is the same whatever the tip said.
        if (QTest::currentDataTag() == "current"_L1) {
            QWidget* elsewhere = box(u"Text2"_s);
            elsewhere->setFocus();
            QTRY_VERIFY(!QToolTip::isVisible());
            // The window system tells of the pointer's crossings into and
            // out of the tip's window late, and a crossing hides any tip.
            QTest::qWait(int(tipHidingDelay.count()));
            QToolTip::showText(elsewhere->mapToGlobal(QPoint()), u"osoitettu"_s, elsewhere);
            QTest::keyClick(elsewhere, Qt::Key_Shift);
            QTest::keyClick(elsewhere, Qt::Key_F1);
            QTest::qWait(int(tipHidingDelay.count()));
            QVERIFY(QToolTip::isVisible() && QToolTip::text() == u"osoitettu"_s);
        }
        // Gone as the key goes down, not when it is let go.
        for (const auto key : {Qt::Key_Escape, Qt::Key_Tab, qobject_cast<QLineEdit*>(target) ? Qt::Key_1 : Qt::Key_Space}) {
            QCOMPARE(shown(), tip);
            QWidget* pressedIn = QApplication::focusWidget();
            QTest::keyPress(pressedIn, key);
            QVERIFY(!QToolTip::isVisible());
            QTest::keyRelease(pressedIn, key);
        }
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
    // What QLineEdit keeps between where it clips its text and where it lays it out.
    static constexpr int lineEditMargin = 2;
    // Longer than the pause a screen reader's announcement waits for here.
    static constexpr std::chrono::milliseconds announcementPause{100};
    // Longer than a tool tip takes to hide once told to.
    static constexpr std::chrono::milliseconds tipHidingDelay{400};

    Form1& window() { return program_->window(); }

    void startProgram(char16_t separator)
    {
        program_.reset();
        program_ = std::make_unique<Program>(separator);
        program_->show();
        // A window manager activates a window it maps; an X server alone,
        // as the tests run on, leaves that to the window.
        window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
    }

    // Where a box shows anything but its panel (its base colour and, with
    // the focus, its focus frame and cursor) outside the characters it shows
    // whole: with the focus, those lying whole in the line a plain line edit
    // lays its text on, placed as the box's cursor places the text; without
    // it, the text shown from the line's beginning, one device pixel allowed
    // there for antialiasing.
    static QString piecesOutsideText(NumberBox* box)
    {
        struct Plain : QLineEdit {
            using QLineEdit::initStyleOption;
        } plain;
        plain.setFont(box->font());
        plain.resize(box->size());
        QStyleOptionFrame option;
        plain.initStyleOption(&option);
        const QRect line = plain.style()->subElementRect(QStyle::SE_LineEditContents, &option, &plain)
                               .adjusted(lineEditMargin, 0, -lineEditMargin, 0);
        const QImage image = box->grab().toImage();
        const QImage inside = plain.grab().toImage(); // the base colour where text may go
        QImage panel(image.size(), image.format());
        panel.setDevicePixelRatio(image.devicePixelRatio());
        panel.fill(Qt::transparent);
        option.state.setFlag(QStyle::State_Active, box->isActiveWindow());
        option.state.setFlag(QStyle::State_HasFocus, box->hasFocus());
        option.palette.setCurrentColorGroup(box->isActiveWindow() ? QPalette::Active : QPalette::Inactive);
        QPainter painter(&panel);
        plain.style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, &plain);

        const qreal ratio = image.devicePixelRatio();
        QList<std::pair<qreal, qreal>> shown; // from where to where whole characters show, in device pixels
        if (box->hasFocus()) {
            QTextLayout layout(box->text(), box->font(), box);
            layout.beginLayout();
            const QTextLine laidOut = layout.createLine();
            layout.endLayout();
            // QLineEdit stands its cursor on the whole pixel nearest to its
            // place, and centres its line in the box.
            const int top = line.top() + (line.height() - box->fontMetrics().height() + 1) / 2;
            const QPointF origin(box->cursorX() - qRound(laidOut.cursorToX(box->cursorPosition())), top);
            painter.setPen(box->palette().color(QPalette::Text));
            layout.drawCursor(&painter, origin, box->cursorPosition(),
                              box->style()->pixelMetric(QStyle::PM_TextCursorWidth));
            for (int i = 0; i < box->text().size(); ++i) {
                const qreal start = origin.x() + laidOut.cursorToX(i);
                const qreal end = origin.x() + laidOut.cursorToX(i + 1);
                if (start >= line.left() && end <= line.right() + 1)
                    shown.append({start * ratio, end * ratio});
            }
        } else {
            const int advance = box->fontMetrics().horizontalAdvance(box->shownText());
            shown.append({line.left() * ratio, (line.left() + advance) * ratio + 1});
        }
        painter.end();

        const QColor base = box->palette().color(QPalette::Base);
        for (int x = 0; x < image.width(); ++x) {
            if (std::any_of(shown.cbegin(), shown.cend(), [x](const auto& span) { return x + 1 > span.first && x < span.second; }))
                continue;
            for (int y = 0; y < image.height(); ++y)
                if (inside.pixelColor(x, y) == base && image.pixel(x, y) != panel.pixel(x, y))
                    return u"%1 at (%2, %3), the cursor at %4"_s.arg(image.pixelColor(x, y).name())
                        .arg(x).arg(y).arg(box->cursorPosition());
        }
        return {};
    }

    // Where the window shows no frame on the edges of `note`, drawn as the
    // style draws a tool tip's: on the outermost rows and columns of the
    // device pixels its edges round to.
    QString frameMissingFrom(QWidget* note)
    {
        const QImage image = window().grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        const QRect at(note->mapTo(&window(), QPoint(0, 0)), note->size());
        const QRect covered(QPoint(qRound(at.left() * ratio), qRound(at.top() * ratio)),
                            QPoint(qRound((at.right() + 1) * ratio) - 1, qRound((at.bottom() + 1) * ratio) - 1));
        const QColor frame = note->palette().color(QPalette::ToolTipText);
        QList<QPoint> edges;
        for (int x = covered.left(); x <= covered.right(); ++x)
            edges << QPoint(x, covered.top()) << QPoint(x, covered.bottom());
        for (int y = covered.top(); y <= covered.bottom(); ++y)
            edges << QPoint(covered.left(), y) << QPoint(covered.right(), y);
        for (const QPoint& edge : std::as_const(edges))
            if (image.pixelColor(edge) != frame)
                return u"%1 at (%2, %3) on the edge of %4"_s.arg(image.pixelColor(edge).name())
                    .arg(edge.x()).arg(edge.y()).arg(QDebug::toString(covered));
        return {};
    }

    // Where anything but `background` is painted inside the widget's frame, in its own pixels.
    static QRectF inkInside(QWidget* widget, const QColor& background)
    {
        const QImage image = widget->grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        const int frame = qCeil(2 * ratio);
        QRect ink;
        for (int y = frame; y < image.height() - frame; ++y)
            for (int x = frame; x < image.width() - frame; ++x)
                if (contrast(image.pixelColor(x, y), background) > 1.5)
                    ink |= QRect(x, y, 1, 1);
        return {ink.x() / ratio, ink.y() / ratio, ink.width() / ratio, ink.height() / ratio};
    }

    // Where the widget paints its selection's background, in its own pixels.
    static QRectF highlightIn(QWidget* widget)
    {
        const QImage image = widget->grab().toImage();
        const QRgb highlight = widget->palette().color(QPalette::Highlight).rgb();
        QRect painted;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == highlight)
                    painted |= QRect(x, y, 1, 1);
        const qreal ratio = image.devicePixelRatio();
        return {painted.x() / ratio, painted.y() / ratio, painted.width() / ratio, painted.height() / ratio};
    }

    // Where anything but `background` is painted in `area` of `image`, in its pixels.
    static QRect inkIn(const QImage& image, const QRect& area, const QColor& background)
    {
        QRect ink;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (contrast(image.pixelColor(x, y), background) > 1.5)
                    ink |= QRect(x, y, 1, 1);
        return ink;
    }

    // The ink of each line a note paints inside its frame, top to bottom:
    // rows of ink with none between them.
    static QList<QRect> paintedLines(const QImage& image, const QColor& background)
    {
        const int frame = qCeil(2 * image.devicePixelRatio());
        QList<QRect> lines;
        for (int y = frame; y < image.height() - frame; ++y) {
            const QRect row = inkIn(image, QRect(frame, y, image.width() - 2 * frame, 1), background);
            if (!row.isEmpty() && !lines.isEmpty() && lines.last().bottom() == y - 1)
                lines.last() |= row;
            else if (!row.isEmpty())
                lines << row;
        }
        return lines;
    }

    // The WCAG contrast ratio, from 1 to 21.
    static double contrast(const QColor& a, const QColor& b)
    {
        const auto luminance = [](const QColor& colour) {
            const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
            return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
        };
        const auto [darker, lighter] = std::minmax({luminance(a), luminance(b)});
        return (lighter + 0.05) / (darker + 0.05);
    }

    // How far a caption's inked pixels stand out from the window at most.
    static double strongestContrast(const QImage& image, const QRect& area, const QColor& window)
    {
        double strongest = 1.0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                strongest = std::max(strongest, contrast(image.pixelColor(x, y), window));
        return strongest;
    }

    static QString accessibleText(QWidget* widget, QAccessible::Text text)
    {
        return QAccessible::queryAccessibleInterface(widget)->text(text);
    }

    // What a user hovering over the widget reads: the tool tip as shown,
    // without the markup that keeps a text plain.
    static QString shownToolTip(QWidget* widget)
    {
        // A tip hides after a delay; the one shown before must not answer for this widget.
        for (QWidget* shown : QApplication::topLevelWidgets())
            if (shown->inherits("QTipLabel"))
                delete shown;
        const QPoint centre = widget->rect().center();
        QHelpEvent help(QEvent::ToolTip, centre, widget->mapToGlobal(centre));
        QApplication::sendEvent(widget, &help);
        if (!QToolTip::isVisible())
            return {};
        const QString text = tipReadWhole(widget);
        return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
    }

    // The tip shown for `widget`, its lines broken to fit joined again, or
    // where its window reaches past the room on the widget's screen.
    static QString tipReadWhole(QWidget* widget)
    {
        const QRect room = widget->screen()->availableGeometry();
        for (QWidget* shown : QApplication::topLevelWidgets())
            if (shown->inherits("QTipLabel") && shown->isVisible() && !room.contains(shown->geometry()))
                return u"a tip at %1 past %2"_s.arg(QDebug::toString(shown->geometry()), QDebug::toString(room));
        return QToolTip::text().remove(QChar::LineSeparator);
    }

    // Right-clicks through the window system, as a mouse does, and gives the
    // items of the menu that opens, "-" for a separator.
    QStringList rightClick(QWidget* target)
    {
        const QPoint point = target->mapTo(&window(), QPoint(4, target->height() / 2));
        QTest::mouseClick(window().windowHandle(), Qt::RightButton, {}, point);
        return itemsOfMenuOpen();
    }

    QStringList contextMenuByKeys(QWidget* target)
    {
        target->setFocus();
        QTest::keyClick(target, Qt::Key_F10, Qt::ShiftModifier);
        // Its first item active, so that a screen reader has something to say.
        const auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu != nullptr && menu->activeAction() != menu->actions().value(0))
            return {u"no first item active"_s};
        return itemsOfMenuOpen();
    }

    static QStringList itemsOfMenuOpen()
    {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr)
            return {u"no menu"_s};
        QStringList items;
        for (const QAction* action : menu->actions())
            items << (action->isSeparator() ? u"-"_s : action->text().section(u'\t', 0, 0).remove(u'&'));
        return items;
    }

    static QAction* menuItem(const QString& text)
    {
        for (QAction* action : QApplication::activePopupWidget()->actions())
            if (action->text().section(u'\t', 0, 0).remove(u'&') == text)
                return action;
        qFatal("no menu item %s", qPrintable(text));
    }

    // A step of a table: "Text5=20" retypes a box, "click Option2" clicks a
    // button, "paste Text1=20\n" pastes over a box's text from the clipboard,
    // "pick Kuu" picks a body from the list with the keyboard,
    // "select Text1" selects a box's text, "double click Label3" double-clicks,
    // "drag Label16 3" selects the first three characters with the mouse;
    // as a screen reader edits, "insert Text5 1 0" puts "0" at offset 1 and
    // "delete Text5 1 2" takes out what stands from offset 1 to 2.
    void take(const QString& step)
    {
        const QStringList words = step.split(u' ');
        if (words[0] == u"insert"_s || words[0] == u"delete"_s) {
            QAccessibleEditableTextInterface* editable =
                QAccessible::queryAccessibleInterface(box(words[1]))->editableTextInterface();
            if (words[0] == u"insert"_s)
                editable->insertText(words[2].toInt(), words[3]);
            else
                editable->deleteText(words[2].toInt(), words[3].toInt());
        } else if (words[0] == u"drag"_s) {
            auto* label = control<QLabel>(qPrintable(words[1]));
            const int y = label->height() / 2;
            const int end = label->fontMetrics().horizontalAdvance(label->text().left(words[2].toInt()));
            QTest::mousePress(label, Qt::LeftButton, {}, QPoint(0, y));
            QTest::mouseMove(label, QPoint(end, y));
            QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(end, y));
        } else if (step.startsWith(u"click "_s)) {
            QTest::mouseClick(control<QAbstractButton>(qPrintable(step.mid(6))), Qt::LeftButton);
        } else if (step.startsWith(u"double click "_s)) {
            QTest::mouseDClick(control<QLabel>(qPrintable(step.mid(13))), Qt::LeftButton, {}, QPoint(4, 8));
        } else if (step.startsWith(u"select all "_s)) {
            rightClick(control<QLabel>(qPrintable(step.mid(11))));
            menuItem(u"Valitse kaikki"_s)->trigger();
            QApplication::activePopupWidget()->close();
        } else if (step.startsWith(u"select "_s)) {
            box(step.mid(7))->setFocus();
            QTest::keyClick(box(step.mid(7)), Qt::Key_A, Qt::ControlModifier);
        } else if (step.startsWith(u"paste "_s)) {
            NumberBox* target = box(step.mid(6).section(u'=', 0, 0));
            QApplication::clipboard()->setText(step.section(u'=', 1));
            target->setFocus();
            QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        } else if (step.startsWith(u"pick "_s)) {
            auto* list = window().bodyList();
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Home);
            while (list->currentText() != step.mid(5) && list->currentIndex() + 1 < list->count())
                QTest::keyClick(list, Qt::Key_Down);
        } else {
            retype(step.section(u'=', 0, 0), step.section(u'=', 1));
        }
    }

    template <typename Control>
    Control* control(const char* name)
    {
        auto* found = window().findChild<Control*>(QLatin1StringView(name));
        if (found == nullptr)
            qFatal("no control %s", name);
        return found;
    }
    NumberBox* box(const QString& name) { return control<NumberBox>(qPrintable(name)); }
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
