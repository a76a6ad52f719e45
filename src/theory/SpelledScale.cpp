// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/SpelledScale.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <tuple>

namespace orvel {

namespace {

constexpr int kLetters = 7;

// The interval a semitone above the root is named as, in a scale of other
// than seven notes (the table in the header).
Interval ScaleInterval(PitchClassSet set, int semitones) {
    const auto has = [set](int position) { return HasPosition(set, position); };
    const bool sharpSecond = has(3) && has(4) && !has(1) && !has(2) && !has(5) && !has(6);
    const bool lydianFourth = has(4) && !(has(3) && !has(7) && !has(8));
    switch (semitones) {
        case 1:
            return {2, -1};
        case 3:
            return sharpSecond ? Interval{2, 1} : Interval{3, -1};
        case 6:
            return lydianFourth ? Interval{4, 1} : Interval{5, -1};
        case 8: {
            const bool wholeTones = !has(7) && has(6) && has(4);
            const bool bebop = has(7) && has(9) && !has(10);
            return wholeTones || sharpSecond || bebop ? Interval{5, 1} : Interval{6, -1};
        }
        case 10:
            return {7, -1};
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

// A chord's tone for a semitone above its root (the rules in the header).
Interval ChordTone(PitchClassSet set, int semitones) {
    const auto has = [set](int position) { return HasPosition(set, position); };
    const bool third = has(3) || has(4);
    const bool fifth = has(7);
    const bool seventh = has(10) || has(11);
    switch (semitones) {
        case 0:
            return {1, 0};
        case 1:
            return {9, -1};
        case 2:
            return third || seventh ? Interval{9, 0} : Interval{2, 0};
        case 3:
            return has(4) ? Interval{9, 1} : Interval{3, -1};
        case 4:
            return {3, 0};
        case 5:
            return third ? Interval{11, 0} : Interval{4, 0};
        case 6:
            return fifth ? Interval{11, 1} : Interval{5, -1};
        case 7:
            return {5, 0};
        case 8:
            return fifth ? Interval{13, -1} : Interval{5, 1};
        case 9:
            if (seventh) {
                return {13, 0};
            }
            return has(3) && has(6) && !fifth ? Interval{7, -2} : Interval{6, 0};
        case 10:
            return {7, -1};
        default:
            return {7, 0};
    }
}

// The note `interval` above `root`, its accidentals counted exactly.
NoteName NoteAbove(NoteName root, Interval interval) {
    const int steps = root.letter + interval.degree - 1;
    const int letter = steps % kLetters;
    const int sounding = NaturalPitchClass(root.letter) + root.accidental + interval.Semitones();
    const int natural = NaturalPitchClass(letter) + 12 * (steps / kLetters);
    return {letter, sounding - natural};
}

// The note with at most two accidentals: one with three takes the
// neighbouring letter (F♯♯♯ is G♯).
NoteName Writable(NoteName note) {
    while (note.accidental > 2) {
        const int next = (note.letter + 1) % kLetters;
        note.accidental -= (NaturalPitchClass(next) - NaturalPitchClass(note.letter) + 12) % 12;
        note.letter = next;
    }
    while (note.accidental < -2) {
        const int previous = (note.letter + kLetters - 1) % kLetters;
        note.accidental += (NaturalPitchClass(note.letter) - NaturalPitchClass(previous) + 12) % 12;
        note.letter = previous;
    }
    return note;
}

SpelledScale Writable(SpelledScale scale) {
    for (NoteName& note : scale.notes) {
        note = Writable(note);
    }
    return scale;
}

// How many notes need more than two accidentals, which no one writes; then
// how many carry one at all (a double one counts once).
std::pair<int, int> Accidentals(const SpelledScale& scale) {
    const auto beyond = [&scale](int accidentals) {
        return static_cast<int>(std::count_if(scale.notes.begin(), scale.notes.end(),
                                              [accidentals](const NoteName& note) {
                                                  return std::abs(note.accidental) > accidentals;
                                              }));
    };
    return {beyond(2), beyond(0)};
}

// The sharps or flats of the key the set suggests on its root: the natural
// minor where it has a minor third and no major third, else the major.
int KeySignatureSize(PitchClassSet set, NoteName root) {
    // The major keys of the natural letters on the circle of fifths.
    constexpr std::array<int, kLetters> kFifths = {0, 2, 4, -1, 1, 3, 5};
    const bool minor = HasPosition(set, 3) && !HasPosition(set, 4);
    return std::abs(kFifths[static_cast<std::size_t>(root.letter)] + 7 * root.accidental -
                    (minor ? 3 : 0));
}

// The notes `intervals` give above `root`, exactly as the intervals say.
SpelledScale SpelledOn(NoteName root, std::vector<Interval> intervals, SpellAs kind) {
    SpelledScale scale{root, {}, std::move(intervals), kind};
    scale.notes.reserve(scale.intervals.size());
    for (const Interval& interval : scale.intervals) {
        scale.notes.push_back(NoteAbove(root, interval));
    }
    return scale;
}

template <typename Item, typename Text>
std::string Joined(const std::vector<Item>& items, Text text) {
    std::string joined;
    for (const Item& item : items) {
        joined += (joined.empty() ? "" : " ") + text(item);
    }
    return joined;
}

}  // namespace

SpellAs SpellAsFor(std::string_view bank) {
    return bank == "Chords" ? SpellAs::Chord : SpellAs::Scale;
}

std::string SpelledScale::AsciiNotes() const {
    return Joined(notes, [](const NoteName& note) { return note.Ascii(); });
}

std::string SpelledScale::DisplayNotes() const {
    return Joined(notes, [](const NoteName& note) { return note.Display(); });
}

std::string SpelledScale::IntervalsText() const {
    return Joined(intervals, [](const Interval& interval) { return interval.Text(); });
}

std::string SpelledScale::DisplayIntervals() const {
    return Joined(intervals, [](const Interval& interval) { return interval.Display(); });
}

std::optional<std::size_t> SpelledScale::DegreeOf(PitchClass note) const {
    for (std::size_t degree = 0; degree < notes.size(); ++degree) {
        if (notes[degree].PitchClass() == note) {
            return degree;
        }
    }
    return std::nullopt;
}

PitchClassesAboveC SpelledScale::PitchClasses() const {
    PitchClassesAboveC classes;
    for (const NoteName& note : notes) {
        classes.Add(note.PitchClass());
    }
    return classes;
}

std::vector<NoteName> NotesBeyond(const SpelledScale& scale, PitchClassesAboveC notes) {
    std::vector<NoteName> beyond;
    for (const NoteName& note : scale.notes) {
        if (!notes.Has(note.PitchClass())) {
            beyond.push_back(note);
        }
    }
    return beyond;
}

std::vector<Interval> IntervalsOf(PitchClassSet set, SpellAs kind) {
    // Straight from the set's bits: spelling a long result spells every row.
    const int size = std::popcount(static_cast<std::uint64_t>(set & kAllPositions));
    std::vector<Interval> intervals;
    intervals.reserve(static_cast<std::size_t>(size));
    for (int semitones = 0; semitones < kPositionCount; ++semitones) {
        if (!HasPosition(set, semitones)) {
            continue;
        }
        const int degree = static_cast<int>(intervals.size());
        if (kind == SpellAs::Chord) {
            intervals.push_back(ChordTone(set, semitones));
        } else if (size == kLetters) {
            intervals.push_back({degree + 1, semitones - NaturalPitchClass(degree)});
        } else {
            intervals.push_back(ScaleInterval(set, semitones));
        }
    }
    if (kind == SpellAs::Chord) {
        std::sort(intervals.begin(), intervals.end(), [](const Interval& a, const Interval& b) {
            return std::tie(a.degree, a.alteration) < std::tie(b.degree, b.alteration);
        });
    }
    return intervals;
}

SpelledScale SpellScale(PitchClassSet set, NoteName root, SpellAs kind) {
    return Writable(SpelledOn(root, IntervalsOf(set, kind), kind));
}

SpelledScale SpellScale(PitchClassSet set, PitchClass root, SpellAs kind, RootSpelling spelling) {
    const int rootPitchClass = root.SemitonesAboveC();
    for (int letter = 0; letter < kLetters; ++letter) {
        if (NaturalPitchClass(letter) == rootPitchClass) {
            return Writable(SpelledOn(NoteName{letter, 0}, IntervalsOf(set, kind), kind));
        }
    }
    // A black key: the sharp of the letter below or the flat of the one above.
    int below = 0;
    while (NaturalPitchClass(below + 1) < rootPitchClass) {
        ++below;
    }
    const NoteName sharpRoot{below, 1};
    const NoteName flatRoot{below + 1, -1};
    std::vector<Interval> intervals = IntervalsOf(set, kind);
    switch (spelling) {
        case RootSpelling::Sharps:
            return Writable(SpelledOn(sharpRoot, std::move(intervals), kind));
        case RootSpelling::Flats:
            return Writable(SpelledOn(flatRoot, std::move(intervals), kind));
        case RootSpelling::Automatic:
            break;
    }
    SpelledScale sharp = SpelledOn(sharpRoot, intervals, kind);
    SpelledScale flat = SpelledOn(flatRoot, std::move(intervals), kind);
    const auto readability = [set](const SpelledScale& scale) {
        return std::tuple(Accidentals(scale), KeySignatureSize(set, scale.root));
    };
    return Writable(readability(sharp) < readability(flat) ? sharp : flat);
}

SpelledScale SpellEntry(const TScale& entry, PitchClass root, RootSpelling spelling) {
    return SpellScale(entry.Notes, root, SpellAsFor(entry.Bank), spelling);
}

}  // namespace orvel
