// SPDX-License-Identifier: GPL-3.0-or-later
// An unticked check box is seen on light and dark themes alike.

#include <gtest/gtest.h>

#include <QStyle>
#include <QStyleFactory>
#include <memory>

#include "TestWindow.h"
#include "platform/CheckBox.h"
#include "platform/Contrast.h"

namespace orvel {
namespace {

TEST(CheckBoxOutline, AnUntickedBoxStandsOutFromTheWindowInEveryTheme) {
    // Adwaita comes from Debian's adwaita-qt6, which the set-up installs.
    for (const char* name : {"Adwaita-Dark", "Adwaita", "Fusion"}) {
        SCOPED_TRACE(name);
        const std::unique_ptr<QStyle> style(QStyleFactory::create(name));
        ASSERT_NE(style, nullptr) << "the style is installed";
        Window window;
        CheckBox& box = window.CreateControl<CheckBox>(Control::kNoIndex,
                                                       testing_support::At("cb", 0, 0, 100, 30));
        box.setStyle(style.get());
        box.setPalette(style->standardPalette());
        const QImage image = box.grab().toImage();
        const QColor background = style->standardPalette().color(QPalette::Window);
        const QRect indicator = box.IndicatorRect() & image.rect();
        // The box's edge: its outermost two pixels all round.
        int standingOut = 0;
        int edge = 0;
        for (int y = indicator.top(); y <= indicator.bottom(); ++y) {
            for (int x = indicator.left(); x <= indicator.right(); ++x) {
                const QRect inside = indicator.adjusted(2, 2, -2, -2);
                if (inside.contains(x, y)) {
                    continue;
                }
                ++edge;
                standingOut += ContrastRatio(image.pixelColor(x, y), background) >=
                                       CheckBox::kOutlineContrast - 0.05
                                   ? 1
                                   : 0;
            }
        }
        ASSERT_GT(edge, 20);
        // Rounded corners aside, the edge reads at 3:1.
        EXPECT_GE(standingOut, edge / 3) << standingOut << " of " << edge;
    }
}

}  // namespace
}  // namespace orvel
