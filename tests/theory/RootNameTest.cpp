// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <tuple>

#include "theory/FindKey.h"
#include "theory/RootName.h"

namespace orvel {
namespace {

TEST(RootName, RootsReadInTheKeyTheChordsAreWrittenIn) {
    const struct {
        const char* chords;
        int root;
        RootSpelling spelling;
        const char* name;
    } cases[] = {
        {"G#m7 C#7 F#maj7", 5, RootSpelling::Automatic, "F"},   // a white key, not E#
        {"G#m7 C#7 F#maj7", 11, RootSpelling::Automatic, "B"},  // the key's own
        {"G#m7 C#7 F#maj7", 3, RootSpelling::Automatic, "D#"},  // the key's sixth
        {"G#m7 C#7 F#maj7", 1, RootSpelling::Automatic, "C#"},  // a chord's root
        {"Gbmaj7 Cb", 11, RootSpelling::Automatic, "Cb"},       // as the chord writes it
        {"Ebm7 Ab7 Dbmaj7", 6, RootSpelling::Automatic, "Gb"},  // the key's fourth
        {"Ebm7 Ab7 Dbmaj7", 6, RootSpelling::Sharps, "F#"},     // asked for
        {"Dm7 G7 Cmaj7", 8, RootSpelling::Automatic, "Ab"},     // outside: as reads best
        {"Dm7 G7 Cmaj7", 2, RootSpelling::Flats, "D"},          // a white key stays
    };
    for (const auto& c : cases) {
        const Progression progression = ReadProgression(c.chords, ReadAs::Chords);
        EXPECT_EQ(
            RootName(PitchClass(c.root), progression, FindKeys(progression), c.spelling).Ascii(),
            c.name)
            << c.chords << " on " << c.root;
    }
}

TEST(NoteName, APitchClassNamedByALetterTakesTheFewestAccidentals) {
    const std::tuple<int, int, const char*> cases[] = {
        {6, 3, "F#"}, {6, 4, "Gb"}, {11, 0, "Cb"}, {0, 6, "B#"}, {2, 2, "Ebb"}, {9, 5, "A"},
    };
    for (const auto& [pitchClass, letter, name] : cases) {
        EXPECT_EQ(NamedBy(PitchClass(pitchClass), letter).Ascii(), name);
    }
}

}  // namespace
}  // namespace orvel
