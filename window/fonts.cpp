#include "fonts.h"

using namespace Qt::StringLiterals;

namespace {

QString captionFamily()
{
    static const QString family = [] {
        QString name = u"MS Sans Serif"_s;
        QFont::insertSubstitution(name, u"Liberation Sans"_s);
        return name;
    }();
    return family;
}

QFont sized(qreal points)
{
    QFont font(captionFamily());
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace

QFont labelFont() { return sized(9.75); }

QFont controlFont() { return sized(8.25); }
