// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue shipped beside the program: it loads cleanly, and its sets
// are the standard ones, checked against facts known independently of the
// generator that writes it.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

#include "matching/Rotate12.h"
#include "scales/LoadScales.h"

namespace orvel {
namespace {

PitchClassSet SetOf(std::initializer_list<int> positions) {
    return SetOfPositions([&](int position) {
        return std::find(positions.begin(), positions.end(), position) != positions.end();
    });
}

class ShippedCatalogue : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        std::ostringstream warnings;
        ScaleLoad load =
            LoadScales(std::filesystem::path(ORVEL_DATA_FOLDER) / kCatalogueFileName, warnings);
        if (load.failure) {
            FAIL() << load.failure->what();
        }
        catalogue_ = std::move(load.scales);
        warnings_ = warnings.str();
    }

    static const TScale* Find(const std::string& bank, const std::string& name) {
        for (const TScale& entry : catalogue_) {
            if (entry.Bank == bank && entry.Scale == name) {
                return &entry;
            }
        }
        return nullptr;
    }

    static PitchClassSet NotesOf(const std::string& bank, const std::string& name) {
        const TScale* entry = Find(bank, name);
        EXPECT_NE(entry, nullptr) << bank << " / " << name;
        return entry != nullptr ? entry->Notes : -1;
    }

    static std::vector<TScale> catalogue_;
    static std::string warnings_;
};

std::vector<TScale> ShippedCatalogue::catalogue_;
std::string ShippedCatalogue::warnings_;

TEST_F(ShippedCatalogue, LoadsEveryLine) {
    EXPECT_EQ(warnings_, "");
    EXPECT_GE(catalogue_.size(), 300u);
}

TEST_F(ShippedCatalogue, EveryEntryHoldsItsRootAndIsNamedOncePerBank) {
    std::set<std::pair<std::string, std::string>> names;
    for (const TScale& entry : catalogue_) {
        EXPECT_TRUE(HasPosition(entry.Notes, 0)) << entry.Print();
        EXPECT_TRUE(names.insert({entry.Bank, entry.Scale}).second) << "twice: " << entry.Print();
        EXPECT_FALSE(entry.Bank.empty());
        EXPECT_FALSE(entry.Scale.empty());
    }
}

// Every member of a mode family is its parent started on one of its degrees,
// and every degree's mode is present.
TEST_F(ShippedCatalogue, ModeFamiliesAreRotationsOfTheirParent) {
    std::map<std::string, std::vector<const TScale*>> families;
    for (const TScale& entry : catalogue_) {
        if (entry.Bank.ends_with(" Modes")) {
            families[entry.Bank].push_back(&entry);
        }
    }
    EXPECT_EQ(families.size(), 7u);
    for (const auto& [bank, members] : families) {
        const PitchClassSet parent = members.front()->Notes;
        std::set<PitchClassSet> modes;
        for (int degree = 0; degree < kPositionCount; ++degree) {
            if (HasPosition(parent, degree)) {
                modes.insert(Rotate12(parent, degree));
            }
        }
        std::set<PitchClassSet> present;
        for (const TScale* member : members) {
            EXPECT_TRUE(modes.count(member->Notes) == 1) << member->Print();
            present.insert(member->Notes);
        }
        EXPECT_EQ(present, modes) << bank << ": every mode is listed";
        EXPECT_EQ(__builtin_popcountll(parent), 7) << bank;
    }
}

// Melakarta n: ma is shuddha for 1 to 36 and prati above; each half has six
// chakras fixing ri and ga, and within a chakra the six ragas step through
// dha and ni.
TEST_F(ShippedCatalogue, MelakartaNumberingFollowsItsSystem) {
    const int riGa[6][2] = {{1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}};
    const int dhaNi[6][2] = {{8, 9}, {8, 10}, {8, 11}, {9, 10}, {9, 11}, {10, 11}};
    int number = 0;
    for (const TScale& entry : catalogue_) {
        if (entry.Bank != "Melakarta") {
            continue;
        }
        ++number;
        EXPECT_TRUE(entry.Scale.ends_with(" (" + std::to_string(number) + ")")) << entry.Scale;
        const int i = number - 1;
        const PitchClassSet expected = SetOf({0, riGa[(i % 36) / 6][0], riGa[(i % 36) / 6][1],
                                              i < 36 ? 5 : 6, 7, dhaNi[i % 6][0], dhaNi[i % 6][1]});
        EXPECT_EQ(entry.Notes, expected) << entry.Scale;
    }
    EXPECT_EQ(number, 72);
    EXPECT_EQ(NotesOf("Melakarta", "Dheerasankarabharanam (29)"), NotesOf("Major Modes", "Major"));
    EXPECT_EQ(NotesOf("Melakarta", "Kharaharapriya (22)"), NotesOf("Major Modes", "Dorian"));
    EXPECT_EQ(NotesOf("Melakarta", "Mechakalyani (65)"), NotesOf("Major Modes", "Lydian"));
    EXPECT_EQ(NotesOf("Melakarta", "Mayamalavagowla (15)"), NotesOf("Thaat", "Bhairav"));
}

TEST_F(ShippedCatalogue, WellKnownSets) {
    EXPECT_EQ(NotesOf("Major Modes", "Major"), SetOf({0, 2, 4, 5, 7, 9, 11}));
    EXPECT_EQ(NotesOf("Major Modes", "Ionian"), NotesOf("Major Modes", "Major"));
    EXPECT_EQ(NotesOf("Major Modes", "Dorian"), SetOf({0, 2, 3, 5, 7, 9, 10}));
    EXPECT_EQ(NotesOf("Major Modes", "Natural Minor"), SetOf({0, 2, 3, 5, 7, 8, 10}));
    EXPECT_EQ(NotesOf("Major Modes", "Locrian"), SetOf({0, 1, 3, 5, 6, 8, 10}));
    EXPECT_EQ(NotesOf("Harmonic Minor Modes", "Harmonic Minor"), SetOf({0, 2, 3, 5, 7, 8, 11}));
    EXPECT_EQ(NotesOf("Harmonic Minor Modes", "Phrygian Dominant"), SetOf({0, 1, 4, 5, 7, 8, 10}));
    EXPECT_EQ(NotesOf("Melodic Minor Modes", "Altered"), SetOf({0, 1, 3, 4, 6, 8, 10}));
    EXPECT_EQ(NotesOf("Melodic Minor Modes", "Lydian Dominant"), SetOf({0, 2, 4, 6, 7, 9, 10}));
    EXPECT_EQ(NotesOf("Double Harmonic Modes", "Hungarian Minor"), SetOf({0, 2, 3, 6, 7, 8, 11}));
    EXPECT_EQ(NotesOf("Pentatonic", "Hirajoshi"), SetOf({0, 2, 3, 7, 8}));
    EXPECT_EQ(NotesOf("Pentatonic", "Minor Pentatonic"), SetOf({0, 3, 5, 7, 10}));
    EXPECT_EQ(NotesOf("Hexatonic", "Whole Tone"), SetOf({0, 2, 4, 6, 8, 10}));
    EXPECT_EQ(NotesOf("Hexatonic", "Minor Blues"), SetOf({0, 3, 5, 6, 7, 10}));
    EXPECT_EQ(NotesOf("Bebop", "Bebop Dominant"), SetOf({0, 2, 4, 5, 7, 9, 10, 11}));
    EXPECT_EQ(NotesOf("Symmetric", "Octatonic Half-Whole"), SetOf({0, 1, 3, 4, 6, 7, 9, 10}));
    EXPECT_EQ(NotesOf("Symmetric", "Chromatic"), kAllPositions);
    EXPECT_EQ(NotesOf("Maqam", "Hijaz Kar"), SetOf({0, 1, 4, 5, 7, 8, 11}));
    EXPECT_EQ(NotesOf("Jewish and Eastern European", "Freygish"),
              NotesOf("Harmonic Minor Modes", "Phrygian Dominant"));
    EXPECT_EQ(NotesOf("Chords", "Dominant 7th"), SetOf({0, 4, 7, 10}));
    EXPECT_EQ(NotesOf("Chords", "Major Triad"), SetOf({0, 4, 7}));
    EXPECT_EQ(NotesOf("Chords", "Half-Diminished 7th"), SetOf({0, 3, 6, 10}));
}

// A mode of limited transposition maps onto itself under a rotation short
// of the octave; each of its distinct rotations is listed.
TEST_F(ShippedCatalogue, MessiaenModesAreLimitedInTransposition) {
    const std::map<int, int> rotations = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 3}, {6, 4}, {7, 5}};
    for (const auto& [mode, count] : rotations) {
        std::set<PitchClassSet> sets;
        for (const TScale& entry : catalogue_) {
            if (entry.Bank == "Symmetric" &&
                entry.Scale.starts_with("Messiaen Mode " + std::to_string(mode))) {
                sets.insert(entry.Notes);
                bool limited = false;
                for (int n = 1; n < kPositionCount; ++n) {
                    limited = limited || Rotate12(entry.Notes, n) == entry.Notes;
                }
                EXPECT_TRUE(limited) << entry.Print();
            }
        }
        EXPECT_EQ(static_cast<int>(sets.size()), count) << "Messiaen mode " << mode;
    }
}

}  // namespace
}  // namespace orvel
