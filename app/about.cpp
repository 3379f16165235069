#include "about.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <QtMath>

using namespace Qt::StringLiterals;

namespace {

const QChar carriageReturn(u'\r');

QString contactLine()
{
    return u"E-mail:"_s + u"vemparo@example.com"_s + u"  "_s + u"WWW:"_s + u"https://www.example.com/vemparo"_s;
}

// The box wraps a text wider than half the screen to a width of its own
// choosing, and a wrap may fall inside an address, after a slash or a dot.
// A label as wide as the contact line keeps both addresses whole. Never
// wider than the screen leaves beside the icon and the margins, though: the
// box would then be cut at the screen's width with its text.
void keepContactLineWhole(QMessageBox& box)
{
    auto* label = box.findChild<QLabel*>(u"qt_msgbox_label"_s);
    const int contactLineWidth = qCeil(QFontMetricsF(label->font()).horizontalAdvance(contactLine()));
    const int besideLabel = box.layout()->minimumSize().width() - label->minimumSizeHint().width();
    const int room = box.screen()->availableGeometry().width() - besideLabel;
    label->setMinimumWidth(qMin(contactLineWidth, room));
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
    keepContactLineWhole(box);
    box.exec();
}
