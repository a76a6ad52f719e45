// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/ChordScaleChoice.h"

#include <algorithm>

#include "scales/PitchClassesAboveC.h"
#include "theory/ChordQuality.h"

namespace orvel {

namespace {

constexpr PitchClassSet kIonian = SetOf({0, 2, 4, 5, 7, 9, 11});
constexpr PitchClassSet kDorian = SetOf({0, 2, 3, 5, 7, 9, 10});
constexpr PitchClassSet kPhrygian = SetOf({0, 1, 3, 5, 7, 8, 10});
constexpr PitchClassSet kLydian = SetOf({0, 2, 4, 6, 7, 9, 11});
constexpr PitchClassSet kMixolydian = SetOf({0, 2, 4, 5, 7, 9, 10});
constexpr PitchClassSet kAeolian = SetOf({0, 2, 3, 5, 7, 8, 10});
constexpr PitchClassSet kLocrian = SetOf({0, 1, 3, 5, 6, 8, 10});
constexpr PitchClassSet kLocrianNatural2 = SetOf({0, 2, 3, 5, 6, 8, 10});
constexpr PitchClassSet kMelodicMinor = SetOf({0, 2, 3, 5, 7, 9, 11});
constexpr PitchClassSet kHarmonicMinor = SetOf({0, 2, 3, 5, 7, 8, 11});
constexpr PitchClassSet kLydianAugmented = SetOf({0, 2, 4, 6, 8, 9, 11});
constexpr PitchClassSet kLydianDominant = SetOf({0, 2, 4, 6, 7, 9, 10});
constexpr PitchClassSet kMixolydianFlat13 = SetOf({0, 2, 4, 5, 7, 8, 10});
constexpr PitchClassSet kPhrygianDominant = SetOf({0, 1, 4, 5, 7, 8, 10});
constexpr PitchClassSet kAltered = SetOf({0, 1, 3, 4, 6, 8, 10});
constexpr PitchClassSet kBebopDominant = SetOf({0, 2, 4, 5, 7, 9, 10, 11});
constexpr PitchClassSet kHalfWhole = SetOf({0, 1, 3, 4, 6, 7, 9, 10});
constexpr PitchClassSet kWholeHalf = SetOf({0, 2, 3, 5, 6, 8, 9, 11});
constexpr PitchClassSet kWholeTone = SetOf({0, 2, 4, 6, 8, 10});

// The key's own notes, and for a dominant chord in a minor key its
// harmonic and melodic minor; none for a diminished seventh chord, whose
// scale is its own, nor in the blues.
std::vector<PitchClassSet> KeyCollections(const Key& key, ChordQuality quality) {
    if (key.mode == KeyMode::Blues || quality == ChordQuality::Diminished) {
        return {};
    }
    if (key.mode == KeyMode::Minor && quality == ChordQuality::Dominant) {
        return {key.Collection(), kHarmonicMinor, kMelodicMinor};
    }
    return {key.Collection()};
}

std::vector<PitchClassSet> ByQuality(PitchClassSet tones, const std::optional<Key>& key,
                                     const ChordSymbol* next, PitchClass root) {
    const auto has = [tones](int position) { return HasPosition(tones, position); };
    const bool resolves = next != nullptr && root.Up(5) == next->root.PitchClass();
    const bool toMinorBelow = resolves && QualityOf(next->tones) == ChordQuality::Minor;
    const bool tritoneSubstitute = next != nullptr && root.Up(-1) == next->root.PitchClass();
    const bool inKey = key && key->mode != KeyMode::Blues;
    // V of vi in a major key, III7, wherever it goes.
    const bool fiveOfSix =
        inKey && key->mode == KeyMode::Major && key->tonic.PitchClass().Up(4) == root;
    const bool goesElsewhere = inKey && next != nullptr && !resolves;
    switch (QualityOf(tones)) {
        case ChordQuality::Dominant: {
            const bool alteredFifth = has(6) || (has(8) && !has(7));
            if (alteredFifth && (has(1) || has(3))) {
                return {kAltered, kHalfWhole};
            }
            if (has(6) && has(7)) {
                return {kLydianDominant, kBebopDominant};
            }
            if (has(8) && !has(7)) {
                return {kWholeTone, kAltered};
            }
            if (!has(4)) {
                return {has(1) ? kPhrygian : kMixolydian, kMixolydian};
            }
            if (has(1)) {
                return toMinorBelow || fiveOfSix
                           ? std::vector{kPhrygianDominant, kMixolydianFlat13, kHalfWhole}
                           : std::vector{kHalfWhole, kPhrygianDominant};
            }
            if (has(8)) {
                return {kMixolydianFlat13, kPhrygianDominant};
            }
            if (toMinorBelow || fiveOfSix) {
                return {kPhrygianDominant, kMixolydianFlat13, kMixolydian};
            }
            if (tritoneSubstitute || goesElsewhere) {
                return {kLydianDominant, kMixolydian, kBebopDominant};
            }
            return {kMixolydian, kLydianDominant, kBebopDominant, kHalfWhole, kAltered};
        }
        case ChordQuality::Major:
            if (has(6)) {
                return {kLydian};
            }
            if (has(8)) {
                return {kLydianAugmented};
            }
            return has(11) ? std::vector{kIonian, kLydian}
                           : std::vector{kIonian, kLydian, kMixolydian};
        case ChordQuality::Minor:
            if (has(11)) {
                return {kMelodicMinor, kHarmonicMinor};
            }
            return has(9) ? std::vector{kDorian, kMelodicMinor}
                          : std::vector{kDorian, kAeolian, kPhrygian};
        case ChordQuality::HalfDiminished:
            return {kLocrian, kLocrianNatural2};
        case ChordQuality::Diminished:
            return {kWholeHalf, kLocrian};
        case ChordQuality::Augmented:
            return {kWholeTone, kLydianAugmented};
        case ChordQuality::Suspended:
            return {kMixolydian};
        case ChordQuality::Power:
            return {kIonian, kAeolian, kMixolydian};
    }
    return {};
}

}  // namespace

std::vector<PitchClassSet> ChordScaleChoices(const ChordSymbol& chord,
                                             const std::optional<Key>& key,
                                             const ChordSymbol* next) {
    const PitchClass root = chord.root.PitchClass();
    std::vector<PitchClassSet> candidates;
    if (key) {
        for (const PitchClassSet collection : KeyCollections(*key, QualityOf(chord.tones))) {
            candidates.push_back(
                PositionsAbove(root, NotesOn(collection, key->tonic.PitchClass())));
        }
    }
    for (const PitchClassSet set : ByQuality(chord.tones, key, next, root)) {
        candidates.push_back(set);
    }
    const PitchClassSet sounding = PositionsAbove(root, chord.Notes());
    std::vector<PitchClassSet> choices;
    for (const PitchClassSet set : candidates) {
        const bool holds = (set & sounding) == sounding;
        if (holds && std::find(choices.begin(), choices.end(), set) == choices.end()) {
            choices.push_back(set);
        }
    }
    return choices;
}

}  // namespace orvel
