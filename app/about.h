#pragma once

#include <QString>

class QWidget;

// The About message as the program has always built it: two lines broken by
// lone carriage returns.
[[nodiscard]] QString aboutMessage(const QString& caption);

// Shows it in a modal information box titled "Info " and the window's caption.
void showAbout(QWidget* window);
