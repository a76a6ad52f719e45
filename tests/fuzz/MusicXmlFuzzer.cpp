// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a MusicXML score, and as a compressed one, then the
// melody's answer. Checks what must hold whatever the file says: it reads
// or says why; a melody read keeps at most its bound of notes, each with a
// key of 0 to 127, a start and length that are finite and not negative
// (no longer than the longest note allowed), a part it names, notes in time
// order, and a written name that sounds the note's pitch.

#include <cmath>
#include <cstdint>
#include <span>

#include "Require.h"
#include "matching/RankMelody.h"
#include "musicfiles/MusicFileError.h"
#include "musicfiles/MusicXml.h"
#include "musicfiles/Mxl.h"

namespace {

using orvel::fuzz::Require;

void Check(const orvel::Melody& melody) {
    Require(melody.notes.size() <= orvel::Melody::kMostNotes);
    double previous = 0;
    for (const orvel::MelodyNote& note : melody.notes) {
        Require(note.midiKey >= 0 && note.midiKey <= 127);
        Require(std::isfinite(note.start) && note.start >= previous);
        Require(std::isfinite(note.length) && note.length >= 0);
        Require(note.part < melody.parts.size());
        Require(!note.written || note.midiKey == 0 || note.midiKey == 127 ||
                note.written->PitchClass() == orvel::PitchClass::OfKey(note.midiKey));
        previous = note.start;
    }
    const orvel::MelodyAnswer answer = orvel::RankMelody({}, melody, {});
    Require(answer.sections.size() <= orvel::MelodyAnswer::kMostSections);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        Check(orvel::ReadMusicXml({reinterpret_cast<const char*>(data), size}));
    } catch (const orvel::MusicFileError& error) {
        Require(error.what()[0] != '\0');
    }
    try {
        Check(orvel::ReadMusicXml(orvel::UnpackMxl(std::span(data, size))));
    } catch (const orvel::MusicFileError& error) {
        Require(error.what()[0] != '\0');
    }
    return 0;
}
