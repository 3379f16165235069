#pragma once

#include <QFont>

// The captions' font. Its family is missing on Linux, where its
// metric-compatible twin stands in, keeping each caption about as wide as
// the layout was drawn for.
[[nodiscard]] QFont labelFont();

// The font of the boxes, buttons and list, the platform's classic dialog
// font: the same family a size smaller, so that text fits boxes 19 pixels high.
[[nodiscard]] QFont controlFont();

// The width `caption` takes in `font`, a last glyph that reaches past its
// advance included, as a label's size hint would give it, but without laying
// out a text document: a selectable label lays one out six times over to
// answer, which made a keystroke several times slower than typing into a box
// that computes nothing.
[[nodiscard]] int captionWidth(const QFont& font, const QString& caption);
