// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The key of a progression, found from the evidence musicians weigh.
//
// Every tonic and mode (major, minor, Dorian, Phrygian, Lydian, Mixolydian,
// blues) is scored; the chords are taken as they sound, each by how many
// beats it lasts (Progression.h):
//   - fit (×2): the share of each chord's notes the mode holds, an outside
//     note counting twice against it. A chord that resolves a fifth down,
//     or a dominant that resolves a semitone down (a tritone substitute),
//     to a chord of the key's own notes fits whatever its notes: it is a
//     secondary dominant (A7 in Dm7 G7 Cmaj7 A7 is V of ii). In minor, V
//     and vii may take the raised seventh and i the raised sixth and
//     seventh (E7, G♯°7, Am6 in A minor);
//   - the tonic chord (×1.5): the share of the time spent on a chord on the
//     tonic of the mode's quality (major for major and Lydian, minor for
//     minor, Dorian and Phrygian, major or dominant for Mixolydian,
//     dominant for the blues); a dominant chord counts half, as it wants
//     to move;
//   - the first chord (0.75) and the last (0.25), where they are such a
//     tonic chord: a loop starts at home;
//   - cadences: 0.75 for each V–I (a major or dominant chord a fifth above
//     the tonic chord moving to it, the last chord back to the first
//     included) and 0.6 for a tritone substitute (a dominant a semitone
//     above it), 0.35 more when a ii chord leads in (ii–V–I), half when
//     the arrival goes on to its own dominant as a ii does; 2 at most;
//   - the blues (+0.3) is a candidate only with dominant chords on both I
//     and IV; Lydian and Phrygian (−0.6) and Dorian and Mixolydian (−0.4,
//     or −0.2 where their own sixth or seventh is heard) give way to major
//     and minor: a progression with no sixth degree is minor, not Dorian,
//     and a modal tonic needs its time, or the first chord, to stand out.
//
// FindKeys returns the best key first, then its relative major or minor
// where that comes close (A minor, then C major for Am F C G); nothing
// without chords. The tonic is named as a chord on it is written, else as
// the mode's key signature reads best.

#include <vector>

#include "theory/Key.h"
#include "theory/Progression.h"

namespace orvel {

std::vector<Key> FindKeys(const Progression& progression);

}  // namespace orvel
