#pragma once

#include <QColor>
#include <QPalette>

#include <optional>

class QWidget;

// The colours that tell a stale result and a marked box, derived from the
// palette in use, so that they stay legible under a light and a dark colour
// scheme alike. Contrast is the WCAG ratio, from 1 (none) to 21.
[[nodiscard]] double contrast(const QColor& a, const QColor& b);

// Text weaker than a current result's: half its contrast against the window,
// but at least 3:1 and, where the palette's own text reaches it, 4.5:1.
[[nodiscard]] QColor staleTextColour(const QPalette& palette);

// A red frame with at least 4.5:1 against the window.
[[nodiscard]] QColor errorFrameColour(const QPalette& palette);

// The box's own fill, tinted towards the frame, as dark or light as the
// scheme; the box's text keeps at least 4.5:1 on it where it had that before.
[[nodiscard]] QColor errorFillColour(const QPalette& palette);

// Gives `widget` a colour of its own for `role`, or, with none, every colour
// it inherits again, so that a later change of scheme reaches it.
void setOwnColour(QWidget* widget, QPalette::ColorRole role, const std::optional<QColor>& colour);
