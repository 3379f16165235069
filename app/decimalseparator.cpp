#include "decimalseparator.h"

#include <QLocale>

char16_t userDecimalSeparator()
{
    const QString separator = QLocale::system().decimalPoint();
    // Every locale Qt knows has a one-unit separator; anything else falls back to the point.
    return separator.size() == 1 ? separator.front().unicode() : u'.';
}
