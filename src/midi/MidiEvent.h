// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a MIDI message means to the scale finder: a key going down or up, the
// sustain pedal (controller 64, down at 64 and above), or all notes off
// (controller 123). Every channel counts; a Note On of velocity 0 is a Note
// Off. Everything else (program changes, other controllers, SysEx, clock,
// active sensing) means nothing here.

#include <cstddef>
#include <optional>

namespace orvel {

struct MidiEvent {
    enum class Kind { KeyDown, KeyUp, PedalDown, PedalUp, AllNotesOff };

    Kind kind = Kind::KeyDown;
    int channel = 0;  // 0 to 15
    int key = 0;      // 0 to 127, for KeyDown and KeyUp

    friend bool operator==(const MidiEvent&, const MidiEvent&) = default;
};

// The event of one whole message, as an input port delivers it; nothing for
// messages that mean nothing here or are cut short.
std::optional<MidiEvent> ReadMidiMessage(const unsigned char* bytes, std::size_t size);

}  // namespace orvel
