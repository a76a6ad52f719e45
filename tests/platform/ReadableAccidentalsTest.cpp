// SPDX-License-Identifier: GPL-3.0-or-later
// Text with accidentals drawn by hand, as the item delegate and the neck
// draw it: a line too wide for its cell is cut short with "…" inside it.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "platform/ReadableAccidentals.h"

namespace orvel {
namespace {

// The top row holding ink in the columns from `from` to `to`.
int TopInkRow(const QImage& image, int from, int to) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = from; x <= to; ++x) {
            if (image.pixelColor(x, y).lightness() < 128) {
                return y;
            }
        }
    }
    return image.height();
}

// The columns holding ink, first and last; {-1, -1} for none.
std::pair<int, int> InkColumns(const QImage& image) {
    std::pair<int, int> columns{-1, -1};
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixelColor(x, y).lightness() < 128) {
                columns = {columns.first < 0 ? x : columns.first, x};
                break;
            }
        }
    }
    return columns;
}

TEST(ReadableAccidentals, ALineTooWideIsCutShortInsideItsRect) {
    const QString text = "B\u266D D\u266D F A\u266D C E\u266D G B\U0001D12B";
    const QRectF rect(10, 0, 60, 20);
    for (const Overflow overflow : {Overflow::Show, Overflow::Cut}) {
        QImage image(200, 20, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setPen(Qt::black);
        QFont font = painter.font();
        font.setPixelSize(13);
        painter.setFont(font);
        ASSERT_GT(WidthWithReadableAccidentals(font, text), rect.width() + 40);
        DrawWithReadableAccidentals(painter, rect, Qt::AlignLeft | Qt::AlignVCenter, text,
                                    overflow);
        painter.end();
        const auto [first, last] = InkColumns(image);
        EXPECT_GE(first, 10);
        if (overflow == Overflow::Show) {
            EXPECT_GT(last, rect.right() + 20) << "shown whole, past the rect";
        } else {
            EXPECT_LE(last, rect.right()) << "cut to fit";
            EXPECT_GT(last, rect.right() - 15) << "and filling the rect";
            EXPECT_GT(TopInkRow(image, last - 3, last), image.height() / 2)
                << "the last glyph is \u2026: dots on the line";
        }
    }
    EXPECT_TRUE(HasAccidentals(text));
    EXPECT_FALSE(HasAccidentals("Bb Db F"));
}

}  // namespace
}  // namespace orvel
