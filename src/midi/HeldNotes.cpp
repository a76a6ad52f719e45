// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/HeldNotes.h"

namespace orvel {

bool HeldNotes::Take(const MidiEvent& event) {
    const PitchClassesAboveC before = query_;
    const auto key = static_cast<std::size_t>(event.channel * 128 + event.key);
    switch (event.kind) {
        case MidiEvent::Kind::KeyDown:
            if (!open_) {
                query_ = {};
                lowestKey_ = -1;
                open_ = true;
            }
            down_.set(key);
            query_.Add(PitchClass::OfKey(event.key));
            if (lowestKey_ < 0 || event.key < lowestKey_) {
                lowestKey_ = event.key;
            }
            break;
        case MidiEvent::Kind::KeyUp:
            down_.reset(key);
            CloseWhenAllUp();
            break;
        case MidiEvent::Kind::PedalDown:
            pedal_.set(static_cast<std::size_t>(event.channel));
            break;
        case MidiEvent::Kind::PedalUp:
            pedal_.reset(static_cast<std::size_t>(event.channel));
            CloseWhenAllUp();
            break;
        case MidiEvent::Kind::AllNotesOff:
            for (std::size_t k = 0; k < 128; ++k) {
                down_.reset(static_cast<std::size_t>(event.channel) * 128 + k);
            }
            CloseWhenAllUp();
            break;
    }
    return query_ != before;
}

void HeldNotes::CloseWhenAllUp() {
    if (down_.none() && pedal_.none()) {
        open_ = false;
    }
}

std::optional<PitchClass> HeldNotes::LowestPitchClass() const {
    if (lowestKey_ < 0) {
        return std::nullopt;
    }
    return PitchClass::OfKey(lowestKey_);
}

}  // namespace orvel
