// SPDX-License-Identifier: GPL-3.0-or-later
// A root on both sides: as a pitch class (C = 0) and as the note-name
// table's index (A = 0), and sets of notes between positions and pitch
// classes.

#include <gtest/gtest.h>

#include "matching/NoteNameTable.h"
#include "scales/NoteTableIndex.h"
#include "scales/PitchClassesAboveC.h"

namespace orvel {
namespace {

TEST(PitchClass, EveryRootConvertsBothWaysOnce) {
    const struct {
        int semitonesAboveC;
        int tableIndex;
        const char* name;
    } roots[] = {{0, 3, "C"},        {1, 4, "C# / Db"}, {2, 5, "D"},        {3, 6, "D# / Eb"},
                 {4, 7, "E"},        {5, 8, "F"},       {6, 9, "F# / Gb"},  {7, 10, "G"},
                 {8, 11, "G# / Ab"}, {9, 0, "A"},       {10, 1, "A# / Bb"}, {11, 2, "B"}};
    for (const auto& root : roots) {
        const PitchClass note(root.semitonesAboveC);
        EXPECT_EQ(NoteTableIndex::Of(note).Value(), root.tableIndex) << root.name;
        EXPECT_EQ(NoteTableIndex(root.tableIndex).Note(), note) << root.name;
        EXPECT_EQ(TableName(note), root.name);
        EXPECT_EQ(PitchClass(root.semitonesAboveC - 12), note) << "an octave down";
        EXPECT_EQ(PitchClass::OfKey(60 + root.semitonesAboveC), note) << "from middle C";
    }
    EXPECT_EQ(kDefaultRootIndex.Note(), kC);
}

TEST(PitchClass, IntervalsBetweenPitchClassesGoUpRoundTheOctave) {
    int checked = 0;
    for (int from = 0; from < 12; ++from) {
        for (int up = -13; up <= 13; ++up) {
            const PitchClass low(from);
            const PitchClass high = low.Up(up);
            EXPECT_EQ(low.SemitonesUpTo(high), ((up % 12) + 12) % 12);
            EXPECT_EQ(high.Up(-up), low);
            ++checked;
        }
    }
    EXPECT_EQ(checked, 12 * 27);
}

TEST(PitchClassesAboveC, PositionsOnEveryRootAndBackAreTheSameSet) {
    int checked = 0;
    for (PitchClassSet set = 0; set <= kAllPositions; ++set) {
        for (int semitones = 0; semitones < 12; ++semitones) {
            const PitchClass root(semitones);
            const PitchClassesAboveC notes = NotesOn(set, root);
            ASSERT_EQ(notes.Count(), static_cast<int>(PositionsOf(set).size()));
            ASSERT_EQ(notes.Has(root), HasPosition(set, 0)) << set << " on " << semitones;
            ASSERT_EQ(PositionsAbove(root, notes), set) << set << " on " << semitones;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 4096 * 12);
    // E G B on the root C: positions 4, 7 and 11.
    PitchClassesAboveC eMinor;
    for (const int note : {4, 7, 11}) {
        eMinor.Add(PitchClass(note));
    }
    EXPECT_EQ(PositionsAbove(kC, eMinor), PositionBit(4) | PositionBit(7) | PositionBit(11));
    EXPECT_EQ(PositionsAbove(PitchClass(4), eMinor),
              PositionBit(0) | PositionBit(3) | PositionBit(7));
}

}  // namespace
}  // namespace orvel
