// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The command line of orvel-match:
//
//   orvel-match [--catalogue FILE] [--root NOTE] [--other-roots]
//               [--roots-in-list-only] [--json] [--spell] [--sharps | --flats]
//               [--play | --wav FILE] [--tempo BPM]
//               [--relations] [--fretboard TUNING [--frets N] [--left-handed]]
//               [--export FORMAT --output FILE [--clef CLEF] [--descending]]
//               (NOTE... | --set N | --chords "CHORD..." | --find TEXT |
//                (--melody FILE | --listen FILE [--as melody|chords])
//                [--track N]... [--bars A-B] [--threshold P])
//
// A NOTE is a note name as ParseNoteName reads it (C#, Db, F♯, B♭, Bbb,
// C##), or one of the window's twelve note names as they stand ("C# / Db").
// Options take their value as the next argument or after "=" (--root=D).

#include <climits>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "audio/Tempo.h"
#include "cli/NeckWriter.h"
#include "cli/RowSpelling.h"
#include "listening/Heard.h"
#include "matching/NoteNameTable.h"
#include "matching/RankMelody.h"
#include "scales/PitchClassSet.h"
#include "theory/Progression.h"
#include "theory/SpelledScale.h"
#include "theory/Staff.h"

namespace orvel::cli {

// A melody file to answer for, or a recording to hear, and which of it.
struct MelodyRequest {
    std::filesystem::path file;
    std::optional<ListenMode> heardAs;  // a recording heard so (--listen); a score when absent
    std::vector<std::size_t> tracks;    // counted from 1; every track when empty
    int firstBar = 1;
    int lastBar = INT_MAX;
    double threshold = MelodyQuery::kDefaultThreshold;  // a share, 0 to 1
};

// The first row's scale written to a file instead of the answers.
struct ExportRequest {
    enum class Format { MusicXml, Midi, Text };
    Format format = Format::MusicXml;
    std::filesystem::path output;
    Clef clef = Clef::Treble;
    bool descending = false;
};

struct MatchRequest {
    std::optional<std::filesystem::path> catalogue;  // the program's own when absent
    PitchClass root = kC;
    PitchClassSet querySet = 0;
    bool otherRoots = false;
    bool rootsInListOnly = false;
    bool json = false;
    // Spell the rows so; nothing without --spell.
    std::optional<RowSpelling> spell;
    // The first row's modes, neighbours, chords and set-class facts too.
    bool relations = false;
    // Roots on black keys in the answers for --chords, --melody and --listen (--sharps,
    // --flats).
    RootSpelling chordRoots = RootSpelling::Automatic;
    bool play = false;                         // play the first row's scale
    std::optional<std::filesystem::path> wav;  // or write it to this file
    double tempo = kDefaultTempo;              // beats per minute, eighth notes
    std::optional<Progression> progression;    // rank the scales for these chords
    std::optional<Neck> neck;                  // show the first row's scale on it
    std::optional<std::string> find;           // list the scales found by these words instead
    std::optional<MelodyRequest> melody;    // rank the scales for this melody or recording instead
    std::optional<ExportRequest> exported;  // write the first row's scale to a file
};

struct ShowHelp {
    std::string text;
};
struct ShowVersion {};
struct UsageError {
    std::string message;  // one line naming the bad argument
};

using Command = std::variant<MatchRequest, ShowHelp, ShowVersion, UsageError>;

// `arguments` without the program's name.
Command ParseCommandLine(std::span<const std::string_view> arguments);

// The pitch class of a note name, or nothing.
std::optional<PitchClass> ParseNote(std::string_view text);

}  // namespace orvel::cli
