// SPDX-License-Identifier: GPL-3.0-or-later
#include "matching/RankMelody.h"

#include <algorithm>

#include "theory/MelodyKey.h"
#include "theory/RootName.h"

namespace orvel {

namespace {

std::vector<MelodySection> Sections(const Melody& melody, const MelodyQuery& query) {
    std::vector<MelodySection> sections;
    const int length = std::max(1, query.barsPerSection);
    const int first = std::max(1, query.span.firstBar);
    const std::span<const MelodyNote> notes = melody.NotesIn(first, query.span.lastBar);
    for (auto note = notes.begin();
         note != notes.end() && sections.size() < MelodyAnswer::kMostSections;) {
        const int bar = melody.BarAt(note->start);
        const int sectionStart = first + (bar - first) / length * length;
        MelodySpan span = query.span;
        span.firstBar = sectionStart;
        span.lastBar = std::min(query.span.lastBar, sectionStart + (length - 1));
        const MelodyProfile profile = WeighMelody(melody, span);
        if (profile.weights.Total() > 0) {
            sections.push_back(
                {span.firstBar, span.lastBar, FindMelodyKeys(melody, span, profile)});
        }
        note = std::find_if(note, notes.end(), [&](const MelodyNote& n) {
            return melody.BarAt(n.start) > span.lastBar;
        });
    }
    return sections;
}

}  // namespace

MelodyAnswer RankMelody(std::span<const TScale> catalogue, const Melody& melody,
                        const MelodyQuery& query) {
    MelodyAnswer answer;
    answer.profile = WeighMelody(melody, query.span);
    answer.kept = KeptNotes(answer.profile.weights, query.threshold);
    NoteWeights alike;
    for (int c = 0; c < 12; ++c) {
        alike.ofPitchClass[static_cast<std::size_t>(c)] = answer.kept.Has(PitchClass(c)) ? 1 : 0;
    }
    answer.scales = RankNotes(catalogue, answer.kept, alike,
                              FindMelodyKeys(melody, query.span, answer.profile));
    answer.sections = Sections(melody, query);
    return answer;
}

Progression KeptNotesLine(const MelodyAnswer& answer, RootSpelling spelling) {
    std::vector<Key> keys = answer.scales.keys;
    for (const MelodySection& section : answer.sections) {
        keys.insert(keys.end(), section.keys.begin(), section.keys.end());
    }
    std::string line;
    for (const PitchClass note : answer.kept.Members()) {
        line += RootName(note, Progression{}, keys, spelling).Ascii() + " ";
    }
    return ReadProgression(line, ReadAs::Notes);
}

}  // namespace orvel
