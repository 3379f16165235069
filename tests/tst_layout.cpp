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

        // As the window's own table has it: where each control was drawn.
        for (const Form1::Row& row : Form1::rows()) {
            const QString name = QStringView(row.name).toString();
            QTest::newRow(qPrintable(name)) << name << row.twips;
        }
    }

    void controlStandsInPlace()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);

        const QWidget* control = window().centralWidget()->findChild<QWidget*>(name);
        QVERIFY(control != nullptr);
        QVERIFY(control->isVisible());
        const QRect expected(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
        QCOMPARE(placeOf(control).topLeft(), expected.topLeft());
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
        for (const QWidget* control : controls())
            mirrored.insert(control->objectName(), QStyle::visualRect(Qt::RightToLeft, client, placeOf(control)));
        const QList<QImage> leftToRight = cutNumbers();
        const auto [noteAt, note] = wholeNote();
        QVERIFY(!note.isNull());

        QApplication::setLayoutDirection(Qt::RightToLeft);
        init();
        for (const QWidget* control : controls())
            QCOMPARE(placeOf(control), mirrored.value(control->objectName()));
        noControlsOverlap();
        QCOMPARE(cutNumbers(), leftToRight);
        QCOMPARE(wholeNote(), std::pair(QStyle::visualRect(Qt::RightToLeft, client, noteAt), note));
    }

    // Only Label9 and Option2 were drawn overlapping, by one pixel row.
    void noControlsOverlap()
    {
        const QSet<QString> allowed{u"Label9"_s, u"Option2"_s};
        const QList<QWidget*> controls = this->controls();
        QCOMPARE(controls.size(), 26);
        for (qsizetype i = 0; i < controls.size(); ++i) {
            for (qsizetype j = i + 1; j < controls.size(); ++j) {
                const QString pair = controls[i]->objectName() + u" and "_s + controls[j]->objectName();
                const bool overlap = placeOf(controls[i]).intersects(placeOf(controls[j]));
                const bool permitted = allowed.contains(controls[i]->objectName())
                    && allowed.contains(controls[j]->objectName());
                QVERIFY2(!overlap || permitted, qPrintable(pair));
            }
        }
    }

    void everythingFitsInTheClientArea()
    {
        const QRect client = window().centralWidget()->rect();
        for (const QWidget* control : controls())
            QVERIFY2(client.contains(placeOf(control)), qPrintable(control->objectName()));
    }

    // A long result grows its label to the right; nothing else moves.
    void longResultWidensItsLabelOnly()
    {
        QList<QRect> before;
        const QList<QWidget*> controls = this->controls();
        for (const QWidget* control : controls)
            before << placeOf(control);
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
                QCOMPARE(placeOf(controls[i]), before[i]);
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

    // The controls of the window's table, groups aside.
    QList<QWidget*> controls()
    {
        QList<QWidget*> found;
        for (const Form1::Row& row : Form1::rows())
            if (row.kind != Form1::Kind::Group)
                found << window().centralWidget()->findChild<QWidget*>(QStringView(row.name).toString());
        return found;
    }
    // Where a control stands in the client area, also inside a group.
    QRect placeOf(const QWidget* control)
    {
        return {control->mapTo(window().centralWidget(), QPoint()), control->size()};
    }

    std::unique_ptr<Program> program_;
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
