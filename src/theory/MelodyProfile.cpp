// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/MelodyProfile.h"

#include <algorithm>
#include <cmath>

namespace orvel {

namespace {

constexpr double kLongestBeats = 4;
constexpr double kShortBeats = 0.25;
constexpr double kGraceBeats = 0.1;
constexpr double kDownbeat = 1.5;
constexpr double kMiddleOfBar = 1.25;
constexpr double kShort = 0.5;
constexpr double kLast = 2;

bool Near(double a, double b) {
    return std::abs(a - b) < 1e-6;
}

double MetricWeight(const Melody& melody, const MelodyNote& note) {
    const int bar = melody.BarAt(note.start);
    const double barStart = melody.BarStart(bar);
    const double beatsPerBar = melody.BarStart(bar + 1) - barStart;
    if (Near(note.start, barStart)) {
        return kDownbeat;
    }
    const bool evenBar = std::fmod(beatsPerBar, 2) == 0 && beatsPerBar >= 4;
    return evenBar && Near(note.start, barStart + beatsPerBar / 2) ? kMiddleOfBar : 1;
}

double NoteWeight(const Melody& melody, const MelodyNote& note) {
    if (note.grace) {
        return kGraceBeats;
    }
    const double length = std::min(note.length, kLongestBeats);
    return length * MetricWeight(melody, note) * (length < kShortBeats ? kShort : 1);
}

}  // namespace

bool MelodySpan::Holds(const Melody& melody, const MelodyNote& note) const {
    if (!parts.empty() && std::find(parts.begin(), parts.end(), note.part) == parts.end()) {
        return false;
    }
    const int bar = melody.BarAt(note.start);
    return bar >= firstBar && bar <= lastBar;
}

MelodyProfile WeighMelody(const Melody& melody, const MelodySpan& span) {
    MelodyProfile profile;
    const MelodyNote* last = nullptr;
    const std::span<const MelodyNote> notes = melody.NotesIn(span.firstBar, span.lastBar);
    for (const MelodyNote& note : notes) {
        if (!span.Holds(melody, note)) {
            continue;
        }
        profile.weights.ofPitchClass[static_cast<std::size_t>(
            PitchClass::OfKey(note.midiKey).SemitonesAboveC())] += NoteWeight(melody, note);
        if (!note.grace && (!last || note.start > last->start ||
                            (Near(note.start, last->start) && note.midiKey < last->midiKey))) {
            last = &note;
        }
    }
    if (!last) {
        return profile;
    }
    profile.lastNote = PitchClass::OfKey(last->midiKey);
    for (const MelodyNote& note : notes) {
        if (!note.grace && Near(note.start, last->start) && span.Holds(melody, note)) {
            profile.weights.ofPitchClass[static_cast<std::size_t>(
                PitchClass::OfKey(note.midiKey).SemitonesAboveC())] +=
                (kLast - 1) * NoteWeight(melody, note);
        }
    }
    return profile;
}

PitchClassesAboveC KeptNotes(const NoteWeights& weights, double share) {
    PitchClassesAboveC kept;
    const double total = weights.Total();
    for (int c = 0; c < 12; ++c) {
        const double weight = weights.Of(PitchClass(c));
        if (weight > 0 && weight >= share * total) {
            kept.Add(PitchClass(c));
        }
    }
    return kept;
}

NoteWeights KeptWeights(const NoteWeights& weights, double share) {
    const PitchClassesAboveC kept = KeptNotes(weights, share);
    NoteWeights keptWeights;
    for (int c = 0; c < 12; ++c) {
        if (kept.Has(PitchClass(c))) {
            keptWeights.ofPitchClass[static_cast<std::size_t>(c)] = weights.Of(PitchClass(c));
        }
    }
    return keptWeights;
}

}  // namespace orvel
