// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The notes a player holds, as the query they make.
//
// The notes held together form the query: every note played while any key
// is down joins it, so a rolled chord and one struck at once read alike.
// When every key is up the query stays; the next note played starts a new
// one. While the sustain pedal is down, every note played joins, even once
// released; the query closes when the pedal and every key are up. A key is
// its channel and number; a key going up that was never down changes
// nothing, and all notes off lets go of every key of its channel.

#include <bitset>
#include <optional>

#include "midi/MidiEvent.h"
#include "scales/PitchClass.h"
#include "scales/PitchClassesAboveC.h"

namespace orvel {

class HeldNotes {
  public:
    // Takes one event; true when the query changed.
    bool Take(const MidiEvent& event);

    // The pitch classes of the query, above C.
    PitchClassesAboveC Query() const { return query_; }
    // The pitch class of the lowest note of the query, if any.
    std::optional<PitchClass> LowestPitchClass() const;

  private:
    static constexpr int kKeys = 16 * 128;

    void CloseWhenAllUp();

    std::bitset<kKeys> down_;  // by channel * 128 + key
    std::bitset<16> pedal_;    // by channel
    PitchClassesAboveC query_;
    int lowestKey_ = -1;  // of the query; -1 when empty
    bool open_ = false;   // notes played now join the query
};

}  // namespace orvel
