// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <map>
#include <vector>

#include "matching/NoteNameTable.h"
#include "theory/ChordSymbol.h"
#include "theory/ParseNoteName.h"

namespace orvel::cli {

namespace {

constexpr const char* kDescription =
    "Lists the scales of the catalogue that hold exactly the given notes\n"
    "(\"exact\") and those that hold them and more (\"containing\").";

constexpr const char* kFooter =
    "NOTE: A to G and any accidentals: # or \u266F, b or \u266D, x or ## (C#, Eb, F\u266F, Bbb,\n"
    "C##), or a name such as \"C# / Db\".\n"
    "With neither notes nor --set, nothing is ticked: every scale is listed.\n"
    "Tab-separated output writes a tab, a line end or a backslash inside a field\n"
    "as \\t, \\n, \\r or \\\\.\n"
    "Exit codes: 0 results (even none), 1 catalogue not readable (or too large for\n"
    "the memory), 2 usage error, 3 output not written (a full disk, a closed pipe),\n"
    "4 no sound made (no sound server or device answered in time, no soundfont,\n"
    "or the WAV file not written).";

// A whole number from `lowest` to `highest`, in decimal, and nothing else.
std::optional<std::int64_t> ParseWhole(std::string_view text, std::int64_t lowest,
                                       std::int64_t highest) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < lowest ||
        value > highest) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> ParseTempo(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !(value >= kMinTempo) ||
        !(value <= kMaxTempo)) {
        return std::nullopt;
    }
    return value;
}

// What CLI11 reads, before it is checked.
struct RawArguments {
    std::string catalogue;
    std::string root{TableName(kDefaultRootIndex)};
    std::string set;
    std::vector<std::string> notes;
    bool otherRoots = false;
    bool rootsInListOnly = false;
    bool json = false;
    bool spell = false;
    bool relations = false;
    bool sharps = false;
    bool flats = false;
    bool play = false;
    std::string wav;
    std::string tempo;
    std::optional<std::string> chords;
    std::optional<std::string> find;
    std::optional<std::string> melody;
    std::optional<std::string> listen;
    std::string listenAs;
    std::vector<std::string> tracks;
    std::string bars;
    std::string threshold;
    std::optional<std::string> fretboard;
    std::optional<std::string> exportFormat;
    std::string output;
    std::string clef;
    bool descending = false;
    std::string frets;
    bool leftHanded = false;
};

void Describe(CLI::App& app, RawArguments& raw) {
    app.description(kDescription);
    std::string tunings;
    for (const Tuning& preset : TuningPresets()) {
        tunings += (tunings.empty() ? "" : ", ") + preset.name;
    }
    app.footer(std::string(kFooter) + "\nTUNING: " + tunings + ".");
    app.set_version_flag("--version", "");
    app.allow_extras();
    app.add_option("--catalogue", raw.catalogue,
                   "the catalogue (default: \"Orvel Scales.csv\" beside the program)")
        ->type_name("FILE");
    app.add_option("--root", raw.root, "the root note (default: C)")->type_name("NOTE");
    app.add_flag("--other-roots", raw.otherRoots, "also try every other note as the root");
    app.add_flag("--roots-in-list-only", raw.rootsInListOnly,
                 "try only the given notes as other roots");
    app.add_flag("--json", raw.json, "one JSON object instead of tab-separated lines");
    app.add_flag("--spell", raw.spell,
                 "add each scale's notes spelled from the row's root, and their intervals");
    app.add_flag("--sharps", raw.sharps,
                 "with --spell, --chords or --melody: name roots on black keys with sharps");
    app.add_flag("--flats", raw.flats,
                 "with --spell, --chords or --melody: name roots on black keys with flats");
    app.add_flag("--play", raw.play,
                 "play the first row's scale up and down from its root, then exit");
    app.add_option("--wav", raw.wav, "write that playing to a WAV file instead")->type_name("FILE");
    app.add_option("--tempo", raw.tempo,
                   "beats per minute of the eighth notes, " + std::to_string(kMinTempo) + " to " +
                       std::to_string(kMaxTempo) + " (default: " + std::to_string(kDefaultTempo) +
                       ")")
        ->type_name("BPM");
    app.add_option("--set", raw.set,
                   "the notes as a set, 0 to 4095 (bit 11 - p for p semitones above the root)")
        ->type_name("N");
    app.add_option("--chords", raw.chords,
                   "the key, best fits and chord-scales for these chords or a lead sheet (\"Dm7 G7 "
                   "Cmaj7\") instead")
        ->type_name("CHORDS");
    app.add_option("--find", raw.find,
                   "list the scales whose name or bank holds these words (\"blues\", "
                   "\"minor harmonic\"), as Find Scale does; \"\" lists every scale")
        ->type_name("TEXT");
    app.add_option("--melody", raw.melody,
                   "the key, best fits and sections of a melody in a MIDI or MusicXML file (.mid, "
                   ".musicxml, .xml, .mxl) instead")
        ->type_name("FILE");
    app.add_option("--listen", raw.listen,
                   "the key, best fits and sections of a recording (WAV, FLAC, Ogg, MP3) instead, "
                   "its notes heard as --as says")
        ->type_name("FILE");
    app.add_option("--as", raw.listenAs,
                   "with --listen: hear a melody (one voice; the default) or chords")
        ->type_name("melody|chords");
    app.add_option("--track", raw.tracks,
                   "with --melody: only this track or part, counted from 1 (again for more)")
        ->type_name("N");
    app.add_option("--bars", raw.bars,
                   "with --melody or --listen: only bars A to B (\"9-16\"; a recording has a bar "
                   "every 2 s)")
        ->type_name("A-B");
    app.add_option("--threshold", raw.threshold,
                   "with --melody or --listen: leave out notes with less than P % of the weight "
                   "(default: " +
                       std::to_string(static_cast<int>(MelodyQuery::kDefaultThreshold * 100)) + ")")
        ->type_name("P");
    app.add_option(
           "--export", raw.exportFormat,
           "write the first row's scale (the first best fit for --chords, --melody and --listen) "
           "to "
           "--output instead: musicxml, midi or text")
        ->type_name("FORMAT");
    app.add_option("--output", raw.output, "with --export: the file to write")->type_name("FILE");
    app.add_option("--clef", raw.clef,
                   "with --export musicxml or midi: the staff's clef, treble, bass, alto, tenor or "
                   "treble8vb (default: treble)")
        ->type_name("CLEF");
    app.add_flag("--descending", raw.descending, "with --export: up the octave and back down");
    app.add_flag("--relations", raw.relations,
                 "also the first row's modes, neighbours one note away, chords on each degree and "
                 "set-class facts");
    app.add_option("--fretboard", raw.fretboard,
                   "also print the first row's scale on the neck of this instrument: a name "
                   "(guitar, bass, ukulele, ... see below) or the open strings, bass side "
                   "first (\"D2 A2 D3 G3 A3 D4\")")
        ->type_name("TUNING");
    app.add_option("--frets", raw.frets,
                   "with --fretboard: frets on the neck, " + std::to_string(kFewestFrets) + " to " +
                       std::to_string(kMostFrets) + " (default: " + std::to_string(kDefaultFrets) +
                       ")")
        ->type_name("N");
    app.add_flag("--left-handed", raw.leftHanded, "with --fretboard: the neck mirrored");
    app.add_option("NOTE", raw.notes, "the notes a scale must hold")->type_name("NOTE");
}

// A word that is no note but reads as a chord symbol ("G7", "Am").
bool LooksLikeAChord(std::string_view word) {
    try {
        ParseChordSymbol(word);
        return true;
    } catch (const ChordSymbolError&) {
        return false;
    }
}

// CLI11's message for an option that lacks its value starts with the option.
std::string UsageMessage(const CLI::ParseError& error) {
    const std::string what = error.what();
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
        return what.substr(0, what.find(':')) + " needs a value";
    }
    return what;
}

std::variant<ExportRequest, UsageError> CheckExport(const RawArguments& raw) {
    static const std::map<std::string, ExportRequest::Format> kFormats{
        {"musicxml", ExportRequest::Format::MusicXml},
        {"midi", ExportRequest::Format::Midi},
        {"text", ExportRequest::Format::Text}};
    static const std::map<std::string, Clef> kClefs{{"treble", Clef::Treble},
                                                    {"bass", Clef::Bass},
                                                    {"alto", Clef::Alto},
                                                    {"tenor", Clef::Tenor},
                                                    {"treble8vb", Clef::TrebleOctaveDown}};
    ExportRequest request;
    const auto format = kFormats.find(*raw.exportFormat);
    if (format == kFormats.end()) {
        return UsageError{"--export needs musicxml, midi or text, not: " + *raw.exportFormat};
    }
    request.format = format->second;
    if (raw.output.empty()) {
        return UsageError{"--export needs --output FILE"};
    }
    request.output = raw.output;
    if (!raw.clef.empty()) {
        const auto clef = kClefs.find(raw.clef);
        if (clef == kClefs.end()) {
            return UsageError{"--clef needs treble, bass, alto, tenor or treble8vb, not: " +
                              raw.clef};
        }
        request.clef = clef->second;
    }
    request.descending = raw.descending;
    return request;
}

std::variant<MelodyRequest, UsageError> CheckMelody(const RawArguments& raw) {
    MelodyRequest melody;
    if (raw.listen) {
        melody.file = *raw.listen;
        if (raw.listenAs.empty() || raw.listenAs == "melody") {
            melody.heardAs = ListenMode::Melody;
        } else if (raw.listenAs == "chords") {
            melody.heardAs = ListenMode::Chords;
        } else {
            return UsageError{"--as hears melody or chords, not: " + raw.listenAs};
        }
    } else {
        melody.file = *raw.melody;
    }
    for (const std::string& track : raw.tracks) {
        const auto number = ParseWhole(track, 1, 9999);
        if (!number) {
            return UsageError{"--track needs a track number from 1, not: " + track};
        }
        melody.tracks.push_back(static_cast<std::size_t>(*number));
    }
    if (!raw.bars.empty()) {
        const std::size_t dash = raw.bars.find('-');
        const auto first = ParseWhole(raw.bars.substr(0, dash), 1, 1'000'000);
        const auto last =
            dash == std::string::npos ? first : ParseWhole(raw.bars.substr(dash + 1), 1, 1'000'000);
        if (!first || !last || *last < *first) {
            return UsageError{"--bars needs the first and last bar, such as 9-16, not: " +
                              raw.bars};
        }
        melody.firstBar = *first;
        melody.lastBar = *last;
    }
    if (!raw.threshold.empty()) {
        std::string percent = raw.threshold;
        if (percent.ends_with('%')) {
            percent.pop_back();
        }
        double share = -1;
        try {
            std::size_t used = 0;
            share = std::stod(percent, &used) / 100;
            if (used != percent.size()) {
                share = -1;
            }
        } catch (const std::exception&) {
        }
        if (!(share >= 0 && share <= 1)) {
            return UsageError{"--threshold needs a percentage from 0 to 100, not: " +
                              raw.threshold};
        }
        melody.threshold = share;
    }
    return melody;
}

Command Check(const RawArguments& raw, const std::vector<std::string>& unknown, bool setGiven) {
    if (!unknown.empty()) {
        return UsageError{"unknown option: " + unknown.front()};
    }
    MatchRequest request;
    if (!raw.catalogue.empty()) {
        request.catalogue = std::filesystem::path(raw.catalogue);
    }
    const auto root = ParseNote(raw.root);
    if (!root) {
        return UsageError{"unknown note for --root: " + raw.root};
    }
    request.root = *root;
    request.otherRoots = raw.otherRoots;
    request.rootsInListOnly = raw.rootsInListOnly;
    request.json = raw.json;
    if (raw.sharps && raw.flats) {
        return UsageError{"give --sharps or --flats, not both"};
    }
    if ((raw.sharps || raw.flats) && !raw.spell && !raw.chords && !raw.melody && !raw.listen) {
        return UsageError{
            "--sharps and --flats name the notes of --spell, --chords, --melody or "
            "--listen: give one"};
    }
    const RootSpelling roots = raw.sharps  ? RootSpelling::Sharps
                               : raw.flats ? RootSpelling::Flats
                                           : RootSpelling::Automatic;
    request.chordRoots = roots;
    if (raw.spell) {
        request.spell = RowSpelling{roots, std::nullopt};
        try {
            if (roots == RootSpelling::Automatic) {
                request.spell->typedRoot = ParseNoteName(raw.root);
            }
        } catch (const std::invalid_argument&) {
            // A name of the window's ("A# / Bb") names no spelling.
        }
    }
    request.play = raw.play;
    if (!raw.tempo.empty()) {
        const auto tempo = ParseTempo(raw.tempo);
        if (!tempo) {
            return UsageError{"--tempo needs beats per minute from " + std::to_string(kMinTempo) +
                              " to " + std::to_string(kMaxTempo) + ", not: " + raw.tempo};
        }
        request.tempo = *tempo;
    }
    if (!raw.wav.empty()) {
        request.wav = std::filesystem::path(raw.wav);
    }
    if (request.play && request.wav) {
        return UsageError{"give --play or --wav, not both"};
    }
    if ((!raw.frets.empty() || raw.leftHanded) && !raw.fretboard) {
        return UsageError{"--frets and --left-handed shape the neck of --fretboard: give it too"};
    }
    if (raw.fretboard) {
        Neck neck;
        try {
            neck.tuning = ReadTuning(*raw.fretboard);
        } catch (const TuningError& error) {
            return UsageError{std::string("--fretboard: ") + error.what()};
        }
        if (!raw.frets.empty()) {
            const auto frets = ParseWhole(raw.frets, kFewestFrets, kMostFrets);
            if (!frets) {
                return UsageError{"--frets needs a number from " + std::to_string(kFewestFrets) +
                                  " to " + std::to_string(kMostFrets) + ", not: " + raw.frets};
            }
            neck.frets = static_cast<int>(*frets);
        }
        neck.leftHanded = raw.leftHanded;
        request.neck = std::move(neck);
    }
    for (const std::string& note : raw.notes) {
        const auto pitchClass = ParseNote(note);
        if (!pitchClass && LooksLikeAChord(note)) {
            std::string all;
            for (const std::string& word : raw.notes) {
                all += (all.empty() ? "" : " ") + word;
            }
            return UsageError{"\"" + note + "\" looks like a chord: use --chords \"" + all + "\""};
        }
        if (!pitchClass) {
            return UsageError{"unknown note: " + note};
        }
        request.querySet |= PositionBit(request.root.SemitonesUpTo(*pitchClass));
    }
    const int questions = (!raw.notes.empty() || setGiven) + raw.chords.has_value() +
                          raw.find.has_value() + raw.melody.has_value() + raw.listen.has_value();
    if (questions > 1) {
        return UsageError{"give notes, --set, --chords, --find, --melody or --listen, one of them"};
    }
    if ((!raw.tracks.empty() || !raw.bars.empty() || !raw.threshold.empty()) && !raw.melody &&
        !raw.listen) {
        return UsageError{
            "--track, --bars and --threshold choose what of --melody or --listen to "
            "hear: give one"};
    }
    if (!raw.listenAs.empty() && !raw.listen) {
        return UsageError{"--as says how to hear --listen: give it too"};
    }
    if ((!raw.output.empty() || !raw.clef.empty() || raw.descending) && !raw.exportFormat) {
        return UsageError{"--output, --clef and --descending shape --export: give it too"};
    }
    if (raw.relations && (raw.chords || raw.melody || raw.listen || raw.find)) {
        return UsageError{"--relations follows the first row of notes or --set"};
    }
    request.relations = raw.relations;
    if (raw.exportFormat) {
        if (raw.find) {
            return UsageError{"--find lists scales: there is no first row to export"};
        }
        auto exported = CheckExport(raw);
        if (const auto* error = std::get_if<UsageError>(&exported)) {
            return *error;
        }
        request.exported = std::get<ExportRequest>(std::move(exported));
    }
    if (raw.melody || raw.listen) {
        auto melody = CheckMelody(raw);
        if (const auto* error = std::get_if<UsageError>(&melody)) {
            return *error;
        }
        request.melody = std::get<MelodyRequest>(std::move(melody));
    }
    if (raw.find) {
        request.find = raw.find;
    }
    if (raw.chords) {
        Progression progression = ReadProgression(*raw.chords, ReadAs::Chords);
        for (const ProgressionItem& item : progression.items) {
            if (!item.Read()) {
                return UsageError{item.error};
            }
        }
        if (progression.items.empty()) {
            return UsageError{"--chords needs at least one chord"};
        }
        request.progression = std::move(progression);
    }
    if (setGiven) {
        const auto set = ParseWhole(raw.set, 0, kAllPositions);
        if (!set) {
            return UsageError{"--set needs a number from 0 to 4095, not: " + raw.set};
        }
        if (!raw.notes.empty()) {
            return UsageError{"give notes or --set, not both: " + raw.notes.front()};
        }
        request.querySet = *set;
    }
    return request;
}

}  // namespace

std::optional<PitchClass> ParseNote(std::string_view text) {
    for (std::size_t i = 0; i < kNoteNameTable.size(); ++i) {
        if (text == kNoteNameTable[i]) {
            return NoteTableIndex(static_cast<int>(i)).Note();
        }
    }
    try {
        return ParseNoteName(text).PitchClass();
    } catch (const NoteNameError&) {
        return std::nullopt;
    }
}

Command ParseCommandLine(std::span<const std::string_view> arguments) {
    CLI::App app("", "orvel-match");
    RawArguments raw;
    Describe(app, raw);
    // CLI11 takes the arguments last first.
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        return ShowHelp{app.help()};
    } catch (const CLI::CallForVersion&) {
        return ShowVersion{};
    } catch (const CLI::ParseError& error) {
        return UsageError{UsageMessage(error)};
    }
    return Check(raw, app.remaining(), app.count("--set") > 0);
}

}  // namespace orvel::cli
