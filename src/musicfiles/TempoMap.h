// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Seconds from beats through a piece's tempo changes, 120 beats a minute
// before the first. The MIDI and MusicXML readers time their notes by it.

#include <vector>

namespace orvel {

class TempoMap {
  public:
    static constexpr double kDefaultBeatsPerMinute = 120;

    struct Change {
        double beat = 0;
        double beatsPerMinute = kDefaultBeatsPerMinute;
    };

    // In any order; changes at the same beat keep the last.
    explicit TempoMap(std::vector<Change> changes);

    double Seconds(double beat) const;

  private:
    struct Mark {
        Change change;
        double seconds;  // at the change's beat
    };
    std::vector<Mark> marks_;
};

}  // namespace orvel
