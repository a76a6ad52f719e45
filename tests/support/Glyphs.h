// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The glyphs of one line of text as drawn, for tests of how signs read
// beside letters: runs of inked columns, each with its ink box and its
// strongest ink, as the distance in lightness from the background.

#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace orvel::testing_support {

struct Glyph {
    QRect box;
    int ink = 0;
};

// `background` is the lightness of the ground the text stands on.
inline std::vector<Glyph> GlyphsOf(const QImage& image, int background) {
    std::vector<Glyph> glyphs;
    bool inGlyph = false;
    for (int x = 0; x < image.width(); ++x) {
        Glyph column;
        for (int y = 0; y < image.height(); ++y) {
            const int ink = std::abs(image.pixelColor(x, y).lightness() - background);
            if (ink > 110) {
                column.box |= QRect(x, y, 1, 1);
            }
            column.ink = std::max(column.ink, ink);
        }
        if (column.box.isEmpty()) {
            inGlyph = false;
            continue;
        }
        if (!inGlyph) {
            glyphs.push_back({});
        }
        inGlyph = true;
        glyphs.back().box |= column.box;
        glyphs.back().ink = std::max(glyphs.back().ink, column.ink);
    }
    return glyphs;
}

// Each glyph at `signs` against the letter before it: it reaches the
// capital's upper half, is at least half as tall, and is inked as strongly
// (within 25 levels of lightness). `characters` is how many the text has.
inline void ExpectSignsReadLikeLetters(const std::vector<Glyph>& glyphs, std::size_t characters,
                                       const std::vector<int>& signs, const std::string& what) {
    ASSERT_EQ(glyphs.size(), characters) << "one run of ink per character: " << what;
    for (const int sign : signs) {
        const Glyph& letter = glyphs[static_cast<std::size_t>(sign - 1)];
        const Glyph& accidental = glyphs[static_cast<std::size_t>(sign)];
        const int capital = letter.box.height();
        EXPECT_LE(accidental.box.top(), letter.box.top() + capital / 2)
            << "reaches the capital's upper half: " << what << ", sign " << sign;
        EXPECT_GE(accidental.box.height(), capital / 2) << what << ", sign " << sign;
        EXPECT_GE(accidental.ink, letter.ink - 25) << "as dark as the letters: " << what << ", "
                                                   << accidental.ink << " against " << letter.ink;
    }
}

}  // namespace orvel::testing_support
