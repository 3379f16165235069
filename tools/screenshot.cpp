// Renders the real window offscreen, with a result in every calculation and
// one fall height spoilt by a unit typed after it (a marked box beside its
// stale result), into the PNG named on the command line: the picture in the README.

#include "program.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

void type(Form1& window, const QString& box, const QString& text)
{
    window.findChild<QLineEdit*>(box)->setText(text);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        qCritical("usage: screenshot OUTPUT.png");
        return 2;
    }
    Program program(u',');
    Form1& window = program.window();
    window.findChild<QRadioButton*>(u"Option1"_s)->setChecked(true);
    type(window, u"Text1"_s, u"10"_s);
    type(window, u"Text2"_s, u"25"_s);
    type(window, u"Text3"_s, u"50"_s);
    type(window, u"Text4"_s, u"80"_s);
    type(window, u"Text5"_s, u"20"_s);
    type(window, u"Text5"_s, u"20 m"_s);
    type(window, u"Text6"_s, u"70"_s);
    program.show();
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
