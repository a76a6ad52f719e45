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

// The chords as they sound: "text:beats" each.
std::string Played(const Progression& progression) {
    std::string played;
    for (const PlayedItem& slot : progression.played) {
        played += (played.empty() ? "" : " ") + progression.items[slot.item].text + ":" +
                  std::to_string(slot.beats).substr(0, 3);
    }
    return played;
}

TEST(Progression, ALeadSheetSoundsBarByBar) {
    const std::pair<const char*, const char*> cases[] = {
        {"Dm7 G7 Cmaj7", "Dm7:4.0 G7:4.0 Cmaj7:4.0"},
        {"C % G", "C:4.0 C:4.0 G:4.0"},
        {"| C G | Am |", "C:2.0 G:2.0 Am:4.0"},
        {"| Dm7 G7 | % | C |", "Dm7:2.0 G7:2.0 Dm7:2.0 G7:2.0 C:4.0"},
        {"|: C | F :|\n| G7 C", "C:4.0 F:4.0 G7:2.0 C:2.0"},
        {"| C Dm Em F | N.C. |", "C:1.0 Dm:1.0 Em:1.0 F:1.0 N.C.:4.0"},
        {"| C\nF | G ||", "C:4.0 F:4.0 G:4.0"},
        {"| C Cmaj8 |", "C:2.0"},
        {"| C % |", "C:2.0 C:2.0"},
        {"% C", "C:4.0"},
    };
    for (const auto& [line, played] : cases) {
        EXPECT_EQ(Played(ReadProgression(line, ReadAs::Chords)), played) << line;
    }
    std::string repeats = "| C |";
    for (int i = 0; i < 5000; ++i) {
        repeats += " % |";
    }
    const Progression bounded = ReadProgression(repeats, ReadAs::Chords);
    EXPECT_EQ(bounded.played.size(), Progression::kMaxPlayed);
    EXPECT_NE(bounded.items.back().error.find("the rest is not read"), std::string::npos);
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
    // An alternate in parentheses, as iReal Pro writes one: checked, not played.
    const Progression alternates = ReadProgression("A-7(D7) | (C7) | G7(Q)", ReadAs::Chords);
    ASSERT_EQ(alternates.items.size(), 3u);
    EXPECT_EQ(alternates.items[0].chord->Spelled().AsciiNotes(), "A C E G");
    EXPECT_EQ(alternates.items[0].text, "A-7(D7)");
    EXPECT_EQ(alternates.items[1].chord->Spelled().AsciiNotes(), "C E G Bb");
    EXPECT_FALSE(alternates.items[2].Read()) << "no alternate: (Q) cannot be read";
    EXPECT_FALSE(ReadProgression("A-7(Dz7)", ReadAs::Chords).AllRead()) << "a bad alternate";
    // A note only a slash chord's bass has is spelled as that bass.
    const Progression slash = ReadProgression("C/Bb", ReadAs::Chords);
    ASSERT_TRUE(slash.Spelled(PitchClass(10)).has_value());
    EXPECT_EQ(slash.Spelled(PitchClass(10))->Ascii(), "Bb");
    EXPECT_FALSE(slash.Spelled(PitchClass(1)).has_value());
}

}  // namespace
}  // namespace orvel
