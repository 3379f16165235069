#pragma once

#include <QColor>
#include <QObject>
#include <QPalette>

#include <functional>
#include <optional>

class QWidget;

// The colours that tell a stale result and a marked box, derived from the
// palette in use, so that they stay legible under a light and a dark colour
// scheme alike. Contrast is the WCAG ratio, from 1 (none) to 21.
[[nodiscard]] double contrast(const QColor& a, const QColor& b);

// Text weaker than a current result's: half its contrast against the window,
// kept between 3:1, still legible, and 4.5:1, clearly weaker than the text.
[[nodiscard]] QColor staleTextColour(const QPalette& palette);

// A red frame with at least 4.5:1 against the window.
[[nodiscard]] QColor errorFrameColour(const QPalette& palette);

// The box's own fill, tinted towards the frame, as dark or light as the
// scheme; the box's text keeps at least 4.5:1 on it where it had that before.
[[nodiscard]] QColor errorFillColour(const QPalette& palette);

// A colour of a widget's own for one role, worked out by `colourFor` from
// the palette the widget inherits, and again whenever that palette changes,
// so that a change of scheme reaches it. Where `colourFor` gives none, the
// widget inherits every colour again.
class OwnColour : public QObject {
public:
    using Rule = std::function<std::optional<QColor>(const QPalette& inherited)>;

    OwnColour(QWidget* widget, QPalette::ColorRole role, Rule colourFor);

    // Works the colour out again, as the widget's state changed.
    void update();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* widget_;
    QPalette::ColorRole role_;
    Rule colourFor_;
    bool owned_ = false;
    bool updating_ = false;
};
