// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "support/Notes.h"
#include "theory/Progression.h"

namespace orvel {
namespace {

std::vector<std::string> Texts(const Progression& progression) {
    std::vector<std::string> texts;
    for (const ProgressionItem& item : progression.items) {
        texts.push_back(item.text);
    }
    return texts;
}

TEST(Progression, ReadsChordsOrNotesAsTheLineIsWritten) {
    const Progression bars = ReadProgression("| Am | F | C | G | Am |", ReadAs::Chords);
    EXPECT_EQ(Texts(bars), (std::vector<std::string>{"Am", "F", "C", "G"})) << "Am once";
    EXPECT_TRUE(bars.AllRead());
    EXPECT_EQ(bars.Chords().size(), 4u);

    const Progression spaced = ReadProgression("C7(b9, #11),F7", ReadAs::Chords);
    EXPECT_EQ(Texts(spaced), (std::vector<std::string>{"C7(b9, #11)", "F7"}));
    EXPECT_TRUE(spaced.AllRead()) << spaced.items[0].error;

    // "C F G": three chords, or three notes; never a guess.
    EXPECT_EQ(ReadProgression("C F G", ReadAs::Chords).Notes().Count(), 7) << "C E G F A B D";
    const Progression notes = ReadProgression("A C D Eb E G", ReadAs::Notes);
    EXPECT_EQ(notes.Notes(), NotesFromDigits("001010011101")) << "A C D Eb E G";
    EXPECT_TRUE(notes.Chords().empty());

    const Progression bad = ReadProgression("Dm7 Cmaj8 G7", ReadAs::Chords);
    ASSERT_EQ(bad.items.size(), 3u);
    EXPECT_FALSE(bad.AllRead());
    EXPECT_EQ(bad.items[1].error, "\"Cmaj8\": cannot read \"8\"");
    EXPECT_EQ(bad.Chords().size(), 2u) << "what could be read is kept";
    EXPECT_EQ(ReadProgression("Am7 G", ReadAs::Notes).items[0].error,
              "\"Am7\": cannot read \"m7\"");
}

TEST(Progression, AHugeLineEndsInABoundedResult) {
    std::string line;
    for (int i = 0; i < 100'000; ++i) {
        line += (i % 2 == 0 ? "C" : "Dm7(b9)") + std::to_string(i) + " ";
    }
    const Progression progression = ReadProgression(line, ReadAs::Chords);
    EXPECT_EQ(progression.items.size(), Progression::kMaxItems + 1);
    EXPECT_NE(progression.items.back().error.find("the rest is not read"), std::string::npos);
    EXPECT_EQ(ReadProgression(std::string(1'000'000, 'C'), ReadAs::Chords).items.size(), 1u);
    EXPECT_FALSE(ReadProgression("C\xff\xfe G", ReadAs::Chords).AllRead());
}

TEST(Progression, NoChordIsARestAndABadItemLeavesTheRestRead) {
    const Progression line = ReadProgression("| Dm7 | N.C. | C) | G7 | NC |", ReadAs::Chords);
    ASSERT_EQ(line.items.size(), 5u);
    EXPECT_TRUE(line.items[1].rest && line.items[1].Read() && !line.items[1].chord);
    EXPECT_TRUE(line.items[4].rest);
    EXPECT_FALSE(line.items[2].Read()) << "the stray \")\"";
    EXPECT_EQ(line.Chords().size(), 2u) << "Dm7 and G7";
    EXPECT_EQ(line.Notes(), NotesOf({2, 5, 7, 9, 11, 0})) << "D F A C and G B D F";
    // A note only a slash chord's bass has is spelled as that bass.
    const Progression slash = ReadProgression("C/Bb", ReadAs::Chords);
    ASSERT_TRUE(slash.Spelled(PitchClass(10)).has_value());
    EXPECT_EQ(slash.Spelled(PitchClass(10))->Ascii(), "Bb");
    EXPECT_FALSE(slash.Spelled(PitchClass(1)).has_value());
}

}  // namespace
}  // namespace orvel
