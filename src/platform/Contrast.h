// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Contrast between colours as the Web Content Accessibility Guidelines
// measure it: from 1 (the same) to 21 (black on white); 4.5 reads as text.

#include <QColor>

namespace orvel {

inline constexpr double kReadableContrast = 4.5;

double ContrastRatio(const QColor& a, const QColor& b);

// `colour` where it reaches `ratio` against `background`; else the colour
// of the same hue and saturation, lighter or darker, nearest to it that does.
QColor ReadableOn(const QColor& colour, const QColor& background, double ratio = kReadableContrast);

// The red the program says what went wrong in, readable on `background`.
QColor ErrorRedOn(const QColor& background);

}  // namespace orvel
