#include "looks.h"

#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

double relativeLuminance(const QColor& colour)
{
    const auto linear = [](float channel) {
        return channel <= 0.04045F ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

QColor mix(const QColor& from, const QColor& to, double share)
{
    const auto blend = [share](float a, float b) { return static_cast<float>(a + (b - a) * share); };
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    return QColor::fromRgbF(blend(a.redF(), b.redF()), blend(a.greenF(), b.greenF()), blend(a.blueF(), b.blueF()));
}

// The largest share of `to` mixed into `from` that keeps `floor` contrast
// against `background`; contrast falls as the share grows.
double largestShareKeeping(const QColor& from, const QColor& to, const QColor& background, double floor)
{
    double kept = 0.0;
    double lost = 1.0;
    if (contrast(mix(from, to, lost), background) >= floor)
        return lost;
    for (int step = 0; step < 16; ++step) {
        const double middle = (kept + lost) / 2;
        (contrast(mix(from, to, middle), background) >= floor ? kept : lost) = middle;
    }
    return kept;
}

} // namespace

double contrast(const QColor& a, const QColor& b)
{
    const auto [darker, lighter] = std::minmax({relativeLuminance(a), relativeLuminance(b)});
    return (lighter + 0.05) / (darker + 0.05);
}

QColor staleTextColour(const QPalette& palette)
{
    const QColor text = palette.color(QPalette::WindowText);
    const QColor window = palette.color(QPalette::Window);
    const double target = std::clamp(contrast(text, window) / 2, 3.0, 4.5);
    return mix(text, window, largestShareKeeping(text, window, window, target));
}

QColor errorFrameColour(const QPalette& palette)
{
    const QColor red(0xd0, 0x00, 0x00);
    const QColor window = palette.color(QPalette::Window);
    const double minimum = 4.5;
    if (contrast(red, window) >= minimum)
        return red;
    // Away from the window: darker on a light scheme, lighter on a dark one.
    const QColor away = contrast(Qt::black, window) > contrast(Qt::white, window) ? Qt::black : Qt::white;
    const double share = largestShareKeeping(away, red, window, minimum);
    return mix(away, red, share);
}

QColor errorFillColour(const QPalette& palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    const double tint = 0.15;
    const double floor = std::min(4.5, contrast(text, base));
    const double share = std::min(tint, largestShareKeeping(base, errorFrameColour(palette), text, floor));
    return mix(base, errorFrameColour(palette), share);
}

OwnColour::OwnColour(QWidget* widget, QPalette::ColorRole role, Rule colourFor)
    : widget_(widget)
    , role_(role)
    , colourFor_(std::move(colourFor))
{
    widget->installEventFilter(this);
}

void OwnColour::update()
{
    const std::optional<QColor> colour = colourFor_(widget_->parentWidget()->palette());
    if (!colour && !owned_)
        return;
    owned_ = colour.has_value();
    QPalette own;
    if (colour)
        own.setColor(role_, *colour);
    updating_ = true;
    widget_->setPalette(colour ? own : QPalette());
    updating_ = false;
}

bool OwnColour::eventFilter(QObject* /*watched*/, QEvent* event)
{
    if (event->type() == QEvent::PaletteChange && !updating_)
        update();
    return false;
}
