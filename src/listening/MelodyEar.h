// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The notes of one voice (singing, humming, a horn, a single guitar line)
// as they come, through aubio: the pitch of each short frame (about 12 ms)
// by its YIN detector computed by FFT ("yinfast": its "yinfft" gives no
// confidence, and is a few cents off), kept where it is confident; its
// onsets place where notes start. A note lasts while its pitch holds within
// about half a semitone and its sound goes on; a dip in its sound and a rise again strike it anew.
// Notes shorter than 60 ms are passed over.
//
// The tuning is estimated from the notes heard (how far their pitches sit,
// on the whole, between the equal-tempered ones, weighted by length), and
// each note is named after taking it out. Memory does not grow with the
// length of the sound, only with the notes heard (at most
// Melody::kMostNotes).

#include <memory>

#include "listening/Ear.h"

namespace orvel {

class MelodyEar final : public Ear {
  public:
    explicit MelodyEar(int sampleRate);  // throws ListenError
    ~MelodyEar() override;
    MelodyEar(const MelodyEar&) = delete;
    MelodyEar& operator=(const MelodyEar&) = delete;

    void Hear(std::span<const float> mono) override;
    HeardNow Now() const override;
    Heard SoFar() const override;

  private:
    struct Workings;
    std::unique_ptr<Workings> workings_;
};

}  // namespace orvel
