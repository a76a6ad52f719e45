// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/DegreeChords.h"

#include <array>
#include <map>

namespace orvel {

namespace {

constexpr std::array<const char*, 7> kNumerals{"I", "II", "III", "IV", "V", "VI", "VII"};

struct Naming {
    const char* symbol;   // after the root
    const char* numeral;  // after the numeral
    bool upper;           // the numeral in capitals
};

// Chords by their semitones above the root.
const std::map<std::vector<int>, Naming>& Names() {
    static const std::map<std::vector<int>, Naming> kNames{
        {{4, 7}, {"", "", true}},
        {{3, 7}, {"m", "", false}},
        {{3, 6}, {"dim", "\u00B0", false}},
        {{4, 8}, {"+", "+", true}},
        {{4, 7, 11}, {"maj7", "maj7", true}},
        {{4, 7, 10}, {"7", "7", true}},
        {{3, 7, 10}, {"m7", "7", false}},
        {{3, 6, 10}, {"m7b5", "\u00F87", false}},
        {{3, 6, 9}, {"dim7", "\u00B07", false}},
        {{3, 7, 11}, {"mMaj7", "maj7", false}},
        {{4, 8, 11}, {"+maj7", "+maj7", true}},
        {{4, 8, 10}, {"7#5", "+7", true}},
    };
    return kNames;
}

// The thirds a scale of other than seven notes is stacked by, as far as it
// has the notes: the triads with a perfect fifth first, then the
// diminished and the augmented; each seventh a third above the fifth, the
// smaller first.
constexpr std::array<std::array<int, 2>, 4> kTriads{{{4, 7}, {3, 7}, {3, 6}, {4, 8}}};
constexpr std::array<int, 3> kSevenths{9, 10, 11};

std::optional<StackedChord> Named(const NoteName& root, const std::vector<int>& semitones,
                                  int degree, bool numerals) {
    const auto name = Names().find(semitones);
    if (name == Names().end()) {
        return std::nullopt;
    }
    StackedChord chord{root, semitones, root.Ascii() + name->second.symbol, {}};
    if (numerals) {
        std::string numeral = kNumerals[static_cast<std::size_t>(degree)];
        if (!name->second.upper) {
            for (char& letter : numeral) {
                letter = static_cast<char>(letter - 'A' + 'a');
            }
        }
        chord.numeral = numeral + name->second.numeral;
    }
    return chord;
}

}  // namespace

std::vector<PitchClass> StackedChord::Notes() const {
    std::vector<PitchClass> notes{root.PitchClass()};
    for (const int up : semitones) {
        notes.push_back(root.PitchClass().Up(up));
    }
    return notes;
}

std::string DegreeChord::Numeral() const {
    return seventh ? seventh->numeral : triad ? triad->numeral : std::string();
}

std::vector<DegreeChord> DegreeChords(const SpelledScale& scale) {
    if (scale.kind != SpellAs::Scale) {
        return {};
    }
    std::vector<int> positions;
    for (const Interval& interval : scale.intervals) {
        positions.push_back(interval.Semitones() % 12);
    }
    const std::size_t size = positions.size();
    const bool numerals = size == 7;
    std::vector<DegreeChord> chords;
    for (std::size_t degree = 0; degree < size; ++degree) {
        const auto above = [&](std::size_t step) {
            return (positions[(degree + step) % size] - positions[degree] + 12) % 12;
        };
        const auto holds = [&](int semitones) {
            for (std::size_t step = 0; step < size; ++step) {
                if (above(step) == semitones) {
                    return true;
                }
            }
            return false;
        };
        std::vector<int> semitones;
        if (numerals) {  // every other note
            semitones = {above(2), above(4), above(6)};
        } else {
            for (const auto& triad : kTriads) {
                if (semitones.empty() && holds(triad[0]) && holds(triad[1])) {
                    semitones = {triad[0], triad[1]};
                }
            }
            for (const int seventh : kSevenths) {
                if (semitones.size() == 2 && seventh - semitones[1] >= 3 &&
                    seventh - semitones[1] <= 4 && holds(seventh)) {
                    semitones.push_back(seventh);
                }
            }
        }
        DegreeChord chord;
        if (semitones.size() >= 2) {
            chord.triad = Named(scale.notes[degree], {semitones[0], semitones[1]},
                                static_cast<int>(degree), numerals);
        }
        if (semitones.size() == 3) {
            chord.seventh =
                Named(scale.notes[degree], semitones, static_cast<int>(degree), numerals);
        }
        chords.push_back(chord);
    }
    return chords;
}

}  // namespace orvel
