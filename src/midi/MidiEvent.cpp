// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/MidiEvent.h"

namespace orvel {

namespace {

constexpr int kNoteOff = 0x80;
constexpr int kNoteOn = 0x90;
constexpr int kControlChange = 0xB0;
constexpr int kSustain = 64;
constexpr int kAllNotesOff = 123;

}  // namespace

std::optional<MidiEvent> ReadMidiMessage(const unsigned char* bytes, std::size_t size) {
    if (size < 3 || bytes[1] > 127 || bytes[2] > 127) {
        return std::nullopt;
    }
    const int status = bytes[0] & 0xF0;
    const int channel = bytes[0] & 0x0F;
    const int data1 = bytes[1];
    const int data2 = bytes[2];
    switch (status) {
        case kNoteOn:
            return MidiEvent{data2 == 0 ? MidiEvent::Kind::KeyUp : MidiEvent::Kind::KeyDown,
                             channel, data1};
        case kNoteOff:
            return MidiEvent{MidiEvent::Kind::KeyUp, channel, data1};
        case kControlChange:
            if (data1 == kSustain) {
                return MidiEvent{
                    data2 >= 64 ? MidiEvent::Kind::PedalDown : MidiEvent::Kind::PedalUp, channel};
            }
            if (data1 == kAllNotesOff) {
                return MidiEvent{MidiEvent::Kind::AllNotesOff, channel};
            }
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

}  // namespace orvel
