// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/PlayedPhrase.h"

#include <algorithm>

namespace orvel {

void PlayedPhrase::Press(int midiKey, double seconds) {
    if (!first_) {
        first_ = seconds;
    }
    down_.emplace(midiKey, seconds);
}

void PlayedPhrase::Release(int midiKey, double seconds) {
    const auto down = down_.find(midiKey);
    if (down == down_.end()) {
        return;
    }
    End(midiKey, down->second, seconds);
    down_.erase(down);
}

void PlayedPhrase::End(int midiKey, double start, double seconds) {
    if (melody_.notes.size() >= Melody::kMostNotes) {
        melody_.truncated = true;
        return;
    }
    MelodyNote note;
    note.midiKey = midiKey;
    note.startSeconds = start - *first_;
    note.lengthSeconds = std::max(0.0, seconds - start);
    note.start = note.startSeconds * kBeatsPerSecond;
    note.length = note.lengthSeconds * kBeatsPerSecond;
    melody_.notes.push_back(note);
}

Melody PlayedPhrase::Take(double seconds) {
    for (const auto& [key, start] : down_) {
        End(key, start, seconds);
    }
    Melody melody = std::move(melody_);
    melody.parts = {{"Played", melody.notes.size()}};
    std::stable_sort(melody.notes.begin(), melody.notes.end(),
                     [](const MelodyNote& a, const MelodyNote& b) { return a.start < b.start; });
    *this = {};
    return melody;
}

}  // namespace orvel
