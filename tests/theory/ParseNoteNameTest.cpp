// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "theory/ParseNoteName.h"

namespace orvel {
namespace {

TEST(ParseNoteName, ReadsNamesAsMusiciansTypeThem) {
    const struct {
        const char* text;
        int letter;  // 0 C ... 6 B
        int accidental;
        int pitchClass;
    } names[] = {
        {"C", 0, 0, 0},
        {"c", 0, 0, 0},
        {"C#", 0, 1, 1},
        {"Db", 1, -1, 1},
        {"C\u266F", 0, 1, 1},
        {"D\u266D", 1, -1, 1},
        {"Cb", 0, -1, 11},
        {"B#", 6, 1, 0},
        {"E#", 2, 1, 5},
        {"Fb", 3, -1, 4},
        {"F##", 3, 2, 7},
        {"Fx", 3, 2, 7},
        {"F\U0001D12A", 3, 2, 7},
        {"Bbb", 6, -2, 9},
        {"B\U0001D12B", 6, -2, 9},
        {"bb", 6, -1, 10},
        {"A\u266D\u266D", 5, -2, 7},
        {"G#x", 4, 3, 10},
    };
    for (const auto& name : names) {
        const NoteName note = ParseNoteName(name.text);
        EXPECT_EQ(note.letter, name.letter) << name.text;
        EXPECT_EQ(note.accidental, name.accidental) << name.text;
        EXPECT_EQ(note.PitchClass(), PitchClass(name.pitchClass)) << name.text;
    }
}

TEST(ParseNoteName, RefusesWhatIsNoNoteAndSaysWhereItStopped) {
    const struct {
        const char* text;
        const char* message;
    } bad[] = {
        {"", "\"\": cannot read \"\""},         {"H", "\"H\": cannot read \"H\""},
        {"#C", "\"#C\": cannot read \"#C\""},   {"C#q", "\"C#q\": cannot read \"q\""},
        {"Cm7", "\"Cm7\": cannot read \"m7\""}, {"C# / Db", "\"C# / Db\": cannot read \" / Db\""},
        {"E B", "\"E B\": cannot read \" B\""},
    };
    for (const auto& name : bad) {
        try {
            ParseNoteName(name.text);
            ADD_FAILURE() << name.text << " was read";
        } catch (const NoteNameError& error) {
            EXPECT_STREQ(error.what(), name.message);
        }
    }
    const auto read = ReadNoteName("Ebm7");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->note, (NoteName{2, -1}));
    EXPECT_EQ(read->length, 2u) << "a chord symbol's root, the rest left to read";
}

}  // namespace
}  // namespace orvel
