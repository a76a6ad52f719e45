// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The facts a theorist gives for a set of pitch classes, whatever its root:
//   - the prime form, by Forte's rule: of every transposition to 0 of the
//     set and of its inversion, written rising, the one with the smallest
//     span, then the smallest distance from the first note to the
//     next-to-last, then to the one before, and so on. Rahn's rule packs
//     to the left after the span instead (the smallest second note, then
//     third), which differs for six classes (5-20, 6-Z29, 6-31, 7-Z18, 7-20
//     and 8-26: Forte's (0,1,5,6,8) is Rahn's (0,1,3,7,8));
//   - the Forte name ("7-35"), the number Forte's list gives the class among
//     those of its size, with "Z" where another class shares its interval
//     vector; a class of n notes and its complement of 12 − n share the
//     number. Sizes 0 to 2 and 10 to 12 are numbered the same way (2-1 to
//     2-6 by interval class);
//   - the interval vector: how many pairs of its notes lie 1, 2, ..., 6
//     semitones apart (the major scale's is <2 5 4 3 6 1>);
//   - symmetry: the number of distinct transpositions (12 for most sets,
//     fewer for Messiaen's modes of limited transposition: 2 for the whole
//     tone scale, 3 for the octatonic scale);
//   - whether the set is its own inversion; one that is not is chiral, its
//     mirror image another set of the same class.

#include <array>
#include <string>
#include <vector>

#include "scales/PitchClassesAboveC.h"

namespace orvel {

using IntervalVector = std::array<int, 6>;

struct SetClass {
    std::string forteName;
    std::vector<int> primeForm;      // Forte's
    std::vector<int> rahnPrimeForm;  // the same but for six classes
    IntervalVector intervalVector{};
    int transpositions = 12;
    bool ownInversion = false;

    // "(0,1,3,5,6,8,10)" as theorists write a prime form.
    static std::string Text(const std::vector<int>& form);
};

SetClass SetClassOf(PitchClassesAboveC notes);

}  // namespace orvel
