#pragma once

#include "error.h"

#include <QString>

class QLineEdit;

// A box whose text made its calculation fail shows it at once, without a
// dialog and without taking the focus: a red frame, and a short message in
// its tool tip and accessible description for mouse and screen-reader users.
[[nodiscard]] QString errorMessage(values::ErrorKind kind);
void markInvalid(QLineEdit* box, values::ErrorKind kind);
void clearMark(QLineEdit* box);
[[nodiscard]] bool isMarkedInvalid(const QLineEdit* box);
