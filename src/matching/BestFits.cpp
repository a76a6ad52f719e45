// SPDX-License-Identifier: GPL-3.0-or-later
#include "matching/BestFits.h"

#include <algorithm>
#include <array>
#include <set>
#include <utility>

#include "matching/Familiarity.h"
#include "theory/SpelledScale.h"

namespace orvel {

namespace {

constexpr double kCoverage = 10;
constexpr double kAddedNote = 1;
constexpr double kTierTwo = 1.5;
constexpr double kTierThree = 2.5;
constexpr double kKeyTonic = 1.5;
constexpr double kCloseKeyTonic = 0.75;
constexpr double kChordRoot = 0.25;
constexpr double kKeyNote = 2;

constexpr std::size_t kCollections = 1U << kPositionCount;

double TierPenalty(int tier) {
    return tier == 1 ? 0 : tier == 2 ? kTierTwo : kTierThree;
}

// One collection of notes on one root, and the most familiar scale that
// gives it: the rows that fold into one.
struct Group {
    int root = 0;
    PitchClassesAboveC notes;
    std::uint32_t entry = 0;
    Familiarity familiarity;
    double score = 0;
};

}  // namespace

std::vector<BestFit> RankBestFits(std::span<const TScale> catalogue, NoteWeights weights,
                                  std::span<const Key> keys, PitchClassesAboveC chordRoots) {
    if (!keys.empty()) {
        for (const PitchClass note : keys.front().Notes().Members()) {
            weights.ofPitchClass[static_cast<std::size_t>(note.SemitonesAboveC())] *= kKeyNote;
        }
    }
    const double total = weights.Total();
    if (total <= 0) {
        return {};
    }
    PitchClassesAboveC heard;
    for (int c = 0; c < kPositionCount; ++c) {
        if (weights.Of(PitchClass(c)) > 0) {
            heard.Add(PitchClass(c));
        }
    }
    std::array<double, kPositionCount> rootBonus{};
    for (int c = 0; c < kPositionCount; ++c) {
        const PitchClass root(c);
        const auto isTonic = [root](const Key& key) { return key.tonic.PitchClass() == root; };
        rootBonus[static_cast<std::size_t>(c)] = !keys.empty() && isTonic(keys.front()) ? kKeyTonic
                                                 : std::any_of(keys.begin(), keys.end(), isTonic)
                                                     ? kCloseKeyTonic
                                                 : chordRoots.Has(root) ? kChordRoot
                                                                        : 0.0;
    }

    // Each collection on each root once, with its most familiar name.
    std::vector<std::int32_t> groupOf(kCollections * kPositionCount, -1);
    std::vector<Group> groups;
    std::vector<PitchClassesAboveC> onC(catalogue.size());
    std::vector<Familiarity> familiarity(catalogue.size());
    for (std::uint32_t entry = 0; entry < catalogue.size(); ++entry) {
        if (SpellAsFor(catalogue[entry].Bank) == SpellAs::Chord) {
            continue;
        }
        onC[entry] = NotesOn(catalogue[entry].Notes, kC);
        familiarity[entry] = FamiliarityOf(catalogue[entry]);
        for (int root = 0; root < kPositionCount; ++root) {
            const PitchClassesAboveC notes = onC[entry].Transposed(root);
            std::int32_t& group =
                groupOf[static_cast<std::size_t>(root) * kCollections + notes.Bits()];
            if (group < 0) {
                group = static_cast<std::int32_t>(groups.size());
                groups.push_back({root, notes, entry, familiarity[entry], 0});
            } else if (familiarity[entry] < groups[static_cast<std::size_t>(group)].familiarity) {
                groups[static_cast<std::size_t>(group)].entry = entry;
                groups[static_cast<std::size_t>(group)].familiarity = familiarity[entry];
            }
        }
    }
    for (Group& group : groups) {
        double held = 0;
        for (int c = 0; c < kPositionCount; ++c) {
            held += group.notes.Has(PitchClass(c)) ? weights.Of(PitchClass(c)) : 0.0;
        }
        const int added = PitchClassesAboveC::FromBits(group.notes.Bits() & ~heard.Bits()).Count();
        group.score = kCoverage * held / total - kAddedNote * added -
                      TierPenalty(group.familiarity.tier) +
                      rootBonus[static_cast<std::size_t>(group.root)];
    }
    std::sort(groups.begin(), groups.end(), [](const Group& a, const Group& b) {
        if (a.score != b.score) {
            return a.score > b.score;
        }
        return std::pair(a.familiarity, a.entry) < std::pair(b.familiarity, b.entry);
    });

    // The best groups, each with its other names; a scale shown on one root
    // is not shown again on another that gives the same notes.
    std::vector<BestFit> rows;
    std::set<std::pair<std::uint32_t, std::uint32_t>> shown;  // entry and notes
    for (const Group& group : groups) {
        if (rows.size() == kMostBestFits) {
            break;
        }
        std::vector<std::pair<Familiarity, std::uint32_t>> members;
        for (std::uint32_t entry = 0; entry < catalogue.size(); ++entry) {
            if (!onC[entry].Empty() && onC[entry].Transposed(group.root) == group.notes &&
                shown.emplace(entry, group.notes.Bits()).second) {
                members.emplace_back(familiarity[entry], entry);
            }
        }
        if (members.empty()) {
            continue;
        }
        std::stable_sort(members.begin(), members.end());
        BestFit row{members.front().second,
                    PitchClass(group.root),
                    {},
                    PitchClassesAboveC::FromBits(heard.Bits() & ~group.notes.Bits()),
                    PitchClassesAboveC::FromBits(group.notes.Bits() & ~heard.Bits()).Count(),
                    group.score};
        for (std::size_t m = 1; m < members.size(); ++m) {
            row.also.push_back(members[m].second);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace orvel
