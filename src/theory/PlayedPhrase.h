// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A phrase played in on a keyboard: keys pressed and released at times
// (seconds from any start), gathered into a melody of one part. A played
// phrase has no written tempo: it is counted at 120 beats a minute, a beat
// half a second, in bars of 4/4, from the first key pressed. A key still
// down when the phrase is taken ends then; a key released that was never
// pressed is passed over. At most Melody::kMostNotes notes are kept.

#include <map>
#include <optional>
#include <vector>

#include "theory/Melody.h"

namespace orvel {

class PlayedPhrase {
  public:
    static constexpr double kBeatsPerSecond = 2;

    void Press(int midiKey, double seconds);
    void Release(int midiKey, double seconds);
    bool Empty() const { return melody_.notes.empty() && down_.empty(); }

    // The melody played up to `seconds`; the phrase starts again empty.
    Melody Take(double seconds);

  private:
    void End(int midiKey, double start, double seconds);

    Melody melody_;
    std::optional<double> first_;
    std::multimap<int, double> down_;  // start times by key
};

}  // namespace orvel
