// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/WindowPlacement.h"

#include <algorithm>
#include <utility>

namespace orvel {

namespace {

constexpr int kGap = 8;

qint64 Area(const QRect& rect) {
    return rect.isValid() ? qint64(rect.width()) * rect.height() : 0;
}

qint64 Hidden(const QRect& window, const QRect& other) {
    return Area(window.intersected(other));
}

// `rect` moved (not resized) so that as much of it as possible is on `screen`.
QRect OnScreen(QRect rect, const QRect& screen) {
    rect.moveLeft(
        std::max(screen.left(), std::min(rect.left(), screen.right() + 1 - rect.width())));
    rect.moveTop(std::max(screen.top(), std::min(rect.top(), screen.bottom() + 1 - rect.height())));
    return rect;
}

// The four places beside `next`, each narrowed or shortened to the room
// that side of it, where the window's minimum still fits.
QList<QRect> Beside(const QRect& next, const QRect& screen, QSize size, QSize minimum) {
    QList<QRect> places;
    const int right = screen.right() + 1 - (next.right() + 1 + kGap);
    const int left = next.left() - kGap - screen.left();
    const int below = screen.bottom() + 1 - (next.bottom() + 1 + kGap);
    const int above = next.top() - kGap - screen.top();
    const int rightWidth = std::clamp(right, minimum.width(), size.width());
    const int leftWidth = std::clamp(left, minimum.width(), size.width());
    const int belowHeight = std::clamp(below, minimum.height(), size.height());
    const int aboveHeight = std::clamp(above, minimum.height(), size.height());
    places << QRect(next.right() + 1 + kGap, next.top(), rightWidth, size.height())
           << QRect(next.left() - kGap - leftWidth, next.top(), leftWidth, size.height())
           << QRect(next.left(), next.bottom() + 1 + kGap, size.width(), belowHeight)
           << QRect(next.left(), next.top() - kGap - aboveHeight, size.width(), aboveHeight);
    return places;
}

}  // namespace

QRect PlaceToolWindow(const Placement& around, QSize wanted, QSize minimum) {
    const QSize size(std::min(wanted.width(), around.screen.width()),
                     std::min(wanted.height(), around.screen.height()));
    minimum = minimum.boundedTo(size);
    QList<QRect> candidates = Beside(around.main, around.screen, size, minimum);
    for (const QRect& window : around.open) {
        candidates << Beside(window, around.screen, size, minimum);
    }
    candidates << QRect(around.screen.topLeft(), size);
    const auto cost = [&](const QRect& place) {
        qint64 overTools = 0;
        for (const QRect& window : around.open) {
            overTools += Hidden(place, window);
        }
        return std::pair(Hidden(place, around.lists), Hidden(place, around.main) + overTools);
    };
    QRect best = OnScreen(candidates.front(), around.screen);
    for (const QRect& candidate : candidates) {
        const QRect place = OnScreen(candidate, around.screen);
        if (cost(place) < cost(best)) {
            best = place;
        }
    }
    return best;
}

}  // namespace orvel
