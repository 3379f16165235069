#include "fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The captions' family where it is installed, else its metric twin. Asking
// for the twin by name spares the font matcher a search for a family that
// is not there, for every size the window uses.
QString captionFamily()
{
    static const QString family = [] {
        const QString wanted = u"MS Sans Serif"_s;
        return QFontDatabase::hasFamily(wanted) ? wanted : u"Liberation Sans"_s;
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

int captionWidth(const QFont& font, const QString& caption)
{
    if (caption.isEmpty())
        return 0;
    const QFontMetricsF metrics(font);
    const qreal overhang = std::max(0.0, -metrics.rightBearing(caption.back()));
    return static_cast<int>(std::ceil(metrics.horizontalAdvance(caption) + overhang));
}
