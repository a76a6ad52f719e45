// SPDX-License-Identifier: GPL-3.0-or-later
// The staff as it is drawn: noteheads found in the picture against the
// staff lines found in it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>

#include "window/StaffView.h"

namespace orvel {
namespace {

// The rows where dark pixels run a third of the width or more: the staff
// lines.
std::vector<int> StaffLines(const QImage& image) {
    std::vector<int> lines;
    for (int y = 0; y < image.height(); ++y) {
        int dark = 0;
        for (int x = 0; x < image.width(); ++x) {
            dark += image.pixelColor(x, y).lightness() < 100;
        }
        if (dark > image.width() / 3 && (lines.empty() || y > lines.back() + 1)) {
            lines.push_back(y);
        }
    }
    return lines;
}

// The middle row of the pixels in the root's colour.
double RootHeadRow(const QImage& image) {
    double sum = 0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.red() > 100 && pixel.green() < 80 && pixel.blue() < 80) {
                sum += y;
                ++count;
            }
        }
    }
    return count == 0 ? -1 : sum / count;
}

TEST(StaffView, EveryLetterAndOctaveSitsOnItsLineOrSpaceInEveryClef) {
    StaffView staff;
    QPalette light = staff.palette();
    light.setColor(QPalette::Window, Qt::white);
    light.setColor(QPalette::WindowText, Qt::black);
    staff.setPalette(light);
    staff.setAutoFillBackground(true);
    for (const Clef clef :
         {Clef::Treble, Clef::Bass, Clef::Alto, Clef::Tenor, Clef::TrebleOctaveDown}) {
        for (int octave = 1; octave <= 6; ++octave) {
            for (int letter = 0; letter < 7; ++letter) {
                const Pitch pitch{{letter, 0}, octave};
                const int step = StaffStep(pitch, clef);
                if (step < -6 || step > kTopLineStep + 6) {
                    continue;
                }
                staff.Show({pitch}, clef, std::nullopt, {});
                staff.resize(staff.sizeHint().width() + 40, staff.sizeHint().height());
                const QImage image = staff.grab().toImage();
                const std::vector<int> lines = StaffLines(image);
                ASSERT_EQ(lines.size(), 5u) << ClefName(clef) << " " << pitch.Ascii();
                const double space = (lines[4] - lines[0]) / 4.0;
                const double bottom = lines[4];
                const double row = RootHeadRow(image);
                const double found = (bottom - row) / (space / 2);
                EXPECT_NEAR(found, step, 0.3) << ClefName(clef) << " " << pitch.Ascii();
            }
        }
    }
}

}  // namespace
}  // namespace orvel
