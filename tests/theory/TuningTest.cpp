// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

#include "support/Notes.h"
#include "theory/Tuning.h"

namespace orvel {
namespace {

// MIDI keys worked out by hand from the instruments' tunings, bass side first.
const std::map<std::string, std::vector<int>> kOpenKeys{
    {"guitar", {40, 45, 50, 55, 59, 64}},
    {"drop-d", {38, 45, 50, 55, 59, 64}},
    {"dadgad", {38, 45, 50, 55, 57, 62}},
    {"open-g", {38, 43, 50, 55, 59, 62}},
    {"open-d", {38, 45, 50, 54, 57, 62}},
    {"open-e", {40, 47, 52, 56, 59, 64}},
    {"half-step-down", {39, 44, 49, 54, 58, 63}},
    {"guitar7", {35, 40, 45, 50, 55, 59, 64}},
    {"guitar8", {30, 35, 40, 45, 50, 55, 59, 64}},
    {"bass", {28, 33, 38, 43}},
    {"bass5", {23, 28, 33, 38, 43}},
    {"bass6", {23, 28, 33, 38, 43, 48}},
    {"ukulele", {67, 60, 64, 69}},
    {"ukulele-low-g", {55, 60, 64, 69}},
    {"baritone-ukulele", {50, 55, 59, 64}},
    {"mandolin", {55, 62, 69, 76}},
};

TEST(Tuning, EveryPresetPlacesAScaleWhereItsOpenStringsAndFretsPutIt) {
    const std::vector<PitchClassesAboveC> scales{
        NotesOf({0, 2, 4, 5, 7, 9, 11}), NotesOf({1, 4, 6, 8, 11}), NotesOf({10}), {}};
    std::size_t checked = 0;
    for (const Tuning& preset : TuningPresets()) {
        SCOPED_TRACE(preset.name);
        ASSERT_TRUE(kOpenKeys.contains(preset.name));
        const std::vector<int>& open = kOpenKeys.at(preset.name);
        ASSERT_EQ(preset.StringCount(), static_cast<int>(open.size()));
        for (const int frets : {kFewestFrets, kDefaultFrets, kMostFrets}) {
            for (const PitchClassesAboveC& scale : scales) {
                std::set<std::pair<int, int>> expected;
                for (std::size_t k = 0; k < open.size(); ++k) {
                    const int string = static_cast<int>(open.size() - k);  // string 1 is the last
                    for (int fret = 0; fret <= frets; ++fret) {
                        if (scale.Has(PitchClass::OfKey(open[k] + fret))) {
                            expected.insert({string, fret});
                        }
                    }
                }
                std::set<std::pair<int, int>> placed;
                for (const FretPosition& position : PositionsOn(preset, frets, scale)) {
                    EXPECT_EQ(position.key,
                              open[open.size() - static_cast<std::size_t>(position.string)] +
                                  position.fret);
                    placed.insert({position.string, position.fret});
                }
                EXPECT_EQ(placed, expected) << "frets " << frets;
            }
        }
        ++checked;
    }
    EXPECT_EQ(checked, kOpenKeys.size());
    EXPECT_EQ(TuningPresets().front().name, "guitar");
}

TEST(Tuning, AReEntrantStringKeepsItsOctaveAndStringOneIsOnTheTrebleSide) {
    const Tuning ukulele = ReadTuning("ukulele");
    EXPECT_EQ(ukulele.OpenString(4).Ascii(), "G4");
    EXPECT_EQ(ukulele.OpenString(3).Ascii(), "C4");
    EXPECT_EQ(ukulele.OpenString(1).Ascii(), "A4");
    EXPECT_EQ(ReadTuning("guitar8").OpenString(8).Display(), "F♯1");
    EXPECT_EQ(ReadTuning("bass6").AsciiPitches(), "B0 E1 A1 D2 G2 C3");
}

TEST(Tuning, ACustomTuningIsReadAsPitchesOrRefusedNamingTheBadOne) {
    const std::vector<std::pair<std::string, std::vector<int>>> good{
        {"D2 A2 D3 G3 A3 D4", {38, 45, 50, 55, 57, 62}},
        {"G4, C4, E4, A4", {67, 60, 64, 69}},
        {"  E2,A2\t", {40, 45}},
        {"F#1 Bb0 C##3 B#3 Cb4", {30, 22, 50, 60, 59}},
        {"E♭2 F♯2 B𝄫2", {39, 42, 45}},
        {"C0 G9", {12, 127}},
    };
    for (const auto& [text, keys] : good) {
        SCOPED_TRACE(text);
        const Tuning tuning = ReadTuning(text);
        EXPECT_EQ(tuning.name, "custom");
        std::vector<int> read;
        for (const Pitch& pitch : tuning.strings) {
            read.push_back(pitch.Key());
        }
        EXPECT_EQ(read, keys);
    }
    const std::vector<std::pair<std::string, std::string>> bad{
        {"E2 H2 D3", "\"H2\""},
        {"E2 A D3", "\"A\""},
        {"E2 A2x3", "\"A2x3\""},
        {"E-1", "\"E-1\""},
        {"E10", "\"E10\""},
        {"E2.5", "\"E2.5\""},
        {"", "bass side first"},
        {" , ", "bass side first"},
        {"E2 A2 D3 G3 B3 E4 E2 A2 D3 G3 B3 E4 E5", "at most 12"},
        {"guitarr", "unknown tuning \"guitarr\": give one of guitar, drop-d"},
    };
    for (const auto& [text, named] : bad) {
        SCOPED_TRACE(text);
        try {
            ReadTuning(text);
            ADD_FAILURE() << "read";
        } catch (const TuningError& error) {
            EXPECT_NE(std::string(error.what()).find(named), std::string::npos) << error.what();
        }
    }
}

}  // namespace
}  // namespace orvel
