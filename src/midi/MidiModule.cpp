// SPDX-License-Identifier: GPL-3.0-or-later
// The module "liborvel-midi.so": RtMidi and the MIDI libraries it brings,
// loaded by the desktop program after its first paint.

#include "midi/RtMidiInput.h"

extern "C" __attribute__((visibility("default"))) orvel::MidiInput* orvel_make_midi_input(
    orvel::MidiInput::Receiver receiver) {
    return new orvel::RtMidiInput(std::move(receiver));
}
