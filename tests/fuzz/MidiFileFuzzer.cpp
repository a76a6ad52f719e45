// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a Standard MIDI File, then the melody's answer. Checks
// what must hold whatever the file says: it reads or says why; a melody
// read keeps at most its bound of notes, each with a key of 0 to 127, a
// start and length that are finite and not negative, a part it names, and
// notes in time order; the profile weighs no more than the notes can.

#include <cmath>
#include <cstdint>
#include <span>

#include "Require.h"
#include "matching/RankMelody.h"
#include "musicfiles/MidiFile.h"
#include "musicfiles/MusicFileError.h"

namespace {

using orvel::fuzz::Require;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    orvel::Melody melody;
    try {
        melody = orvel::ReadMidiFile(std::span(data, size));
    } catch (const orvel::MusicFileError& error) {
        Require(error.what()[0] != '\0');
        return 0;
    }
    Require(melody.notes.size() <= orvel::Melody::kMostNotes);
    double previous = 0;
    for (const orvel::MelodyNote& note : melody.notes) {
        Require(note.midiKey >= 0 && note.midiKey <= 127);
        Require(std::isfinite(note.start) && note.start >= previous && note.length >= 0);
        Require(std::isfinite(note.startSeconds) && note.lengthSeconds >= 0);
        Require(note.part < melody.parts.size());
        previous = note.start;
    }
    const orvel::MelodyAnswer answer = orvel::RankMelody({}, melody, {});
    Require(answer.sections.size() <= orvel::MelodyAnswer::kMostSections);
    Require(answer.profile.weights.Total() <=
            12.0 * static_cast<double>(melody.notes.size()) + 1e-9);
    return 0;
}
