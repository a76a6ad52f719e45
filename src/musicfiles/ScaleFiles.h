// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A scale written out for other programs: a Standard MIDI File of the
// scale run and its chord, a MusicXML score of it on a staff, and plain
// text; and a progression as a MIDI file. Each is the file's bytes, to be
// written where the user asks.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "theory/KeySignature.h"
#include "theory/Pitch.h"
#include "theory/Progression.h"
#include "theory/SpelledScale.h"
#include "theory/Staff.h"

namespace orvel {

// A note of a MIDI clip, in beats (quarter notes) from its start.
struct ClipNote {
    int midiKey = 60;
    double start = 0;
    double length = 1;
};

// A scale's clip: its run as eighth notes, then the chord together for a
// bar of 4/4.
std::vector<ClipNote> ScaleClip(std::span<const Pitch> run, std::span<const int> chordKeys);

// A progression's clip: each chord as it sounds (ChordSymbol::Sounding),
// its lowest note in the octave below middle C and each other above the
// one before, lasting the beats it is played; a rest keeps its time.
std::vector<ClipNote> ProgressionClip(const Progression& progression);

// A format 0 file at 480 ticks a beat: the track named `name`, the tempo
// in quarter notes a minute, 4/4, then the notes on channel 1.
std::vector<std::uint8_t> MidiClip(std::span<const ClipNote> notes, double quartersPerMinute,
                                   const std::string& name);

// A MusicXML 4.0 partwise score of one measure: the pitches as quarter
// notes, the clef and the key signature (none written where there is
// none), each note with the accidental the signature leaves to it; `title`
// names the work and the part.
std::string ScaleMusicXml(std::span<const Pitch> pitches, Clef clef,
                          const std::optional<KeySignature>& signature, const std::string& title);

// "C Major (Major Modes)\nRoot: C\nNotes: C D E F G A B\nIntervals: 1 2 3 4 5 6 7\n".
std::string ScaleText(const std::string& name, const std::string& bank, const SpelledScale& scale);

}  // namespace orvel
