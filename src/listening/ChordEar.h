// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The notes of chords, a band or any sound of several notes at once, as
// they come: a chroma profile, through aubio's phase vocoder (an FFT of
// about 0.18 s every 46 ms). In each frame the peaks of the spectrum from
// 50 Hz to 5 kHz are found and placed between the semitones; a peak that
// sits on a harmonic (2 to 8 times) of a lower peak counts only what it
// has beyond what that harmonic would bring (taken as the lower peak's
// strength over the harmonic's number), as the third and fifth harmonics
// would otherwise sound a fifth and a third that nobody played. Each half second gathers its peaks
// in bins of a quarter semitone, the bass (below middle C) apart.
//
// At the end the tuning is estimated from all the peaks (how far they sit
// between the equal-tempered semitones, on the whole, by strength), the
// bins are folded into the twelve pitch classes, and each half second
// whose profile stands out from noise (its strongest at least twice the
// mean) gives its notes: those at least 30 % of its strongest, held for
// their share of it, the bass an octave below the rest. Memory grows with
// the half seconds heard, up to Melody::kMostNotes / 12 of them (an hour
// and ten minutes), after which the rest is left unheard.

#include <memory>

#include "listening/Ear.h"

namespace orvel {

class ChordEar final : public Ear {
  public:
    explicit ChordEar(int sampleRate);  // throws ListenError
    ~ChordEar() override;
    ChordEar(const ChordEar&) = delete;
    ChordEar& operator=(const ChordEar&) = delete;

    void Hear(std::span<const float> mono) override;
    HeardNow Now() const override;
    Heard SoFar() const override;

  private:
    struct Workings;
    std::unique_ptr<Workings> workings_;
};

}  // namespace orvel
