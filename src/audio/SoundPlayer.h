// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What plays sound, as its users see it: play a performance, stop it, ask
// whether it still sounds. Player is the real one; LoadedPlayer brings it in
// from its module on the first play.

#include <optional>
#include <string>
#include <vector>

#include "audio/Performance.h"

namespace orvel {

// What a play says when no output takes the sound, whether none answered or
// the sound server kept it waiting too long.
inline constexpr const char* kNoAudioOutput =
    "No audio output: the sound server is not running, and no sound device answers.";

class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;

    // Starts playing `notes`, stopping what played before; the message says
    // what is missing when it cannot ("No audio output: ...").
    virtual std::optional<std::string> Play(const std::vector<TimedNote>& notes) = 0;
    virtual void Stop() = 0;
    // Until the last note and its release have sounded, or Stop.
    virtual bool IsPlaying() const = 0;
};

}  // namespace orvel
