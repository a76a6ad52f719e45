// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/LoadedPlayer.h"

#include <dlfcn.h>

#include "scales/ProgramFolder.h"

namespace orvel {

std::optional<std::string> LoadedPlayer::Play(const std::vector<TimedNote>& notes) {
    if (!player_) {
        const auto module = ProgramFolder() / kModule;
        // Kept loaded to the end of the process: its threads may outlive a player.
        void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            return std::string("No audio: the sound module could not be loaded (") + dlerror() +
                   ").";
        }
        using Factory = SoundPlayer* (*)();
        const auto make = reinterpret_cast<Factory>(dlsym(handle, kFactory));
        if (make == nullptr) {
            return "No audio: " + module.string() + " is not the sound module.";
        }
        player_.reset(make());
    }
    return player_->Play(notes);
}

void LoadedPlayer::Stop() {
    if (player_) {
        player_->Stop();
    }
}

bool LoadedPlayer::IsPlaying() const {
    return player_ && player_->IsPlaying();
}

}  // namespace orvel
