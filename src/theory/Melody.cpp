// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/Melody.h"

#include <algorithm>
#include <cmath>

namespace orvel {

namespace {

constexpr MeterChange kCommonTime{};
// Bars are counted in an int: a note a billion bars in is in the last one.
constexpr double kMostBars = 1e9;

const MeterChange& ChangeBefore(const std::vector<MeterChange>& meter, double beat) {
    if (meter.empty()) {
        return kCommonTime;
    }
    const auto after =
        std::upper_bound(meter.begin(), meter.end(), beat,
                         [](double at, const MeterChange& c) { return at < c.start; });
    return after == meter.begin() ? meter.front() : *(after - 1);
}

}  // namespace

int Melody::BarAt(double beat) const {
    const MeterChange& change = ChangeBefore(meter, beat);
    // A little slack, so that a note written on a downbeat is in its bar.
    const double bars = std::floor((beat - change.start) / change.beatsPerBar + 1e-6);
    return static_cast<int>(std::clamp(change.firstBar + bars, 1.0, kMostBars));
}

double Melody::BarStart(int bar) const {
    if (meter.empty()) {
        return (bar - kCommonTime.firstBar) * kCommonTime.beatsPerBar;
    }
    const auto after = std::upper_bound(meter.begin(), meter.end(), bar,
                                        [](int b, const MeterChange& c) { return b < c.firstBar; });
    const MeterChange& change = after == meter.begin() ? meter.front() : *(after - 1);
    return change.start + (bar - change.firstBar) * change.beatsPerBar;
}

int Melody::LastBar() const {
    return notes.empty() ? 0 : BarAt(notes.back().start);
}

std::span<const MelodyNote> Melody::NotesIn(int firstBar, int lastBar) const {
    const auto startsBefore = [](const MelodyNote& note, double beat) {
        return note.start < beat - 1e-6;
    };
    const auto first = firstBar <= 1 ? notes.begin()
                                     : std::lower_bound(notes.begin(), notes.end(),
                                                        BarStart(firstBar), startsBefore);
    const auto end =
        lastBar >= static_cast<int>(kMostBars)
            ? notes.end()
            : std::lower_bound(first, notes.end(), BarStart(lastBar + 1), startsBefore);
    return {first, end};
}

}  // namespace orvel
