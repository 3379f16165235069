#pragma once

#include <QFont>

// The captions' font. Its family is missing on Linux, where its
// metric-compatible twin stands in, keeping each caption about as wide as
// the layout was drawn for.
[[nodiscard]] QFont labelFont();

// The font of the boxes, buttons and list, the platform's classic dialog
// font: the same family a size smaller, so that text fits boxes 19 pixels high.
[[nodiscard]] QFont controlFont();
