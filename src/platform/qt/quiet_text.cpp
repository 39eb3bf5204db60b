#include "platform/qt/quiet_text.h"

#include <algorithm>
#include <cmath>

namespace zindo::platform::qt {
namespace {

// What a quiet text needs; one of our own aims higher, so that small
// anti-aliased letters still reach it on the screen.
constexpr double kReadableContrast = 3.5;
constexpr double kAimedContrast = 4.5;

QColor mixed(const QColor& from, const QColor& to, double share) {
    const auto mix = [share](double a, double b) { return a + (b - a) * share; };
    return QColor::fromRgbF(static_cast<float>(mix(from.redF(), to.redF())),
                            static_cast<float>(mix(from.greenF(), to.greenF())),
                            static_cast<float>(mix(from.blueF(), to.blueF())));
}

double luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

}  // namespace

double contrastRatio(const QColor& foreground, const QColor& background) {
    const double shown = luminance(mixed(background, foreground, foreground.alphaF()));
    const double behind = luminance(background);
    return (std::max(shown, behind) + 0.05) / (std::min(shown, behind) + 0.05);
}

QColor quietTextColour(const QPalette& palette, QPalette::ColorRole text, QPalette::ColorRole background) {
    const QColor behind = palette.color(background);
    const QColor placeholder = palette.color(QPalette::PlaceholderText);
    if (contrastRatio(placeholder, behind) >= kReadableContrast) return placeholder;
    for (double fade = 0.5; fade > 0.0; fade -= 0.05) {
        const QColor faded = mixed(palette.color(text), behind, fade);
        if (contrastRatio(faded, behind) >= kAimedContrast) return faded;
    }
    return palette.color(text);
}

}  // namespace zindo::platform::qt
