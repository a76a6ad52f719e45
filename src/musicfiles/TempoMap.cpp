// SPDX-License-Identifier: GPL-3.0-or-later
#include "musicfiles/TempoMap.h"

#include <algorithm>

namespace orvel {

TempoMap::TempoMap(std::vector<Change> changes) {
    std::stable_sort(changes.begin(), changes.end(),
                     [](const Change& a, const Change& b) { return a.beat < b.beat; });
    Change before{0, kDefaultBeatsPerMinute};
    double seconds = 0;
    for (const Change& change : changes) {
        seconds += (change.beat - before.beat) * 60 / before.beatsPerMinute;
        marks_.push_back({change, seconds});
        before = change;
    }
}

double TempoMap::Seconds(double beat) const {
    const auto after =
        std::upper_bound(marks_.begin(), marks_.end(), beat,
                         [](double b, const Mark& mark) { return b < mark.change.beat; });
    if (after == marks_.begin()) {
        return beat * 60 / kDefaultBeatsPerMinute;
    }
    const Mark& mark = *(after - 1);
    return mark.seconds + (beat - mark.change.beat) * 60 / mark.change.beatsPerMinute;
}

}  // namespace orvel
