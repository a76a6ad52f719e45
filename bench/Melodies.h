// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Long melodies for the benchmarks, written as the test writers write
// them: a MIDI file of so many notes, and a MusicXML score of about so
// many bytes, both a tune going round the circle of fifths in 4/4.

#include <string>

#include "support/MidiFileWriter.h"
#include "support/MusicXmlWriter.h"
#include "theory/Melody.h"

namespace orvel::bench {

inline Melody LongTune(std::size_t notes) {
    Melody tune;
    tune.parts.push_back({"Tune", notes});
    for (std::size_t i = 0; i < notes; ++i) {
        MelodyNote note;
        const int key = static_cast<int>(i / 64 * 7 % 12);  // a new key every 16 bars
        const int degree[] = {0, 2, 4, 5, 7, 9, 11, 12};
        note.midiKey = 60 + key + degree[(i * 3) % 8];
        note.start = static_cast<double>(i) * 0.5;
        note.length = 0.5;
        tune.notes.push_back(note);
    }
    return tune;
}

inline testing_support::Bytes MidiFileOf(std::size_t notes) {
    return testing_support::MidiFile({testing_support::NoteTrack(LongTune(notes))});
}

inline std::string MusicXmlOf(std::size_t bytes) {
    testing_support::XmlPart part{"Violin", {}};
    std::size_t size = 0;
    const char steps[] = "CDEFGAB";
    for (std::size_t measure = 0; size < bytes; ++measure) {
        std::string content = measure == 0 ? testing_support::AttributesXml(4) : std::string();
        for (std::size_t beat = 0; beat < 8; ++beat) {
            const std::size_t i = measure * 8 + beat;
            content += testing_support::NoteXml(steps[(i * 3) % 7], i % 11 == 0 ? 1 : 0,
                                                4 + static_cast<int>(i % 2), 2);
        }
        size += content.size();
        part.measures.push_back(std::move(content));
    }
    return testing_support::ScoreXml({part});
}

}  // namespace orvel::bench
