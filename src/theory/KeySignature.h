// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The key signature a scale is written with, as musicians write it:
//   - a mode of the major scale (seven notes: Ionian, Dorian, ..., Locrian)
//     takes its parent major key's signature (D Dorian none, E♭ Dorian five
//     flats), which its spelled notes are;
//   - harmonic and melodic minor take their tonic's minor key signature (A
//     harmonic minor none, its G♯ written), as do the natural minor's other
//     spellings;
//   - any other scale has no standard signature: every accidental is
//     written. So has a scale whose signature would need more than seven
//     sharps or flats (G♯ major).
// With a signature, a note carries an accidental only where it differs
// from what the signature gives its letter (a natural sign where the
// signature would sharpen or flatten it).

#include <optional>
#include <vector>

#include "scales/PitchClassSet.h"
#include "theory/NoteName.h"
#include "theory/SpelledScale.h"

namespace orvel {

struct KeySignature {
    int fifths = 0;  // sharps above zero, flats below, -7 to 7

    // What the signature gives a letter: +1, -1 or 0.
    int AccidentalOf(int letter) const;
    // The letters it sharpens or flattens, in the order they are written
    // (F C G D A E B, or B E A D G C F).
    std::vector<int> Letters() const;
};

// The signature `scale` (the catalogue's `set` spelled) is written with,
// or nothing where it has none.
std::optional<KeySignature> SignatureOf(PitchClassSet set, const SpelledScale& scale);

// The accidental to write before `note` under `signature` (0 for a natural
// sign where the signature alters the letter), or nothing where none is
// written. Without a signature, every accidental but natural is written.
std::optional<int> WrittenAccidental(const NoteName& note,
                                     const std::optional<KeySignature>& signature);

}  // namespace orvel
