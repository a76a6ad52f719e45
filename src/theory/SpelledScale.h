// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A catalogue entry spelled from a root: its notes with letter names and
// the interval of each above the root.
//
// The intervals belong to the set alone: the same on every root. The notes
// are the spelled root plus those intervals, double accidentals kept where
// the intervals call for them (G♯ harmonic minor has F𝄪).
//
// Seven-note scales use each letter once, in order from the root's letter.
// Other scales are written as musicians write them; semitones above the
// root are named
//   0 1   1 ♭2   2 2   4 3   5 4   7 5   9 6   10 ♭7   11 7
//   3   ♭3, beside a 3 too (blues, half-whole); ♯2 only where a 3 stands
//       and nothing else could name the second or fourth degree (no ♭2, 2,
//       4 or semitone 6): the augmented scale, 1 ♯2 3 5 ♯5 7
//   6   ♯4 where a major third stands, in a Lydian sense (whole tone,
//       half-whole, chromatic), unless a ♭3 stands with no fifth at all (5,
//       ♯5 or ♭6: Super Locrian Pentatonic, 1 ♭3 3 ♭5 ♭7); ♭5 otherwise (blues,
//       Iwato, whole-half)
//   8   ♭6; ♯5 only where the set runs on in raised notes: no 5 and a ♯4
//       (whole tone), the augmented scale's ♯2, or 5 and 6 both present
//       without a ♭7 (bebop major, 1 2 3 4 5 ♯5 6 7)
// So whole tone is 1 2 3 ♯4 ♯5 ♭7 and chromatic 1 ♭2 2 ♭3 3 4 ♯4 5 ♭6 6
// ♭7 7, on every root.
//
// Chords (the catalogue's bank "Chords") are spelled as stacked thirds:
// 1 3 5 7, then 9, 11 and 13 for the tones above the seventh, in that
// order. A 2 is a 9 beside a third or a seventh (sus2 keeps its 2); a 4 is
// an 11 beside a third (sus4 keeps its 4); semitone 3 is a ♯9 beside a
// major third; semitone 6 is ♯11 beside a perfect fifth, else ♭5; semitone
// 8 is ♭13 beside a perfect fifth, else ♯5; semitone 9 is 13 beside a
// seventh, 𝄫7 in a diminished seventh (♭3 ♭5, no fifth), else 6.
//
// A root on a black key is spelled from both of its names, and named the
// way that reads best:
//   1. no note with three accidentals, where the other name has none; then
//      fewer notes with accidentals (a double one counts once);
//   2. then the smaller key signature: of the natural minor on that root
//      when the set has a minor third and no major third, else of the major;
//   3. then the flat name.
// So E♭ minor, G♯ harmonic minor, B♭ minor blues, D♭ and G♭ major, C♯
// altered. The user may ask for sharp or flat names instead.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "scales/PitchClassSet.h"
#include "scales/PitchClassesAboveC.h"
#include "scales/TScale.h"
#include "theory/Interval.h"
#include "theory/NoteName.h"

namespace orvel {

// How an entry is spelled: as a scale, or as a chord's stacked thirds.
enum class SpellAs { Scale, Chord };

// How a root on a black key is named.
enum class RootSpelling { Automatic, Sharps, Flats };

// The kind of the catalogue's entries of `bank`: chords for "Chords".
SpellAs SpellAsFor(std::string_view bank);

struct SpelledScale {
    NoteName root;
    std::vector<NoteName> notes;      // rising from the root; a chord's as stacked thirds
    std::vector<Interval> intervals;  // of each note above the root
    SpellAs kind = SpellAs::Scale;

    // Space-separated: "F G A Bb C D E", "F G A B♭ C D E", "1 2 3 4 5 6 7".
    std::string AsciiNotes() const;
    std::string DisplayNotes() const;
    std::string IntervalsText() const;
    // "1 ♭3 ♭5 𝄫7", for the window.
    std::string DisplayIntervals() const;

    // The place in `notes` of the note that sounds `note`, if the scale has one.
    std::optional<std::size_t> DegreeOf(PitchClass note) const;
    // The notes as pitch classes.
    PitchClassesAboveC PitchClasses() const;
};

// The notes of `scale` that `notes` (pitch classes above C) lack, in order.
std::vector<NoteName> NotesBeyond(const SpelledScale& scale, PitchClassesAboveC notes);

// The intervals of `set` (positions above the root, as the catalogue holds
// them), whatever the root: rising, or a chord's by its tones.
std::vector<Interval> IntervalsOf(PitchClassSet set, SpellAs kind);

// The set on the root named `root`.
SpelledScale SpellScale(PitchClassSet set, NoteName root, SpellAs kind = SpellAs::Scale);

// The same on a root pitch class, named as described above.
SpelledScale SpellScale(PitchClassSet set, PitchClass root, SpellAs kind = SpellAs::Scale,
                        RootSpelling spelling = RootSpelling::Automatic);

// A catalogue entry on `root`, spelled as its bank asks (a chord's stacked
// thirds, else a scale): how every window and the command line spell one.
SpelledScale SpellEntry(const TScale& entry, PitchClass root,
                        RootSpelling spelling = RootSpelling::Automatic);

}  // namespace orvel
