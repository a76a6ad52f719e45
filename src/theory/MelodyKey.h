// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The key of a melody, found as a listener hears it.
//
// Each tonic and mode is scored by how well the melody's profile
// (MelodyProfile.h) correlates with the mode's key profile: how often each
// degree sounds in major and in minor melodies, and for the other modes
// the major or minor one with the mode's own degree in place of the one it
// alters (Dorian's major sixth, Mixolydian's flat seventh, Lydian's sharp
// fourth, Phrygian's flat second). Those ratings come from the Essen
// collection of folk songs as Aarden weighed them by duration, which suits
// melodies. The blues weighs tonic and fifth, both thirds, the fourth, the
// flat fifth and seventh, and is a candidate only where both thirds and the
// flat seventh each carry 4 % of the weight. To the correlation (−1 to 1) come
//   + 0.1 where the last note is the tonic (a tune ends at home);
//   + 0.05 where a key signature in the span has the mode's notes, and 0.1
//     more where it names the mode too: a signature is evidence, the notes
//     decide;
//   − 0.03 for Dorian and Mixolydian and 0.05 for Lydian and Phrygian,
//     which must be heard to be chosen over major and minor; but
//     + 0.02 for Dorian or Mixolydian where its own degree carries 2 % of
//     the weight and the degree it alters a quarter of that at most (a minor tune whose sixth
//     is only ever major is Dorian: Scarborough Fair).
// The best key comes first, then its relative major or minor where that
// comes within 0.05. The tonic is spelled as the score writes it, else as
// the mode's key signature reads best.

#include <vector>

#include "theory/Key.h"
#include "theory/Melody.h"
#include "theory/MelodyProfile.h"

namespace orvel {

std::vector<Key> FindMelodyKeys(const Melody& melody, const MelodySpan& span,
                                const MelodyProfile& profile);

}  // namespace orvel
