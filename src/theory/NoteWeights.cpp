// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/NoteWeights.h"

#include <numeric>

namespace orvel {

namespace {

constexpr double kTension = 0.5;
constexpr double kThird = 1.5;
constexpr int kFirstTension = 9;

void Add(NoteWeights& weights, PitchClass note, double weight) {
    weights.ofPitchClass[static_cast<std::size_t>(note.SemitonesAboveC())] += weight;
}

}  // namespace

double NoteWeights::Total() const {
    return std::accumulate(ofPitchClass.begin(), ofPitchClass.end(), 0.0);
}

NoteWeights WeighNotes(const Progression& progression) {
    NoteWeights weights;
    // Each chord's notes for one beat, spelled once however often it sounds.
    std::vector<NoteWeights> perBeat(progression.items.size());
    for (std::size_t i = 0; i < progression.items.size(); ++i) {
        const ProgressionItem& item = progression.items[i];
        if (item.note) {
            Add(weights, item.note->PitchClass(), 1);
        }
        if (!item.chord) {
            continue;
        }
        const SpelledScale spelled = item.chord->Spelled();
        for (std::size_t n = 0; n < spelled.notes.size(); ++n) {
            const int degree = spelled.intervals[n].degree;
            Add(perBeat[i], spelled.notes[n].PitchClass(),
                degree >= kFirstTension ? kTension
                : degree == 3           ? kThird
                                        : 1);
        }
        const std::optional<NoteName>& bass = item.chord->bass;
        if (bass && !spelled.PitchClasses().Has(bass->PitchClass())) {
            Add(perBeat[i], bass->PitchClass(), 1);
        }
    }
    for (const PlayedItem& played : progression.played) {
        for (std::size_t c = 0; c < weights.ofPitchClass.size(); ++c) {
            weights.ofPitchClass[c] += played.beats * perBeat[played.item].ofPitchClass[c];
        }
    }
    return weights;
}

}  // namespace orvel
