// SPDX-License-Identifier: GPL-3.0-or-later
#include "matching/RankScales.h"

#include <algorithm>
#include <array>
#include <bit>
#include <tuple>

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
    return static_cast<Mask>(notes.to_ulong());
}

int Count(Mask mask) {
    return std::popcount(mask);
}

// How a root ranks among equals: the first or last chord's root, another
// chord's root, any other.
int RootRank(int root, std::span<const ProgressionChord> chords) {
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
        rootRank[static_cast<std::size_t>(root)] = RootRank(root, chords);
    }
    std::stable_sort(scales.begin(), scales.end(), [&](const RankedScale& a, const RankedScale& b) {
        return std::tuple(a.added, rootRank[static_cast<std::size_t>(a.root)], a.entry) <
               std::tuple(b.added, rootRank[static_cast<std::size_t>(b.root)], b.entry);
    });
}

}  // namespace

PitchClassesAboveC NotesOn(PitchClassSet set, int root) {
    return PitchClassesAboveC(Rotated(PositionMask(set), root));
}

ChordScales RankScales(std::span<const TScale> catalogue, std::span<const ProgressionChord> chords,
                       PitchClassesAboveC notes,
                       const std::function<bool(const TScale&)>& isScale) {
    ChordScales ranked;
    ranked.perChord.resize(chords.size());
    const Mask wanted = MaskOf(notes);
    std::vector<Mask> chordMasks;
    for (const ProgressionChord& chord : chords) {
        chordMasks.push_back(MaskOf(chord.notes));
    }
    for (std::uint32_t entry = 0; entry < catalogue.size(); ++entry) {
        if (!isScale(catalogue[entry])) {
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
                ranked.fits.push_back({entry, root, added, -1, true});
            } else if (Count(lacking) == 1) {
                ranked.nearly.push_back({entry, root, added, std::countr_zero(lacking), false});
            }
        }
        for (std::size_t c = 0; c < chords.size(); ++c) {
            const Mask scale = onRoot[static_cast<std::size_t>(chords[c].root)];
            if ((chordMasks[c] & ~scale) == 0) {
                ranked.perChord[c].push_back({entry, chords[c].root, Count(scale & ~chordMasks[c]),
                                              -1, (wanted & ~scale) == 0});
            }
        }
    }
    Rank(ranked.fits, chords);
    Rank(ranked.nearly, chords);
    for (std::vector<RankedScale>& scales : ranked.perChord) {
        Rank(scales, chords);
    }
    return ranked;
}

}  // namespace orvel
