// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "theory/KeySignature.h"
#include "theory/ParseNoteName.h"
#include "theory/Staff.h"

namespace orvel {
namespace {

struct Signed {
    const char* root;
    std::initializer_list<int> positions;
    std::optional<int> fifths;
    const char* written;  // each note's accidental as written with the signature: "-" for none
};

// Scales, the signature they are written with, and the accidentals left to
// their notes (# b n x bb, "-" for none).
const Signed kSigned[] = {
    {"C", {0, 2, 4, 5, 7, 9, 11}, 0, "- - - - - - -"},
    {"D", {0, 2, 3, 5, 7, 9, 10}, 0, "- - - - - - -"},    // D Dorian
    {"Eb", {0, 2, 3, 5, 7, 9, 10}, -5, "- - - - - - -"},  // E♭ Dorian: D♭ major's
    {"F#", {0, 2, 4, 5, 7, 9, 11}, 6, "- - - - - - -"},
    {"Gb", {0, 2, 4, 5, 7, 9, 11}, -6, "- - - - - - -"},
    {"C#", {0, 2, 4, 5, 7, 9, 11}, 7, "- - - - - - -"},
    {"G#", {0, 2, 4, 5, 7, 9, 11}, std::nullopt, "# # # # # # x"},  // eight sharps: none
    {"B", {0, 1, 3, 5, 6, 8, 10}, 0, "- - - - - - -"},              // B Locrian
    {"A", {0, 2, 3, 5, 7, 8, 11}, 0, "- - - - - - #"},              // A harmonic minor
    {"C", {0, 2, 3, 5, 7, 9, 11}, -3, "- - - - - n n"},             // C melodic minor
    {"F#", {0, 2, 3, 5, 7, 8, 11}, 3, "- - - - - - #"},             // F♯ harmonic minor: E♯
    {"C", {0, 1, 4, 5, 7, 8, 10}, std::nullopt, "- b - - - b b"},   // Phrygian dominant
    {"C", {0, 2, 4, 7, 9}, std::nullopt, "- - - - -"},              // a pentatonic
};

std::string Mark(std::optional<int> accidental) {
    if (!accidental) {
        return "-";
    }
    switch (*accidental) {
        case -2:
            return "bb";
        case -1:
            return "b";
        case 0:
            return "n";
        case 1:
            return "#";
        case 2:
            return "x";
    }
    return "?";
}

TEST(KeySignature, ScalesTakeTheSignatureMusiciansWriteThemWith) {
    for (const Signed& c : kSigned) {
        const PitchClassSet set = SetOf(c.positions);
        const SpelledScale scale = SpellScale(set, ParseNoteName(c.root));
        const std::optional<KeySignature> signature = SignatureOf(set, scale);
        SCOPED_TRACE(scale.AsciiNotes() + " " + std::to_string(set));
        ASSERT_EQ(signature.has_value(), c.fifths.has_value());
        if (signature) {
            EXPECT_EQ(signature->fifths, *c.fifths);
        }
        std::string written;
        std::string off;
        for (const NoteName& note : scale.notes) {
            written += (written.empty() ? "" : " ") + Mark(WrittenAccidental(note, signature));
            off += (off.empty() ? "" : " ") + Mark(WrittenAccidental(note, std::nullopt));
        }
        EXPECT_EQ(written, c.written);
        // Without a signature every accidental is written, no natural.
        for (std::size_t i = 0; i < scale.notes.size(); ++i) {
            EXPECT_EQ(WrittenAccidental(scale.notes[i], std::nullopt).has_value(),
                      scale.notes[i].accidental != 0);
        }
    }
}

TEST(KeySignature, SignsGoInTheirOrderOnTheClefsLines) {
    EXPECT_EQ(KeySignature{3}.Letters(), (std::vector<int>{3, 0, 4}));      // F C G
    EXPECT_EQ(KeySignature{-4}.Letters(), (std::vector<int>{6, 2, 5, 1}));  // B E A D
    EXPECT_EQ(SignatureSteps(3, Clef::Treble), (std::vector<int>{8, 5, 9}));
    EXPECT_EQ(SignatureSteps(-2, Clef::Bass), (std::vector<int>{2, 5}));
    EXPECT_EQ(SignatureSteps(2, Clef::Alto), (std::vector<int>{7, 4}));
    EXPECT_EQ(SignatureSteps(2, Clef::Tenor), (std::vector<int>{2, 6}));
    EXPECT_EQ(SignatureSteps(-1, Clef::Tenor), (std::vector<int>{5}));
    EXPECT_EQ(SignatureSteps(1, Clef::TrebleOctaveDown), (std::vector<int>{8}));
    // Each sign on a step of its own letter in every clef.
    for (const Clef clef :
         {Clef::Treble, Clef::Bass, Clef::Alto, Clef::Tenor, Clef::TrebleOctaveDown}) {
        for (const int fifths : {7, -7}) {
            const std::vector<int> steps = SignatureSteps(fifths, clef);
            const std::vector<int> letters = KeySignature{fifths}.Letters();
            for (std::size_t i = 0; i < steps.size(); ++i) {
                const Pitch bottom{{0, 0}, 4};
                const int stepOfC4 = StaffStep(bottom, clef);
                EXPECT_EQ(((steps[i] - stepOfC4) % 7 + 7) % 7, letters[i])
                    << ClefName(clef) << " " << fifths << " " << i;
            }
        }
    }
}

TEST(Staff, ScalesSitAroundTheMiddleOfTheStaff) {
    const struct {
        const char* root;
        Clef clef;
        const char* first;
        const char* last;
    } cases[] = {
        {"C", Clef::Treble, "C4", "C5"},    {"G", Clef::Treble, "G4", "G5"},
        {"B", Clef::Treble, "B4", "B5"},    {"C", Clef::Bass, "C3", "C4"},
        {"E", Clef::Bass, "E2", "E3"},      {"C", Clef::Alto, "C4", "C5"},
        {"A", Clef::Tenor, "A3", "A4"},     {"E", Clef::TrebleOctaveDown, "E3", "E4"},
        {"B#", Clef::Treble, "B#4", "B#5"}, {"Cb", Clef::Treble, "Cb4", "Cb5"},
    };
    const PitchClassSet major = SetOf({0, 2, 4, 5, 7, 9, 11});
    for (const auto& c : cases) {
        const std::vector<Pitch> pitches =
            ScalePitches(SpellScale(major, ParseNoteName(c.root)), c.clef, true);
        ASSERT_EQ(pitches.size(), 15u);
        EXPECT_EQ(pitches.front().Ascii(), c.first) << c.root << " " << ClefName(c.clef);
        EXPECT_EQ(pitches[7].Ascii(), c.last) << c.root << " " << ClefName(c.clef);
        EXPECT_EQ(pitches.back(), pitches.front());
        for (std::size_t i = 1; i < 8; ++i) {
            EXPECT_GT(pitches[i].Key(), pitches[i - 1].Key()) << c.root;
            EXPECT_EQ(StaffStep(pitches[i], c.clef), StaffStep(pitches[i - 1], c.clef) + 1)
                << c.root;
        }
    }
    EXPECT_EQ(LedgerSteps(-5), (std::vector<int>{-2, -4}));
    EXPECT_EQ(LedgerSteps(12), (std::vector<int>{10, 12}));
    EXPECT_TRUE(LedgerSteps(-1).empty());
    EXPECT_TRUE(LedgerSteps(9).empty());
}

}  // namespace
}  // namespace orvel
