// SPDX-License-Identifier: GPL-3.0-or-later
#include "matching/ScaleRelations.h"

#include <algorithm>
#include <map>

#include "matching/Familiarity.h"

namespace orvel {

namespace {

// The catalogue's entries by their notes, the familiar first; scales and
// chords apart.
struct Index {
    std::map<PitchClassSet, std::vector<std::uint32_t>> scales;
    std::vector<std::uint32_t> chords;

    Index(std::span<const TScale> catalogue) {
        std::vector<std::uint32_t> order(catalogue.size());
        for (std::uint32_t entry = 0; entry < catalogue.size(); ++entry) {
            order[entry] = entry;
        }
        std::vector<Familiarity> familiarity;
        familiarity.reserve(catalogue.size());
        for (const TScale& entry : catalogue) {
            familiarity.push_back(FamiliarityOf(entry));
        }
        std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
            return familiarity[a] < familiarity[b];
        });
        for (const std::uint32_t entry : order) {
            if (SpellAsFor(catalogue[entry].Bank) == SpellAs::Chord) {
                chords.push_back(entry);
            } else {
                scales[catalogue[entry].Notes].push_back(entry);
            }
        }
    }

    std::vector<std::uint32_t> Names(PitchClassSet set) const {
        const auto found = scales.find(set);
        return found == scales.end() ? std::vector<std::uint32_t>{} : found->second;
    }
};

int Brightness(PitchClassSet set) {
    int sum = 0;
    for (const int position : PositionsOf(set)) {
        sum += position;
    }
    return sum;
}

// A neighbour's name for a note: as the scale spells it where it has it,
// else as a scale of it reads best.
NoteName NameOf(const SpelledScale& scale, PitchClass note) {
    const auto degree = scale.DegreeOf(note);
    return degree ? scale.notes[*degree] : SpellScale(0, note).root;
}

}  // namespace

ScaleRelations RelationsOf(std::span<const TScale> catalogue, const SpelledScale& scale,
                           PitchClassSet set) {
    const Index index(catalogue);
    ScaleRelations relations;
    const std::vector<int> positions = PositionsOf(set);
    for (std::size_t degree = 0; degree < positions.size(); ++degree) {
        const PitchClassSet mode = ModeFrom(set, positions[degree]);
        const NoteName root = degree < scale.notes.size() ? scale.notes[degree] : scale.root;
        relations.modes.push_back(
            {root, mode, index.Names(mode), Brightness(mode), std::nullopt, std::nullopt});
    }
    for (std::size_t m = 0; m < relations.modes.size(); ++m) {
        relations.byBrightness.push_back(m);
    }
    std::stable_sort(relations.byBrightness.begin(), relations.byBrightness.end(),
                     [&](std::size_t a, std::size_t b) {
                         return relations.modes[a].brightness > relations.modes[b].brightness;
                     });

    const PitchClass root = scale.root.PitchClass();
    const auto neighbour = [&](PitchClassSet changed, PitchClass note,
                               std::optional<NoteName> from) {
        return RelatedScale{scale.root,          changed, index.Names(changed), 0,
                            NameOf(scale, note), from};
    };
    for (int position = 1; position < kPositionCount; ++position) {
        const PitchClassSet bit = PositionBit(position);
        const PitchClass note = root.Up(position);
        if (!(set & bit)) {
            if (const RelatedScale added = neighbour(set | bit, note, std::nullopt);
                !added.entries.empty()) {
                relations.added.push_back(added);
            }
            continue;
        }
        if (const RelatedScale removed = neighbour(set & ~bit, note, std::nullopt);
            !removed.entries.empty()) {
            relations.removed.push_back(removed);
        }
        for (const int to : {position - 1, position + 1}) {
            if (to <= 0 || to >= kPositionCount || (set & PositionBit(to))) {
                continue;
            }
            // A note moved keeps its letter: F to F♯, B to B♭.
            const NoteName from = NameOf(scale, note);
            RelatedScale moved = neighbour((set & ~bit) | PositionBit(to), root.Up(to), from);
            moved.note = NamedBy(root.Up(to), from.letter);
            if (!moved.entries.empty()) {
                relations.moved.push_back(moved);
            }
        }
    }
    const auto familiarFirst = [&](std::vector<RelatedScale>& scales) {
        std::stable_sort(scales.begin(), scales.end(),
                         [&](const RelatedScale& a, const RelatedScale& b) {
                             return FamiliarityOf(catalogue[a.entries.front()]) <
                                    FamiliarityOf(catalogue[b.entries.front()]);
                         });
    };
    familiarFirst(relations.added);
    familiarFirst(relations.removed);
    familiarFirst(relations.moved);

    for (const auto& [notes, entries] : index.scales) {
        if (notes != set && PositionsOf(notes).size() == positions.size()) {
            relations.parallel.push_back(
                {scale.root, notes, entries, 0, std::nullopt, std::nullopt});
        }
    }
    familiarFirst(relations.parallel);
    if (positions.size() == 7) {
        const std::size_t degree = HasPosition(set, 4) && !HasPosition(set, 3) ? 5 : 2;
        relations.relative = relations.modes[degree];
    }

    relations.chords = DegreeChords(scale);
    if (positions.size() != 7) {
        for (std::size_t degree = 0; degree < positions.size(); ++degree) {
            const PitchClassSet mode = ModeFrom(set, positions[degree]);
            std::vector<std::uint32_t> held;
            for (const std::uint32_t chord : index.chords) {
                if ((catalogue[chord].Notes & ~mode) == 0) {
                    held.push_back(chord);
                }
            }
            relations.catalogueChords.push_back(held);
        }
    }
    relations.setClass = SetClassOf(NotesOn(set, root));
    return relations;
}

}  // namespace orvel
