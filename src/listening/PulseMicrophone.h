// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A Microphone over a PulseAudio source: a thread of its own connects to
// the sound server, reads 10 ms at a time (44.1 kHz, mixed to mono by the
// server) and hands it to an ear (MelodyEar.h, ChordEar.h), behind a lock
// that the askers share. The thread holds what it shares with the
// microphone, and is let go when the microphone goes: a sound server that
// hangs never holds up the one who stops listening.

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "listening/Ear.h"
#include "listening/Listening.h"
#include "listening/Microphone.h"

namespace orvel {

class PulseMicrophone final : public Microphone {
  public:
    static constexpr int kSampleRate = 44100;
    static constexpr int kBlockMs = 10;

    PulseMicrophone(std::string input, ListenMode mode);
    ~PulseMicrophone() override;
    PulseMicrophone(const PulseMicrophone&) = delete;
    PulseMicrophone& operator=(const PulseMicrophone&) = delete;

    HeardNow Now() const override;
    Heard SoFar() const override;
    std::optional<std::string> Failure() const override;

  private:
    struct Shared {
        std::mutex lock;
        std::unique_ptr<Ear> ear;
        std::optional<std::string> failure;
        std::atomic<bool> stopping = false;
    };
    static void Run(const std::shared_ptr<Shared>& shared, const std::string& input);

    std::shared_ptr<Shared> shared_;
};

// The sources of the sound server (PULSE_SERVER or the user's), the
// default first; none when no server answers within a second.
std::vector<AudioInput> PulseInputs();

}  // namespace orvel
