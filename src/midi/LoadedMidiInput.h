// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The MidiInput of the module "liborvel-midi.so" beside the program. Linked
// into the program, RtMidi would load JACK and ALSA at every start.

#include <memory>

#include "midi/MidiInput.h"

namespace orvel {

inline constexpr const char* kMidiModule = "liborvel-midi.so";
inline constexpr const char* kMidiFactory = "orvel_make_midi_input";

// A new input from the module, or nullptr when the module cannot be loaded.
std::unique_ptr<MidiInput> LoadMidiInput(MidiInput::Receiver receiver);

}  // namespace orvel
