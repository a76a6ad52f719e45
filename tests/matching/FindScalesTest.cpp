// SPDX-License-Identifier: GPL-3.0-or-later
// Finding scales by the words of their names and banks.

#include <gtest/gtest.h>

#include <sstream>

#include "matching/FindScales.h"
#include "scales/LoadScales.h"

namespace orvel {
namespace {

TEST(FindScales, EveryWordIsPartOfTheNameOrTheBankWhateverItsCase) {
    std::ostringstream warnings;
    const std::vector<TScale> catalogue = LoadScales(ORVEL_CATALOGUE, warnings).scales;
    const auto names = [&](std::string_view text) {
        std::vector<std::string> found;
        for (const FoundScale& scale : FindScales(catalogue, text)) {
            found.push_back(catalogue[scale.entry].Scale);
        }
        return found;
    };
    const struct {
        const char* text;
        std::vector<std::string> first;  // the first names found, in catalogue order
        std::size_t count;
    } cases[] = {
        {"HIRAJOSHI", {"Hirajoshi"}, 1},
        {"  dorian   b2 ", {"Dorian b2"}, 1},
        {"minor harmonic",
         {"Harmonic Minor", "Double Harmonic Minor", "Bebop Harmonic Minor", "Locrian #6"},
         14},
        {"bebop", {"Bebop Dominant", "Bebop Major"}, 9},
        {"blues major", {"Blues Major Pentatonic"}, 2},
        {"no such scale", {}, 0},
        {"", {"Ionian", "Major"}, catalogue.size()},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.text);
        const std::vector<std::string> found = names(row.text);
        EXPECT_EQ(found.size(), row.count);
        ASSERT_GE(found.size(), row.first.size());
        EXPECT_EQ(std::vector(found.begin(), found.begin() + std::ssize(row.first)), row.first);
    }
    // Aliases: the other names of the same notes in the same bank, never the
    // entry's own.
    std::size_t checked = 0;
    for (const FoundScale& scale : FindScales(catalogue, "")) {
        const TScale& entry = catalogue[scale.entry];
        std::size_t same = 0;
        for (const TScale& other : catalogue) {
            same += other.Bank == entry.Bank && other.Notes == entry.Notes &&
                    other.Scale != entry.Scale;
        }
        ASSERT_EQ(scale.aliases.size(), same) << entry.Scale;
        ASSERT_EQ(std::count(scale.aliases.begin(), scale.aliases.end(), entry.Scale), 0);
        ++checked;
    }
    EXPECT_EQ(checked, catalogue.size());
}

}  // namespace
}  // namespace orvel
