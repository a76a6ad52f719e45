// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Counting the pixels of a drawing that pass a test, in an area given in
// the widget's own (device-independent) coordinates.

#include <QImage>
#include <QRect>

namespace orvel::testing_support {

template <typename Test>
int CountPixels(const QImage& image, const QRect& area, Test passes) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += passes(image.pixelColor(QPoint(x, y) * image.devicePixelRatio())) ? 1 : 0;
        }
    }
    return count;
}

}  // namespace orvel::testing_support
