#include "program.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStyle>
#include <QtTest>

using namespace Qt::StringLiterals;

// Where every control stands, in device-independent pixels (the layout was
// drawn in twips, 15 to a pixel). A label's width follows its caption.
class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        program_ = std::make_unique<Program>(u',');
        program_->show();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
    }
    void cleanup()
    {
        program_.reset();
        QApplication::setLayoutDirection(Qt::LeftToRight);
    }

    void controlStandsInPlace_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");

        const QList<std::pair<const char*, QRect>> table{
            // Check1 stops where Label4 starts and Option1 where Option2 starts.
            {"Label1", {120, 120, 3885, 240}},   {"Label2", {120, 480, 1890, 240}},
            {"Text1", {2040, 480, 1215, 285}},   {"Label3", {3360, 480, 585, 240}},
            {"Label6", {120, 960, 3600, 240}},   {"Label5", {120, 1320, 1545, 240}},
            {"Text2", {1680, 1320, 735, 285}},   {"Check1", {2520, 1320, 840, 315}},
            {"Label4", {3360, 1320, 585, 240}},  {"Label7", {120, 1800, 3165, 240}},
            {"Option1", {2520, 2040, 735, 240}}, {"Label8", {120, 2160, 1395, 240}},
            {"Text3", {1560, 2160, 855, 285}},   {"Option2", {2520, 2280, 855, 255}},
            {"Label10", {120, 2520, 1845, 240}}, {"Text4", {2040, 2520, 375, 285}},
            {"Label9", {2520, 2520, 990, 240}},  {"Label13", {120, 3000, 4140, 240}},
            {"Label12", {120, 3360, 1890, 240}}, {"Text5", {2040, 3360, 1335, 285}},
            {"Label11", {3480, 3360, 255, 240}}, {"Label14", {120, 3840, 2550, 240}},
            {"Label15", {120, 4200, 1065, 240}}, {"Text6", {1320, 4200, 495, 315}},
            {"Combo1", {1920, 4200, 1455, 315}}, {"Label16", {3480, 4200, 375, 240}},
        };
        for (const auto& [name, twips] : table)
            QTest::newRow(name) << QString::fromLatin1(name) << twips;
    }

    void controlStandsInPlace()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);

        const QWidget* control = window().centralWidget()->findChild<QWidget*>(name);
        QVERIFY(control != nullptr);
        QVERIFY(control->isVisible());
        const QRect expected(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
        QCOMPARE(control->pos(), expected.topLeft());
        QCOMPARE(control->height(), expected.height());
        if (const auto* label = qobject_cast<const QLabel*>(control)) {
            // The substitute font keeps a caption within a few pixels of the width it was drawn for...
            QVERIFY2(qAbs(label->width() - expected.width()) <= expected.width() / 8 + 4,
                     qPrintable(u"%1 is %2 px wide"_s.arg(name).arg(label->width())));
            // ...and never clips it.
            QVERIFY(label->width() >= label->sizeHint().width());
        } else {
            QCOMPARE(control->width(), expected.width());
        }
    }

    void clientAreaHasItsSizeAndKeepsIt()
    {
        QCOMPARE(window().centralWidget()->size(), QSize(4905 / 15, 4680 / 15));
        QCOMPARE(window().centralWidget()->y(), window().menuBar()->height());
        QCOMPARE(window().minimumSize(), window().maximumSize());
        QVERIFY(!window().windowFlags().testFlag(Qt::WindowMaximizeButtonHint)); // it would do nothing
    }

    // Right to left, every control stands where a layout would mirror it,
    // and a cut number still reads from its beginning to its ellipsis, and
    // whole, from left to right, in the note beside its box.
    void mirrorsRightToLeft()
    {
        const auto cutNumbers = [this] {
            window().findChild<QLineEdit*>(u"Text4"_s)->setText(u"105,5"_s);
            window().findChild<QLineEdit*>(u"Text1"_s)->setText(u"1000000"_s);
            return QList{window().findChild<QWidget*>(u"Text4"_s)->grab().toImage(),
                         window().findChild<QWidget*>(u"Label3"_s)->grab().toImage()};
        };
        const auto wholeNote = [this] {
            window().activateWindow();
            const bool active = QTest::qWaitForWindowActive(&window());
            window().findChild<QWidget*>(u"Text4"_s)->setFocus();
            auto* note = window().findChild<QWidget*>(u"Text4Whole"_s);
            return active && note != nullptr && note->isVisible()
                ? std::pair(note->geometry(), note->grab().toImage())
                : std::pair(QRect(), QImage());
        };
        const QRect client = window().centralWidget()->rect();
        QMap<QString, QRect> mirrored;
        for (const QWidget* control : window().centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            mirrored.insert(control->objectName(), QStyle::visualRect(Qt::RightToLeft, client, control->geometry()));
        const QList<QImage> leftToRight = cutNumbers();
        const auto [noteAt, note] = wholeNote();
        QVERIFY(!note.isNull());

        QApplication::setLayoutDirection(Qt::RightToLeft);
        init();
        for (const QWidget* control : window().centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QCOMPARE(control->geometry(), mirrored.value(control->objectName()));
        noControlsOverlap();
        QCOMPARE(cutNumbers(), leftToRight);
        QCOMPARE(wholeNote(), std::pair(QStyle::visualRect(Qt::RightToLeft, client, noteAt), note));
    }

    // Only Label9 and Option2 were drawn overlapping, by one pixel row.
    void noControlsOverlap()
    {
        const QSet<QString> allowed{u"Label9"_s, u"Option2"_s};
        const QList<QWidget*> controls = window().centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QCOMPARE(controls.size(), 26);
        for (qsizetype i = 0; i < controls.size(); ++i) {
            for (qsizetype j = i + 1; j < controls.size(); ++j) {
                const QString pair = controls[i]->objectName() + u" and "_s + controls[j]->objectName();
                const bool overlap = controls[i]->geometry().intersects(controls[j]->geometry());
                const bool permitted = allowed.contains(controls[i]->objectName())
                    && allowed.contains(controls[j]->objectName());
                QVERIFY2(!overlap || permitted, qPrintable(pair));
            }
        }
    }

    void everythingFitsInTheClientArea()
    {
        const QRect client = window().centralWidget()->rect();
        for (const QWidget* control : window().centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(client.contains(control->geometry()), qPrintable(control->objectName()));
    }

    // A long result grows its label to the right; nothing else moves.
    void longResultWidensItsLabelOnly()
    {
        QList<QRect> before;
        const QList<QWidget*> controls = window().centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (const QWidget* control : controls)
            before << control->geometry();
        auto* speed = window().findChild<QLabel*>(u"Label3"_s);
        const QRect speedBefore = speed->geometry();

        auto* height = window().findChild<QLineEdit*>(u"Text1"_s);
        height->selectAll();
        QTest::keyClicks(height, u"100000"_s);
        QCOMPARE(speed->text(), u"4538,7223 km/h"_s);

        QCOMPARE(speed->pos(), speedBefore.topLeft());
        QVERIFY(speed->width() > speedBefore.width());
        QVERIFY(speed->width() >= speed->sizeHint().width());
        for (qsizetype i = 0; i < controls.size(); ++i) {
            if (controls[i] != speed)
                QCOMPARE(controls[i]->geometry(), before[i]);
        }
    }

    void captionsUseTheLabelFont()
    {
        for (const QLabel* label : window().centralWidget()->findChildren<QLabel*>()) {
            QCOMPARE(label->font().pointSizeF(), 9.75);
            QCOMPARE(label->font().weight(), QFont::Normal);
            // The family itself is missing here; a metric-compatible face must stand in.
            QCOMPARE(QFontInfo(label->font()).family(), u"Liberation Sans"_s);
        }
    }

private:
    Form1& window() { return program_->window(); }

    std::unique_ptr<Program> program_;
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
