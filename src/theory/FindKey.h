// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The key of a progression, found from the evidence musicians weigh.
//
// Every tonic and mode (major, minor, Dorian, Phrygian, Lydian, Mixolydian,
// blues) is scored; the chords are taken as they sound, each by how many
// beats it lasts (Progression.h):
//   - fit: how much of each chord's notes the mode holds, an outside note
//     counting twice against it. A chord that resolves a fifth down, or a
//     dominant that resolves a semitone down (a tritone substitute), to a
//     chord of the key's own notes fits whatever its notes: it is a
//     secondary dominant (A7 in Dm7 G7 Cmaj7 A7 is V of ii), and so is
//     V7 going to i in minor (E7 to Am);
//   - the tonic chord: the share of the time spent on a chord on the tonic
//     of the mode's quality (major for major and Lydian, minor for minor,
//     Dorian and Phrygian, major or dominant for Mixolydian, dominant for
//     the blues); a dominant chord is weaker evidence, as it wants to move;
//   - the first and the last chord, where they are such a tonic chord, the
//     last counting more: a tune comes home;
//   - cadences: each V–I (a major or dominant chord a fifth above the
//     tonic chord moving to it) or tritone substitute (a dominant a
//     semitone above it), more when a ii chord leads in (ii–V–I);
//   - the blues is a candidate only with dominant chords on both I and IV;
//     major and minor are preferred over the other modes, Dorian and
//     Mixolydian less so than the rarer Lydian and Phrygian: a progression
//     with no sixth degree is minor, not Dorian, and a modal tonic needs
//     the time, the first chord or the last to stand out.
//
// FindKeys returns the best key first, then the keys that come close with
// another tonic (A minor, then C major for Am F C G), at most two; nothing
// without chords. The tonic is named as a chord on it is written, else as
// the mode's key signature reads best.

#include <vector>

#include "theory/Key.h"
#include "theory/Progression.h"

namespace orvel {

std::vector<Key> FindKeys(const Progression& progression);

}  // namespace orvel
