#include "about.h"

#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace {

const QChar carriageReturn(u'\r');

QString contactLine()
{
    return u"E-mail:"_s + u"vemparo@example.com"_s + u"  "_s + u"WWW:"_s + u"https://www.example.com/vemparo"_s;
}

} // namespace

QString aboutMessage(const QString& caption)
{
    return caption + u" suunnittelu ja toteutus Nuvola. "_s + carriageReturn + contactLine() + carriageReturn
        + u"Tällä ohjelmalla voit laskea kaikkea fysiikkaan ja matematiikkaan liittyvää"_s;
}

void showAbout(QWidget* window)
{
    const QString caption = window->windowTitle();
    QMessageBox box(QMessageBox::Information, u"Info "_s + caption, aboutMessage(caption), QMessageBox::Ok, window);
    box.setObjectName(u"about"_s);
    // Some styles draw a lone carriage return as a blank; a line feed breaks the line on every one.
    box.setText(box.text().replace(carriageReturn, QChar(u'\n')));
    box.exec();
}
