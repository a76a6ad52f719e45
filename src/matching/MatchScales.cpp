// SPDX-License-Identifier: GPL-3.0-or-later
#include "matching/MatchScales.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <stdexcept>

#include "matching/Rotate12.h"
#include "scales/IntegerText.h"

namespace orvel {

namespace {

// The root name each pass writes: the caption for the main pass, the note
// name i semitones above the root for the pass of position i.
NoteNames PassRootNames(const TScaleQuery& query) {
    NoteNames names;
    names[0] = query.RootCaption;
    for (int i = 1; i < kPositionCount; ++i) {
        names[i] = query.Labels[static_cast<std::size_t>(
            NoteTableIndex(query.RootIndex.Value() + i).Value())];
    }
    return names;
}

bool IsAdmitted(const TScaleQuery& query, int position) {
    return !query.RootsInListOnly || HasPosition(query.QueryNotes, position);
}

struct Pass {
    std::uint32_t number;  // 0 for the chosen root, else the position used as root
    PitchClassSet target;  // the query re-expressed from that root
};

std::vector<Pass> AdmittedPasses(const TScaleQuery& query) {
    std::vector<Pass> passes{{0, query.QueryNotes}};
    if (query.IncludeOtherRoots) {
        for (int position = 1; position < kPositionCount; ++position) {
            if (IsAdmitted(query, position)) {
                passes.push_back(
                    {static_cast<std::uint32_t>(position), Rotate12(query.QueryNotes, position)});
            }
        }
    }
    return passes;
}

// The entries' sets, compact: twelve passes over a large catalogue then run
// from the cache rather than striding through the records.
using CompactSet = std::uint16_t;

std::vector<CompactSet> CompactSets(std::span<const TScale> catalogue) {
    std::vector<CompactSet> sets;
    sets.reserve(catalogue.size());
    for (const TScale& entry : catalogue) {
        sets.push_back(static_cast<CompactSet>(entry.Notes));
    }
    return sets;
}

// Every pass asks each entry the two questions of TScale::Equivalent and
// TScale::ContainsAll. Entries whose set lies outside 0 to 4095 (never built
// by the loader) would not survive the compact copy; they are matched on
// their full value in the slow path below.
bool AllSetsCompact(std::span<const TScale> catalogue) {
    return std::all_of(catalogue.begin(), catalogue.end(), [](const TScale& entry) {
        return entry.Notes >= 0 && entry.Notes <= kAllPositions;
    });
}

template <typename Set>
std::pair<std::size_t, std::size_t> CountMatches(std::span<const Set> sets, PitchClassSet target) {
    std::size_t exact = 0;
    std::size_t containing = 0;
    for (const Set set : sets) {
        exact += IsSameSet(set, target) ? 1 : 0;
        containing += IsStrictSuperset(set, target) ? 1 : 0;
    }
    return {exact, containing};
}

// Writes the pass's rows without branching on the outcome: every entry index
// is written, and the write position moves on only for a match.
template <typename Set>
void FillPass(std::span<const Set> sets, const Pass& pass, TMatchResult& result) {
    std::uint32_t* exact = result.ExactRows.Write();
    std::uint32_t* containing = result.ContainingRows.Write();
    std::size_t exactCount = 0;
    std::size_t containingCount = 0;
    const auto entries = static_cast<std::uint32_t>(sets.size());
    for (std::uint32_t entry = 0; entry < entries; ++entry) {
        const PitchClassSet set = sets[entry];
        exact[exactCount] = entry;
        exactCount += IsSameSet(set, pass.target) ? 1 : 0;
        containing[containingCount] = entry;
        containingCount += IsStrictSuperset(set, pass.target) ? 1 : 0;
    }
    result.ExactRows.EndPass(pass.number, exactCount);
    result.ContainingRows.EndPass(pass.number, containingCount);
}

template <typename Set>
void RunPasses(std::span<const Set> sets, const std::vector<Pass>& passes, TMatchResult& result) {
    std::size_t exact = 0;
    std::size_t containing = 0;
    for (const Pass& pass : passes) {
        const auto [passExact, passContaining] = CountMatches(sets, pass.target);
        exact += passExact;
        containing += passContaining;
    }
    result.ExactRows = TMatchRows(exact);
    result.ContainingRows = TMatchRows(containing);
    for (const Pass& pass : passes) {
        FillPass(sets, pass, result);
    }
}

}  // namespace

TMatchResult MatchScales(const TScaleQuery& query, std::span<const TScale> catalogue) {
    if (catalogue.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("catalogue too large to match");
    }
    TMatchResult result(catalogue, PassRootNames(query), query.RootIndex);
    result.ValueText = BinaryText(query.QueryNotes);

    const std::vector<Pass> passes = AdmittedPasses(query);
    if (AllSetsCompact(catalogue)) {
        const std::vector<CompactSet> sets = CompactSets(catalogue);
        RunPasses(std::span<const CompactSet>(sets), passes, result);
    } else {
        std::vector<PitchClassSet> sets;
        sets.reserve(catalogue.size());
        for (const TScale& entry : catalogue) {
            sets.push_back(entry.Notes);
        }
        RunPasses(std::span<const PitchClassSet>(sets), passes, result);
    }
    return result;
}

}  // namespace orvel
