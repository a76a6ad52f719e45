// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/Performance.h"

#include <algorithm>
#include <cmath>

namespace orvel {

namespace {

constexpr int kChordMs = 2000;
constexpr double kLegato = 0.95;  // of its eighth that a note sounds

}  // namespace

std::vector<TimedNote> ScaleRun(PitchClassSet set, int rootKey, double beatsPerMinute) {
    std::vector<int> keys;
    for (const int position : PositionsOf(set)) {
        keys.push_back(rootKey + position);
    }
    keys.push_back(rootKey + kPositionCount);
    const std::vector<int> up = keys;
    keys.insert(keys.end(), up.rbegin() + 1, up.rend());
    const double eighthMs = 30'000.0 / beatsPerMinute;
    std::vector<TimedNote> notes;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        notes.push_back({keys[i], static_cast<int>(std::lround(static_cast<double>(i) * eighthMs)),
                         static_cast<int>(std::lround(eighthMs * kLegato))});
    }
    return notes;
}

std::vector<TimedNote> Chord(PitchClassSet set, int rootKey) {
    std::vector<TimedNote> notes;
    for (const int position : PositionsOf(set)) {
        notes.push_back({rootKey + position, 0, kChordMs});
    }
    return notes;
}

int EndMs(const std::vector<TimedNote>& notes) {
    int end = 0;
    for (const TimedNote& note : notes) {
        end = std::max(end, note.startMs + note.lengthMs);
    }
    return end;
}

std::vector<TimedNote> ScaleRunOf(const ScaleRow& row, double beatsPerMinute) {
    return ScaleRun(row.entry.Notes, KeyNearMiddleC(row.root), beatsPerMinute);
}

}  // namespace orvel
