// SPDX-License-Identifier: GPL-3.0-or-later
#include "matching/RankScales.h"

#include <algorithm>
#include <array>
#include <bit>
#include <tuple>

#include "matching/Familiarity.h"
#include "matching/FoldSameNotes.h"
#include "theory/ChordScaleChoice.h"
#include "theory/FindKey.h"
#include "theory/NoteWeights.h"
#include "theory/SpelledScale.h"

namespace orvel {

namespace {

// Bit c for pitch class c, in an unsigned word, for fast rotation.
using Mask = std::uint32_t;
constexpr Mask kTwelve = 0xFFF;

// A set's positions as bit p for position p (the catalogue's is bit 11 - p).
Mask PositionMask(PitchClassSet set) {
    Mask mask = 0;
    for (int position = 0; position < kPositionCount; ++position) {
        if (HasPosition(set, position)) {
            mask |= Mask{1} << position;
        }
    }
    return mask;
}

Mask Rotated(Mask positions, int root) {
    return ((positions << root) | (positions >> (kPositionCount - root))) & kTwelve;
}

Mask MaskOf(PitchClassesAboveC notes) {
    return notes.Bits();
}

int Count(Mask mask) {
    return std::popcount(mask);
}

struct ProgressionChord {
    PitchClass root;
    PitchClassesAboveC notes;
    std::vector<PitchClassSet> choices;  // the chord-scales taught first
};

// How a root ranks among equals: the first or last chord's root, another
// chord's root, any other.
int RootRank(PitchClass root, std::span<const ProgressionChord> chords) {
    if (chords.empty()) {
        return 0;
    }
    if (root == chords.front().root || root == chords.back().root) {
        return 0;
    }
    const bool chordRoot = std::any_of(
        chords.begin(), chords.end(), [root](const ProgressionChord& c) { return c.root == root; });
    return chordRoot ? 1 : 2;
}

void Rank(std::vector<RankedScale>& scales, std::span<const ProgressionChord> chords) {
    std::array<int, kPositionCount> rootRank{};
    for (int root = 0; root < kPositionCount; ++root) {
        rootRank[static_cast<std::size_t>(root)] = RootRank(PitchClass(root), chords);
    }
    const auto rank = [&](const RankedScale& scale) {
        return rootRank[static_cast<std::size_t>(scale.root.SemitonesAboveC())];
    };
    std::stable_sort(scales.begin(), scales.end(), [&](const RankedScale& a, const RankedScale& b) {
        return std::tuple(a.added, rank(a), a.entry) < std::tuple(b.added, rank(b), b.entry);
    });
}

// A chord's scales: the choices taught first in their order, then fewest
// added notes, the more familiar, catalogue order; then folded.
std::vector<RankedScale> RankChordScales(std::span<const TScale> catalogue,
                                         std::span<const Familiarity> familiarity,
                                         std::vector<RankedScale> scales,
                                         std::span<const PitchClassSet> choices) {
    const auto rank = [&](const RankedScale& scale) {
        const auto choice = std::find(choices.begin(), choices.end(), catalogue[scale.entry].Notes);
        return std::tuple(choice - choices.begin(), scale.added, familiarity[scale.entry]);
    };
    std::stable_sort(scales.begin(), scales.end(),
                     [&](const RankedScale& a, const RankedScale& b) { return rank(a) < rank(b); });
    return FoldSameNotes(std::move(scales), catalogue);
}

ChordScales RankScales(std::span<const TScale> catalogue, std::span<const ProgressionChord> chords,
                       PitchClassesAboveC notes) {
    ChordScales ranked;
    ranked.perChord.resize(chords.size());
    const Mask wanted = MaskOf(notes);
    std::vector<Mask> chordMasks;
    for (const ProgressionChord& chord : chords) {
        chordMasks.push_back(MaskOf(chord.notes));
    }
    std::vector<Familiarity> familiarity;
    if (!chords.empty()) {
        familiarity.reserve(catalogue.size());
        for (const TScale& entry : catalogue) {
            familiarity.push_back(FamiliarityOf(entry));
        }
    }
    for (std::uint32_t entry = 0; entry < catalogue.size(); ++entry) {
        if (SpellAsFor(catalogue[entry].Bank) == SpellAs::Chord) {
            continue;
        }
        const Mask positions = PositionMask(catalogue[entry].Notes);
        std::array<Mask, kPositionCount> onRoot{};
        for (int root = 0; root < kPositionCount; ++root) {
            const Mask scale = Rotated(positions, root);
            onRoot[static_cast<std::size_t>(root)] = scale;
            const Mask lacking = wanted & ~scale;
            const int added = Count(scale & ~wanted);
            if (lacking == 0) {
                ranked.fits.push_back({entry, PitchClass(root), added, std::nullopt, true, {}});
            } else if (Count(lacking) == 1) {
                ranked.nearly.push_back({entry,
                                         PitchClass(root),
                                         added,
                                         PitchClass(std::countr_zero(lacking)),
                                         false,
                                         {}});
            }
        }
        for (std::size_t c = 0; c < chords.size(); ++c) {
            const Mask scale = onRoot[static_cast<std::size_t>(chords[c].root.SemitonesAboveC())];
            if ((chordMasks[c] & ~scale) == 0) {
                ranked.perChord[c].push_back({entry,
                                              chords[c].root,
                                              Count(scale & ~chordMasks[c]),
                                              std::nullopt,
                                              (wanted & ~scale) == 0,
                                              {}});
            }
        }
    }
    Rank(ranked.fits, chords);
    Rank(ranked.nearly, chords);
    for (std::size_t c = 0; c < chords.size(); ++c) {
        ranked.perChord[c] = RankChordScales(catalogue, familiarity, std::move(ranked.perChord[c]),
                                             chords[c].choices);
    }
    return ranked;
}

// The chord played after `chord` where it first sounds; after the last, the
// first, as a tune goes round (A7 in Dm7 G7 Cmaj7 A7 goes to Dm7).
const ChordSymbol* NextChord(const Progression& progression, const ChordSymbol& chord) {
    const std::vector<PlayedItem>& played = progression.played;
    for (std::size_t i = 0; i < played.size() && played.size() > 1; ++i) {
        const std::optional<ChordSymbol>& here = progression.items[played[i].item].chord;
        if (here && &*here == &chord) {
            const std::optional<ChordSymbol>& next =
                progression.items[played[(i + 1) % played.size()].item].chord;
            return next ? &*next : nullptr;
        }
    }
    return nullptr;
}

}  // namespace

ChordScales RankProgression(std::span<const TScale> catalogue, const Progression& progression) {
    const PitchClassesAboveC notes = progression.Notes();
    if (notes.Empty()) {
        return {};
    }
    const std::vector<Key> keys = FindKeys(progression);
    const std::optional<Key> key = keys.empty() ? std::nullopt : std::optional(keys.front());
    std::vector<ProgressionChord> chords;
    PitchClassesAboveC chordRoots;
    for (const ChordSymbol* chord : progression.Chords()) {
        chords.push_back({chord->root.PitchClass(), chord->Notes(),
                          ChordScaleChoices(*chord, key, NextChord(progression, *chord))});
        chordRoots.Add(chord->root.PitchClass());
    }
    ChordScales ranked = RankScales(catalogue, chords, notes);
    ranked.keys = keys;
    ranked.best = RankBestFits(catalogue, WeighNotes(progression), keys, chordRoots);
    return ranked;
}

ChordScales RankNotes(std::span<const TScale> catalogue, PitchClassesAboveC notes,
                      const NoteWeights& weights, std::vector<Key> keys) {
    if (notes.Empty()) {
        return {};
    }
    ChordScales ranked = RankScales(catalogue, {}, notes);
    ranked.best = RankBestFits(catalogue, weights, keys, {});
    ranked.keys = std::move(keys);
    return ranked;
}

}  // namespace orvel
