// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Player of the module "liborvel-player.so" beside the program, loaded
// on the first play. The module holds FluidSynth and the sound libraries it
// brings (PulseAudio, ALSA, SDL and more: some forty); linked into the
// program, they were loaded at every start and cost about a quarter of the
// time to the first paint.

#include <memory>

#include "audio/SoundPlayer.h"

namespace orvel {

class LoadedPlayer final : public SoundPlayer {
  public:
    // The module's file name, and the function it exports: a new Player.
    static constexpr const char* kModule = "liborvel-player.so";
    static constexpr const char* kFactory = "orvel_make_player";

    std::optional<std::string> Play(const std::vector<TimedNote>& notes) override;
    void Stop() override;
    bool IsPlaying() const override;

  private:
    std::unique_ptr<SoundPlayer> player_;  // from the module, once loaded
};

}  // namespace orvel
