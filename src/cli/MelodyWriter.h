// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Writes the answers for a melody (orvel-match --melody): its parts, its
// profile and kept notes, then, as for chords (ChordScalesWriter.h), the
// key, the best fits and the scales that fit or nearly fit its kept notes,
// then its sections.
//
// Tab-separated, in this order:
//   tuning<TAB>cents<TAB>clear share                 for a recording (--listen)
//   note<TAB>onset<TAB>length<TAB>pitch              each note of a melody heard:
//                                                    seconds, seconds, MIDI key
//   part<TAB>number<TAB>name<TAB>notes              each track or part, from 1
//   profile<TAB>C<TAB>C#<TAB>...<TAB>B               the twelve weights, C first
//   kept<TAB>notes                                   the notes above the threshold
//   key, best, fits and nearly lines as --chords writes them
//   section<TAB>first bar-last bar<TAB>tonic<TAB>mode   or "-" for both
// JSON: {"parts": [{"name", "notes"}], "profile": [twelve weights],
// "kept": notes, "key", "best", "fits", "nearly" as for --chords,
// "sections": [{"bars": [first, last], "key": {"tonic", "mode", "also"}
// or null}]}; for a recording also "tuning_cents", "clear" (whether a
// clear pitch was heard at all), "clear_share" (of the frames with sound)
// and, for a melody, "notes": [{"onset", "length", "pitch"}]. Notes are
// spelled in the key (RootName.h).

#include <optional>
#include <ostream>
#include <span>

#include "cli/NeckWriter.h"
#include "listening/Heard.h"
#include "matching/RankMelody.h"
#include "scales/TScale.h"
#include "theory/Melody.h"
#include "theory/SpelledScale.h"

namespace orvel::cli {

struct MelodyAnswers {
    const Melody& melody;
    std::span<const TScale> catalogue;
    const MelodyAnswer& answer;
    RootSpelling roots = RootSpelling::Automatic;
    const Heard* heard = nullptr;  // the recording the melody was heard in, if it was
};

void WriteMelodyTabSeparated(const MelodyAnswers& answers, std::ostream& out);
void WriteMelodyJson(const MelodyAnswers& answers, std::ostream& out,
                     const std::optional<Neck>& neck = std::nullopt);

// The first best fit, spelled from its root as the answers name it.
std::optional<SpelledScale> FirstBestFit(const MelodyAnswers& answers);

}  // namespace orvel::cli
