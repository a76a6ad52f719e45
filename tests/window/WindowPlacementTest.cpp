// SPDX-License-Identifier: GPL-3.0-or-later
// Where the tool windows open, on screens a user has.

#include <gtest/gtest.h>

#include "window/WindowPlacement.h"

namespace orvel {
namespace {

// The main window at the screen's top left, its lists (x 208 to 595, y 52
// to 459 inside the frame, under a title bar and a menu bar).
Placement OnScreen(QRect screen) {
    const QRect main(screen.left(), screen.top(), 617, 660);
    return {.screen = screen,
            .main = main,
            .lists = QRect(main.left() + 209, main.top() + 110, 387, 407),
            .open = {}};
}

TEST(WindowPlacement, EachToolWindowOpenedInTurnLeavesTheListsAndTheOthersInView) {
    const struct {
        const char* name;
        QSize wanted;
        QSize minimum;
    } tools[] = {{"chords", {900, 620}, {560, 400}},
                 {"find scale", {620, 420}, {300, 200}},
                 {"fretboard", {900, 330}, {500, 300}},
                 {"details", {760, 700}, {760, 500}}};
    for (const QRect screen :
         {QRect(0, 0, 1366, 768), QRect(0, 0, 1920, 1080), QRect(1920, 0, 2560, 1440)}) {
        Placement around = OnScreen(screen);
        for (const auto& tool : tools) {
            SCOPED_TRACE(tool.name);
            const QRect place = PlaceToolWindow(around, tool.wanted, tool.minimum);
            EXPECT_TRUE(screen.contains(place)) << "on the screen";
            EXPECT_GE(place.width(), tool.minimum.width());
            EXPECT_FALSE(place.intersects(around.lists)) << "the lists stay in view";
            around.open << place;
        }
        // Two windows meet only where the screen has no room for both, and
        // then hardly.
        const QRect both = around.open[0].intersected(around.open[1]);
        const int overlap = both.isValid() ? both.width() * both.height() : 0;
        EXPECT_LE(overlap, screen.width() >= 1920 ? 0 : 620 * 420 / 4) << screen.width();
    }
}

TEST(WindowPlacement, WithoutRoomBesideItHidesTheLeast) {
    // A small screen the main window nearly fills: the window goes where it
    // covers least of the lists, on the screen.
    Placement around = OnScreen(QRect(0, 0, 800, 600));
    const QRect place = PlaceToolWindow(around, {600, 400}, {400, 300});
    EXPECT_TRUE(around.screen.contains(place));
    EXPECT_LT(place.intersected(around.lists).width() * place.intersected(around.lists).height(),
              around.lists.width() * around.lists.height() / 2);
}

}  // namespace
}  // namespace orvel
