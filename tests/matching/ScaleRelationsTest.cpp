// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>

#include "matching/Familiarity.h"
#include "matching/ScaleRelations.h"
#include "support/ShippedCatalogue.h"
#include "theory/ParseNoteName.h"

namespace orvel {
namespace {

const std::vector<TScale>& Catalogue() {
    return testing_support::ShippedCatalogue();
}

const PitchClassSet kMajor = SetOf({0, 2, 4, 5, 7, 9, 11});

// "D Dorian": the root and the first name.
std::string Named(const RelatedScale& scale) {
    return scale.root.Ascii() + " " +
           (scale.entries.empty() ? "-" : Catalogue()[scale.entries.front()].Scale);
}

std::vector<std::string> Names(const std::vector<RelatedScale>& scales) {
    std::vector<std::string> names;
    for (const RelatedScale& scale : scales) {
        names.push_back((scale.from ? scale.from->Ascii() + ">" : "") +
                        (scale.note ? scale.note->Ascii() + " " : "") +
                        Catalogue()[scale.entries.front()].Scale);
    }
    return names;
}

bool Has(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

TEST(ScaleRelations, TheModesOfTheMajorScaleInOrderAndByBrightness) {
    for (const char* root : {"C", "Eb", "F#"}) {
        const SpelledScale scale = SpellScale(kMajor, ParseNoteName(root));
        const ScaleRelations relations = RelationsOf(Catalogue(), scale, kMajor);
        ASSERT_EQ(relations.modes.size(), 7u);
        const std::string modes[] = {"Major",      "Dorian",        "Phrygian", "Lydian",
                                     "Mixolydian", "Natural Minor", "Locrian"};
        for (std::size_t m = 0; m < 7; ++m) {
            EXPECT_EQ(Named(relations.modes[m]), scale.notes[m].Ascii() + " " + modes[m]) << root;
        }
        std::vector<std::size_t> bright(relations.byBrightness.begin(),
                                        relations.byBrightness.end());
        EXPECT_EQ(bright, (std::vector<std::size_t>{3, 0, 4, 1, 5, 2, 6})) << "Lydian to Locrian";
        EXPECT_EQ(relations.setClass.forteName, "7-35");
        ASSERT_TRUE(relations.relative.has_value());
        EXPECT_EQ(Named(*relations.relative), scale.notes[5].Ascii() + " Natural Minor");
    }
}

TEST(ScaleRelations, NeighboursOneNoteAwayFamiliarFirst) {
    const SpelledScale scale = SpellScale(kMajor, ParseNoteName("C"));
    const ScaleRelations relations = RelationsOf(Catalogue(), scale, kMajor);
    const std::vector<std::string> moved = Names(relations.moved);
    for (const char* name :
         {"F>F# Lydian", "B>Bb Mixolydian", "E>Eb Melodic Minor", "A>Ab Harmonic Major"}) {
        EXPECT_TRUE(Has(moved, name)) << name;
    }
    EXPECT_TRUE(Has(Names(relations.added), "Bb Bebop Dominant"))
        << ::testing::PrintToString(Names(relations.added));
    for (const std::vector<RelatedScale>* list :
         {&relations.added, &relations.removed, &relations.moved}) {
        for (std::size_t i = 1; i < list->size(); ++i) {
            EXPECT_LE(FamiliarityOf(Catalogue()[(*list)[i - 1].entries.front()]).tier,
                      FamiliarityOf(Catalogue()[(*list)[i].entries.front()]).tier);
        }
    }
    const std::vector<std::string> parallel = Names(relations.parallel);
    EXPECT_TRUE(Has(parallel, "Harmonic Minor") && Has(parallel, "Dorian"))
        << ::testing::PrintToString(parallel);
    EXPECT_FALSE(Has(parallel, "Major Pentatonic"));

    const PitchClassSet minor = SetOf({0, 2, 3, 5, 7, 8, 10});
    const ScaleRelations ofMinor =
        RelationsOf(Catalogue(), SpellScale(minor, ParseNoteName("C")), minor);
    EXPECT_EQ(Named(*ofMinor.relative), "Eb Major");
}

TEST(ScaleRelations, AScaleOfFiveNotesHoldsTheCatalogueChordsOnEachDegree) {
    const PitchClassSet pentatonic = SetOf({0, 2, 4, 7, 9});
    const ScaleRelations relations =
        RelationsOf(Catalogue(), SpellScale(pentatonic, ParseNoteName("G")), pentatonic);
    ASSERT_EQ(relations.catalogueChords.size(), 5u);
    const auto holds = [&](std::size_t degree, const std::string& chord) {
        for (const std::uint32_t entry : relations.catalogueChords[degree]) {
            if (Catalogue()[entry].Scale == chord) {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(holds(0, "Major Triad")) << "G B D";
    EXPECT_FALSE(holds(0, "Minor Triad"));
    EXPECT_TRUE(holds(4, "Minor Triad")) << "E G B";
    EXPECT_FALSE(relations.relative.has_value());
    EXPECT_EQ(relations.setClass.forteName, "5-35");
    EXPECT_EQ(relations.modes[4].root.Ascii(), "E");
}

}  // namespace
}  // namespace orvel
