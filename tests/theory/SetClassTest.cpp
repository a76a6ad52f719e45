// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "theory/SetClass.h"

namespace orvel {
namespace {

PitchClassesAboveC SetOf(std::initializer_list<int> notes) {
    PitchClassesAboveC set;
    for (const int note : notes) {
        set.Add(PitchClass(note));
    }
    return set;
}

PitchClassesAboveC Inversion(PitchClassesAboveC notes) {
    PitchClassesAboveC inverted;
    for (const PitchClass note : notes.Members()) {
        inverted.Add(PitchClass(-note.SemitonesAboveC()));
    }
    return inverted;
}

TEST(SetClass, EverySetHasOneClassAndItsFacts) {
    std::map<std::string, std::vector<int>> formOfName;
    std::map<std::vector<int>, std::string> nameOfForm;
    std::array<int, 13> classesOfSize{};
    for (std::uint32_t bits = 1; bits < 4096; ++bits) {
        const PitchClassesAboveC notes = PitchClassesAboveC::FromBits(bits);
        const SetClass facts = SetClassOf(notes);
        // Transposition and inversion change neither the class nor the vector.
        for (int shift = 1; shift < 12; ++shift) {
            const SetClass moved = SetClassOf(notes.Transposed(shift));
            ASSERT_EQ(moved.primeForm, facts.primeForm) << bits;
            ASSERT_EQ(moved.intervalVector, facts.intervalVector) << bits;
        }
        const SetClass mirrored = SetClassOf(Inversion(notes));
        ASSERT_EQ(mirrored.forteName, facts.forteName) << bits;
        ASSERT_EQ(mirrored.intervalVector, facts.intervalVector) << bits;
        // The prime form is a form of the set, starting on 0, as packed as any.
        ASSERT_EQ(facts.primeForm.front(), 0);
        ASSERT_TRUE(std::is_sorted(facts.primeForm.begin(), facts.primeForm.end()));
        ASSERT_EQ(facts.primeForm.size(), static_cast<std::size_t>(notes.Count()));
        bool found = false;
        for (int shift = 0; shift < 12 && !found; ++shift) {
            for (const PitchClassesAboveC form :
                 {notes.Transposed(shift), Inversion(notes).Transposed(shift)}) {
                std::vector<int> members;
                for (const PitchClass note : form.Members()) {
                    members.push_back(note.SemitonesAboveC());
                }
                found = found || members == facts.primeForm;
                if (members.front() == 0) {
                    ASSERT_GE(members.back(), facts.primeForm.back()) << bits << ": a smaller span";
                }
            }
        }
        ASSERT_TRUE(found) << bits;
        ASSERT_EQ(facts.forteName.find('?'), std::string::npos) << bits;
        // One name for one class.
        const auto [name, newName] = formOfName.emplace(facts.forteName, facts.primeForm);
        ASSERT_EQ(name->second, facts.primeForm) << facts.forteName;
        const auto [form, newForm] = nameOfForm.emplace(facts.primeForm, facts.forteName);
        ASSERT_EQ(form->second, facts.forteName);
        classesOfSize[facts.primeForm.size()] += newForm ? 1 : 0;
        // Transpositions divide twelve; a set is its own inversion or has a mirror.
        ASSERT_EQ(12 % facts.transpositions, 0);
        bool mirrorsItself = false;
        for (int shift = 0; shift < 12; ++shift) {
            mirrorsItself = mirrorsItself || Inversion(notes).Transposed(shift) == notes;
        }
        ASSERT_EQ(facts.ownInversion, mirrorsItself) << bits;
    }
    EXPECT_EQ(classesOfSize, (std::array<int, 13>{0, 1, 6, 12, 29, 38, 50, 38, 29, 12, 6, 1, 1}));
}

TEST(SetClass, TheSetsMusiciansKnow) {
    const struct {
        const char* what;
        PitchClassesAboveC notes;
        const char* forte;
        const char* vector;
        int transpositions;
        bool ownInversion;
    } known[] = {
        {"major scale", SetOf({0, 2, 4, 5, 7, 9, 11}), "7-35", "254361", 12, true},
        {"harmonic minor", SetOf({0, 2, 3, 5, 7, 8, 11}), "7-32", "335442", 12, false},
        {"melodic minor", SetOf({0, 2, 3, 5, 7, 9, 11}), "7-34", "254442", 12, true},
        {"whole tone", SetOf({0, 2, 4, 6, 8, 10}), "6-35", "060603", 2, true},
        {"octatonic", SetOf({0, 1, 3, 4, 6, 7, 9, 10}), "8-28", "448444", 3, true},
        {"pentatonic", SetOf({0, 2, 4, 7, 9}), "5-35", "032140", 12, true},
        {"augmented triad", SetOf({0, 4, 8}), "3-12", "000300", 4, true},
        {"diminished seventh", SetOf({0, 3, 6, 9}), "4-28", "004002", 3, true},
        {"dominant seventh", SetOf({0, 4, 7, 10}), "4-27", "012111", 12, false},
        {"all-interval tetrachord", SetOf({0, 1, 4, 6}), "4-Z15", "111111", 12, false},
        {"chromatic scale", PitchClassesAboveC::FromBits(0xFFF), "12-1", "12121212126", 1, true},
    };
    for (const auto& k : known) {
        const SetClass facts = SetClassOf(k.notes);
        std::string vector;
        for (const int count : facts.intervalVector) {
            vector += std::to_string(count);
        }
        EXPECT_EQ(facts.forteName, k.forte) << k.what;
        EXPECT_EQ(vector, k.vector) << k.what;
        EXPECT_EQ(facts.transpositions, k.transpositions) << k.what;
        EXPECT_EQ(facts.ownInversion, k.ownInversion) << k.what;
    }
    // Forte and Rahn differ for six classes, as the literature lists them.
    std::set<std::string> differing;
    for (std::uint32_t bits = 1; bits < 4096; ++bits) {
        const SetClass facts = SetClassOf(PitchClassesAboveC::FromBits(bits));
        if (facts.primeForm != facts.rahnPrimeForm) {
            differing.insert(facts.forteName);
        }
    }
    EXPECT_EQ(differing, (std::set<std::string>{"5-20", "6-Z29", "6-31", "7-Z18", "7-20", "8-26"}));
    EXPECT_EQ(SetClass::Text({0, 1, 3, 5, 6, 8, 10}), "(0,1,3,5,6,8,T)");
}

}  // namespace
}  // namespace orvel
