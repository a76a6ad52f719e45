// SPDX-License-Identifier: GPL-3.0-or-later
#include "listening/Heard.h"

namespace orvel {

Melody Heard::AsMelody() const {
    Melody melody;
    melody.parts.push_back({"Heard", notes.size()});
    for (const HeardNote& heard : notes) {
        MelodyNote note;
        note.midiKey = heard.midiKey;
        note.start = heard.start * kBeatsPerSecond;
        note.length = heard.length * kBeatsPerSecond;
        note.startSeconds = heard.start;
        note.lengthSeconds = heard.length;
        melody.notes.push_back(note);
    }
    return melody;
}

}  // namespace orvel
