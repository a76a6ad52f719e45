// SPDX-License-Identifier: GPL-3.0-or-later
#include "matching/BestFits.h"

#include <algorithm>
#include <array>

#include "matching/Familiarity.h"
#include "matching/FoldSameNotes.h"
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

double TierPenalty(int tier) {
    return tier == 1 ? 0 : tier == 2 ? kTierTwo : kTierThree;
}

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
    PitchClassesAboveC notes;
    for (int c = 0; c < kPositionCount; ++c) {
        if (weights.Of(PitchClass(c)) > 0) {
            notes.Add(PitchClass(c));
        }
    }
    std::array<double, kPositionCount> rootBonus{};
    for (int c = 0; c < kPositionCount; ++c) {
        const PitchClass root(c);
        if (!keys.empty() && keys.front().tonic.PitchClass() == root) {
            rootBonus[static_cast<std::size_t>(c)] = kKeyTonic;
        } else if (std::any_of(keys.begin(), keys.end(),
                               [root](const Key& key) { return key.tonic.PitchClass() == root; })) {
            rootBonus[static_cast<std::size_t>(c)] = kCloseKeyTonic;
        } else if (chordRoots.Has(root)) {
            rootBonus[static_cast<std::size_t>(c)] = kChordRoot;
        }
    }
    struct Scored {
        BestFit fit;
        Familiarity familiarity;
    };
    std::vector<Scored> scored;
    for (std::uint32_t entry = 0; entry < catalogue.size(); ++entry) {
        if (SpellAsFor(catalogue[entry].Bank) == SpellAs::Chord) {
            continue;
        }
        const Familiarity familiarity = FamiliarityOf(catalogue[entry]);
        for (int c = 0; c < kPositionCount; ++c) {
            const PitchClass root(c);
            const PitchClassesAboveC scale = NotesOn(catalogue[entry].Notes, root);
            double held = 0;
            for (const PitchClass note : scale.Members()) {
                held += weights.Of(note);
            }
            const PitchClassesAboveC leftOut =
                PitchClassesAboveC::FromBits(notes.Bits() & ~scale.Bits());
            const int added = PitchClassesAboveC::FromBits(scale.Bits() & ~notes.Bits()).Count();
            const double score = kCoverage * held / total - kAddedNote * added -
                                 TierPenalty(familiarity.tier) +
                                 rootBonus[static_cast<std::size_t>(c)];
            scored.push_back({{entry, root, {}, leftOut, added, score}, familiarity});
        }
    }
    std::stable_sort(scored.begin(), scored.end(), [](const Scored& a, const Scored& b) {
        if (a.fit.score != b.fit.score) {
            return a.fit.score > b.fit.score;
        }
        return a.familiarity < b.familiarity;
    });
    std::vector<BestFit> rows;
    rows.reserve(scored.size());
    for (Scored& row : scored) {
        rows.push_back(std::move(row.fit));
    }
    rows = FoldSameNotes(std::move(rows), catalogue);
    if (rows.size() > kMostBestFits) {
        rows.resize(kMostBestFits);
    }
    return rows;
}

}  // namespace orvel
