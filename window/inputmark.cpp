#include "inputmark.h"

#include <QLineEdit>

namespace {

constexpr const char* invalidProperty = "invalid";

// Only the frame and the background change, so the text stays as legible as before.
constexpr auto invalidLook = "QLineEdit { border: 1px solid #c00000; background: #fff0f0; color: black; }";

} // namespace

QString errorMessage(values::ErrorKind kind)
{
    switch (kind) {
    case values::ErrorKind::TypeMismatch:
        return QStringLiteral("Virheellinen luku");
    case values::ErrorKind::Overflow:
        return QStringLiteral("Luku on liian suuri");
    case values::ErrorKind::DivisionByZero:
        return QStringLiteral("Jako nollalla");
    case values::ErrorKind::InvalidArgument:
        return QStringLiteral("Arvo ei voi olla negatiivinen");
    }
    return {};
}

void markInvalid(QLineEdit* box, values::ErrorKind kind)
{
    const QString message = errorMessage(kind);
    box->setProperty(invalidProperty, true);
    box->setStyleSheet(QString::fromLatin1(invalidLook));
    box->setToolTip(message);
    box->setAccessibleDescription(message);
}

void clearMark(QLineEdit* box)
{
    if (!isMarkedInvalid(box))
        return;
    box->setProperty(invalidProperty, false);
    box->setStyleSheet({});
    box->setToolTip({});
    box->setAccessibleDescription({});
}

bool isMarkedInvalid(const QLineEdit* box) { return box->property(invalidProperty).toBool(); }
