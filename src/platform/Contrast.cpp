// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Contrast.h"

#include <algorithm>
#include <cmath>

namespace orvel {

namespace {

double Luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double one = Luminance(a);
    const double other = Luminance(b);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

QColor ReadableOn(const QColor& colour, const QColor& background, double ratio) {
    if (ContrastRatio(colour, background) >= ratio) {
        return colour;
    }
    // Away from the background: lighter on a dark one, darker on a light one.
    const bool lighter = Luminance(background) < 0.18;
    const QColor hsl = colour.toHsl();
    for (int step = 1; step <= 255; ++step) {
        const int lightness = std::clamp(hsl.lightness() + (lighter ? step : -step), 0, 255);
        const QColor candidate =
            QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), lightness, colour.alpha()).toRgb();
        if (ContrastRatio(candidate, background) >= ratio) {
            return candidate;
        }
    }
    return lighter ? QColor(Qt::white) : QColor(Qt::black);
}

QColor ErrorRedOn(const QColor& background) {
    return ReadableOn(QColor(200, 20, 10), background);
}

}  // namespace orvel
