// SPDX-License-Identifier: GPL-3.0-or-later
// The sound module the program loads on its first play (LoadedPlayer).

#include "audio/Player.h"

extern "C" __attribute__((visibility("default"))) orvel::SoundPlayer* orvel_make_player() {
    return new orvel::Player();
}
