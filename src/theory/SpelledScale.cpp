// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/SpelledScale.h"

#include <bit>
#include <cstdint>
#include <cstdlib>

namespace orvel {

namespace {

constexpr int kLetters = 7;

bool Has(PitchClassSet set, int semitones) {
    return HasPosition(set, semitones);
}

// The interval a semitone above the root is named as, in a scale of other
// than seven notes (the table in the header).
Interval UsualInterval(PitchClassSet set, int semitones) {
    switch (semitones) {
        case 3:
            return Has(set, 4) && !Has(set, 2) ? Interval{2, 1} : Interval{3, -1};
        case 6:
            return Has(set, 5) ? Interval{5, -1} : Interval{4, 1};
        case 8:
            return Has(set, 7) ? Interval{6, -1} : Interval{5, 1};
        case 10:
            return !Has(set, 7) && !Has(set, 9) ? Interval{6, 1} : Interval{7, -1};
        case 1:
            return {2, -1};
        default:
            break;
    }
    for (int degree = 1; degree <= kLetters; ++degree) {
        if (NaturalPitchClass(degree - 1) == semitones) {
            return {degree, 0};
        }
    }
    return {1, semitones};  // not reached for 0 to 11
}

// The note `interval` above `root`, its accidentals counted exactly.
NoteName NoteAbove(NoteName root, Interval interval) {
    const int steps = root.letter + interval.degree - 1;
    const int letter = steps % kLetters;
    const int sounding = NaturalPitchClass(root.letter) + root.accidental + interval.Semitones();
    const int natural = NaturalPitchClass(letter) + 12 * (steps / kLetters);
    return {letter, sounding - natural};
}

// The same sound on the neighbouring letter, for a note with a double
// accidental; the letter stays where there is none within the octave.
Interval OnNeighbouringLetter(Interval interval, const NoteName& note) {
    const int degree = interval.degree + (note.accidental > 0 ? 1 : -1);
    if (degree < 1 || degree > kLetters) {
        return interval;
    }
    return {degree, interval.Semitones() - NaturalPitchClass(degree - 1)};
}

// How hard a spelling is to read: its accidentals, then its double ones.
std::pair<int, int> Clutter(const SpelledScale& scale) {
    int accidentals = std::abs(scale.root.accidental);
    int doubles = 0;
    for (const NoteName& note : scale.notes) {
        accidentals += std::abs(note.accidental);
        doubles += std::abs(note.accidental) > 1 ? 1 : 0;
    }
    return {accidentals, doubles};
}

template <typename Text>
std::string Joined(const std::vector<NoteName>& notes, Text text) {
    std::string joined;
    for (const NoteName& note : notes) {
        joined += (joined.empty() ? "" : " ") + text(note);
    }
    return joined;
}

}  // namespace

std::string SpelledScale::AsciiNotes() const {
    return Joined(notes, [](const NoteName& note) { return note.Ascii(); });
}

std::string SpelledScale::DisplayNotes() const {
    return Joined(notes, [](const NoteName& note) { return note.Display(); });
}

std::string SpelledScale::IntervalsText() const {
    std::string joined;
    for (const Interval& interval : intervals) {
        joined += (joined.empty() ? "" : " ") + interval.Text();
    }
    return joined;
}

SpelledScale SpellScale(PitchClassSet set, NoteName root) {
    SpelledScale scale{root, {}, {}};
    const auto size =
        static_cast<std::size_t>(std::popcount(static_cast<std::uint64_t>(set & kAllPositions)));
    scale.notes.reserve(size);
    scale.intervals.reserve(size);
    const bool sevenNotes = size == kLetters;
    std::size_t i = 0;
    for (int semitones = 0; semitones < kPositionCount; ++semitones) {
        if (!HasPosition(set, semitones)) {
            continue;
        }
        Interval interval = sevenNotes
                                ? Interval{static_cast<int>(i) + 1,
                                           semitones - NaturalPitchClass(static_cast<int>(i))}
                                : UsualInterval(set, semitones);
        NoteName note = NoteAbove(root, interval);
        if (!sevenNotes && std::abs(note.accidental) > 1) {
            interval = OnNeighbouringLetter(interval, note);
            note = NoteAbove(root, interval);
        }
        scale.intervals.push_back(interval);
        scale.notes.push_back(note);
        ++i;
    }
    return scale;
}

SpelledScale SpellScale(PitchClassSet set, int rootPitchClass) {
    for (int letter = 0; letter < kLetters; ++letter) {
        if (NaturalPitchClass(letter) == rootPitchClass) {
            return SpellScale(set, NoteName{letter, 0});
        }
    }
    // A black key: the sharp of the letter below or the flat of the one above.
    int below = 0;
    while (NaturalPitchClass(below + 1) < rootPitchClass) {
        ++below;
    }
    const SpelledScale sharp = SpellScale(set, NoteName{below, 1});
    const SpelledScale flat = SpellScale(set, NoteName{below + 1, -1});
    return Clutter(flat) < Clutter(sharp) ? flat : sharp;
}

}  // namespace orvel
