// SPDX-License-Identifier: GPL-3.0-or-later
// orvel-match run as a process, as a user or a script runs it.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "audio/WavFile.h"
#include "musicfiles/MidiFile.h"
#include "musicfiles/MusicXml.h"
#include "support/MidiFileWriter.h"
#include "support/Recordings.h"
#include "support/StalledSoundServer.h"
#include "support/TempFolder.h"
#include "support/Tunes.h"

namespace orvel {
namespace {

using testing_support::Rendered;
using testing_support::TempFolder;

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string Quote(const std::string& argument) {
    std::string quoted = "'";
    for (const char c : argument) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class OrvelMatch : public testing::Test {
  protected:
    // Runs a command line (already quoted) and collects what it wrote.
    Outcome Shell(const std::string& commandLine) {
        const auto out = folder.Path() / "stdout";
        const auto err = folder.Path() / "stderr";
        const int status = std::system(
            (commandLine + " >" + Quote(out.string()) + " 2>" + Quote(err.string())).c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out), ReadFile(err)};
    }

    Outcome Match(const std::vector<std::string>& arguments) {
        std::string commandLine = Quote(ORVEL_MATCH_PROGRAM);
        for (const std::string& argument : arguments) {
            commandLine += " " + Quote(argument);
        }
        return Shell(commandLine);
    }

    // Runs with a catalogue of the given data lines.
    Outcome MatchOn(const std::vector<std::string>& lines, std::vector<std::string> arguments) {
        std::string text = "Title\nBank,Scale,1,b2,2,b3,3,4,b5,5,b6,6,b7,7\n";
        for (const std::string& line : lines) {
            text += line + "\n";
        }
        const auto file = folder.Write("catalogue.csv", text);
        arguments.insert(arguments.begin(), {"--catalogue", file.string()});
        return Match(arguments);
    }

    TempFolder folder;
};

const std::string kMajor =
    "Diatonic,Major,TRUE,FALSE,TRUE,FALSE,TRUE,TRUE,FALSE,TRUE,FALSE,TRUE,FALSE,TRUE";
const std::string kTriad =
    "Chords,Major Triad,TRUE,FALSE,FALSE,FALSE,TRUE,FALSE,FALSE,TRUE,FALSE,FALSE,FALSE,FALSE";
const std::string kFifthTriad =
    "Chords,From the fifth,TRUE,FALSE,FALSE,FALSE,FALSE,TRUE,FALSE,FALSE,FALSE,TRUE,FALSE,FALSE";

TEST_F(OrvelMatch, UsageErrorsNameTheBadArgument) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--bogus"}, "unknown option: --bogus"},
        {{"C", "H"}, "unknown note: H"},
        {{"--root", "X#"}, "unknown note for --root: X#"},
        {{"--root"}, "--root needs a value"},
        {{"--catalogue"}, "--catalogue needs a value"},
        {{"--set", "4096"}, "not: 4096"},
        {{"--set", "-1"}, "not: -1"},
        {{"--set", "12a"}, "not: 12a"},
        {{"--set", "7", "C"}, "not both"},
        {{"--root=X"}, "unknown note for --root: X"},
        {{"C", "C#q"}, "unknown note: C#q"},
        {{"--tempo", "301", "C"}, "--tempo needs beats per minute from 30 to 300, not: 301"},
        {{"--tempo", "29.9", "C"}, "from 30 to 300, not: 29.9"},
        {{"--tempo=fast", "C"}, "not: fast"},
        {{"--spell", "--sharps", "--flats", "C"}, "give --sharps or --flats, not both"},
        {{"--flats", "C"}, "--sharps and --flats name the notes of --spell"},
        {{"--fretboard", "guitr", "C"}, "--fretboard: unknown tuning \"guitr\": give one of"},
        {{"--fretboard", "E2 H2", "C"}, "--fretboard: bad pitch \"H2\""},
        {{"--left-handed", "C"}, "shape the neck of --fretboard: give it too"},
        {{"--fretboard", "bass", "--frets", "11", "C"}, "from 12 to 24, not: 11"},
        {{"--frets", "12", "C"}, "shape the neck of --fretboard: give it too"},
        {{"--chords", "C", "--set", "3"},
         "give notes, --set, --chords, --find, --melody or --listen, one of them"},
        {{"--melody", "a.mid", "--chords", "C"}, "one of them"},
        {{"--output", "x.mid", "C"},
         "--output, --clef and --descending shape --export: give it too"},
        {{"--export", "gif", "--output", "x", "C"},
         "--export needs musicxml, midi or text, not: gif"},
        {{"--export", "midi", "C"}, "--export needs --output FILE"},
        {{"--export", "midi", "--output", "x", "--clef", "soprano", "C"}, "not: soprano"},
        {{"--export", "midi", "--output", "x", "--find", "blues"}, "no first row to export"},
        {{"--relations", "--chords", "C"}, "--relations follows the first row of notes or --set"},
        {{"--track", "1", "C"}, "choose what of --melody or --listen to hear: give one"},
        {{"--as", "chords", "C"}, "--as says how to hear --listen: give it too"},
        {{"--listen", "a.wav", "--as", "banjo"}, "--as hears melody or chords, not: banjo"},
        {{"--melody", "a.mid", "--track", "0"}, "--track needs a track number from 1, not: 0"},
        {{"--melody", "a.mid", "--bars", "9-5"},
         "--bars needs the first and last bar, such as 9-16, not: 9-5"},
        {{"--melody", "a.mid", "--bars", "x"}, "not: x"},
        {{"--melody", "a.mid", "--threshold", "101"},
         "--threshold needs a percentage from 0 to 100, not: 101"},
        {{"--melody", "a.mid", "--threshold", "5x"}, "not: 5x"},
        {{"--find", "blues", "C"}, "one of them"},
        {{"Dm7", "G7"}, "\"Dm7\" looks like a chord: use --chords \"Dm7 G7\""},
        {{"C", "E", "Am"}, "\"Am\" looks like a chord: use --chords \"C E Am\""},
    };
    for (const auto& [arguments, message] : cases) {
        const Outcome run = Match(arguments);
        EXPECT_EQ(run.exitCode, 2) << message;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

TEST_F(OrvelMatch, HelpAndVersion) {
    const Outcome help = Match({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("Usage: orvel-match"), std::string::npos);
    const Outcome version = Match({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "orvel-match " ORVEL_EXPECTED_SHORT_VERSION "\n");
}

TEST_F(OrvelMatch, NotesAreRelativeToTheRoot) {
    const Outcome fromC = MatchOn({kMajor, kTriad}, {"C", "E", "G"});
    EXPECT_EQ(fromC.exitCode, 0) << fromC.err;
    EXPECT_EQ(fromC.out, "exact\tChords\tMajor Triad\tC\ncontaining\tDiatonic\tMajor\tC\t2773\n");

    // D, F# and A from D are the same intervals; any spelling of a note works.
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--root", "D", "D", "F#", "A"},
          {"--root", "d", "gb", "a", "d"},
          {"--root", "D", "D", "F# / Gb", "A"},
          {"--root=D", "D", "F#", "A"}}) {
        const Outcome fromD = MatchOn({kMajor, kTriad}, arguments);
        EXPECT_EQ(fromD.out,
                  "exact\tChords\tMajor Triad\tD\ncontaining\tDiatonic\tMajor\tD\t2773\n");
    }
    // Cb is B and B# is C.
    EXPECT_EQ(MatchOn({kTriad}, {"--root", "B#", "C", "E", "G"}).out,
              "exact\tChords\tMajor Triad\tC\n");
    EXPECT_EQ(MatchOn({kTriad}, {"--root", "Cb", "B", "D#", "F#"}).out,
              "exact\tChords\tMajor Triad\tB\n");
}

TEST_F(OrvelMatch, SetGivesTheSameAsNotes) {
    EXPECT_EQ(MatchOn({kMajor, kTriad}, {"--set", "2192"}).out,
              MatchOn({kMajor, kTriad}, {"C", "E", "G"}).out);
    EXPECT_EQ(MatchOn({kMajor, kTriad}, {"--root", "A", "--set", "2192"}).out,
              MatchOn({kMajor, kTriad}, {"--root", "A", "A", "C#", "E"}).out);
}

TEST_F(OrvelMatch, OtherRootsAndRootsInListOnly) {
    const Outcome run =
        MatchOn({kTriad, kFifthTriad}, {"--other-roots", "--roots-in-list-only", "C", "E", "G"});
    EXPECT_EQ(run.out, "exact\tChords\tMajor Triad\tC\nexact\tChords\tFrom the fifth\tG\n");
    const Outcome all = MatchOn({kTriad, kFifthTriad}, {"--other-roots"});
    EXPECT_EQ(std::count(all.out.begin(), all.out.end(), '\n'), 24)
        << "two scales, twelve roots each";
}

TEST_F(OrvelMatch, SpellAddsEachRowsNotesFromItsOwnRoot) {
    const Outcome run = MatchOn({kMajor, kTriad}, {"--spell", "--other-roots", "F", "A", "C"});
    EXPECT_EQ(run.out,
              "exact\tChords\tMajor Triad\tF\tF A C\t1 3 5\n"
              "containing\tDiatonic\tMajor\tC\t2773\tC D E F G A B\t1 2 3 4 5 6 7\n"
              "containing\tDiatonic\tMajor\tF\t2773\tF G A Bb C D E\t1 2 3 4 5 6 7\n"
              "containing\tDiatonic\tMajor\tA# / Bb\t2773\tBb C D Eb F G A\t1 2 3 4 5 6 7\n");
    const Outcome json = MatchOn({kTriad}, {"--spell", "--json", "--root", "Db", "Db", "F"});
    EXPECT_EQ(json.out,
              "{\"value\": \"100010000000\", \"exact\": [], \"containing\": "
              "[[\"Chords\", \"Major Triad\", \"C# / Db\", \"2192\", \"Db F Ab\", "
              "\"1 3 5\"]]}\n");
    // A chord row as stacked thirds; a root on a black key named as asked.
    const std::string kNinth =
        "Chords,Dominant 9th,TRUE,FALSE,TRUE,FALSE,TRUE,FALSE,FALSE,TRUE,FALSE,FALSE,TRUE,FALSE";
    EXPECT_EQ(MatchOn({kNinth}, {"--spell", "--root", "F#", "F#"}).out,
              "containing\tChords\tDominant 9th\tF# / Gb\t2706\tF# A# C# E G#\t1 3 5 b7 9\n");
    EXPECT_EQ(MatchOn({kNinth}, {"--spell", "--flats", "--root", "F#", "F#"}).out,
              "containing\tChords\tDominant 9th\tF# / Gb\t2706\tGb Bb Db Fb Ab\t1 3 5 b7 9\n");
    EXPECT_EQ(MatchOn({kMajor}, {"--spell", "--sharps", "--root", "Db", "Db"}).out,
              "containing\tDiatonic\tMajor\tC# / Db\t2773\tC# D# E# F# G# A# B#\t1 2 3 4 5 6 7\n");
    // A root typed keeps its name; no note takes three accidentals.
    const std::pair<const char*, const char*> typed[] = {
        {"A#", "A# B# C## D# E# F## G##"},
        {"Cb", "Cb Db Eb Fb Gb Ab Bb"},
        {"B#", "B# C## D## E# F## G## A##"},
        {"Fb", "Fb Gb Ab Bbb Cb Db Eb"},
    };
    for (const auto& [root, notes] : typed) {
        const std::string out = MatchOn({kMajor}, {"--spell", "--root", root, root}).out;
        EXPECT_NE(out.find(std::string("\t") + notes + "\t"), std::string::npos) << root << out;
    }
    EXPECT_NE(MatchOn({kNinth}, {"--spell", "--root", "Cbb", "Cbb"}).out.find("Cbb Ebb Gbb Ab Dbb"),
              std::string::npos)
        << "the 7th of C𝄫9 would be B𝄫𝄫𝄫: it is A♭";
    // With --chords, sharps or flats name the answers' roots on black keys.
    const std::string sharps = MatchOn({kMajor}, {"--chords", "Bb Eb F", "--sharps"}).out;
    EXPECT_NE(sharps.find("best\tDiatonic\tMajor\tA# / Bb\t2773\tA# B# C## D# E# F## G##"),
              std::string::npos)
        << sharps;
    EXPECT_NE(MatchOn({kMajor}, {"--chords", "F#m Bm C#7"}).out.find("\tC# D# E# F# G# A# B#\t"),
              std::string::npos)
        << "C# as the chord names it, not Db";
}

TEST_F(OrvelMatch, FretboardShowsTheFirstRowsScaleOnTheNeckFromThatRowsRoot) {
    // The exact row, F A C from F, comes before the containing rows.
    const Outcome run = MatchOn({kMajor, kTriad}, {"--other-roots", "--fretboard", "ukulele",
                                                   "--frets", "12", "F", "A", "C"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string neck = run.out.substr(run.out.find("\n\n") + 2);
    EXPECT_EQ(neck,
              "A4  A   | -   -   C   -   -   -   -   F   -   -   -   A\n"
              "E4  -   | F   -   -   -   A   -   -   C   -   -   -   -\n"
              "C4  C   | -   -   -   -   F   -   -   -   A   -   -   C\n"
              "G4  -   | -   A   -   -   C   -   -   -   -   F   -   -\n");
    const Outcome mirrored = MatchOn({kTriad}, {"--other-roots", "--fretboard", "G3 C4", "--frets",
                                                "12", "--left-handed", "F", "A", "C"});
    EXPECT_EQ(mirrored.out.substr(mirrored.out.find("\n\n") + 2),
              "C   -   -   A   -   -   -   F   -   -   -   -   | C   C4\n"
              "-   -   F   -   -   -   -   C   -   -   A   -   | -   G3\n");

    const Outcome json = MatchOn(
        {kTriad}, {"--json", "--root", "Bb", "--fretboard", "D2 A2", "--frets", "12", "Bb", "D"});
    const auto fretboard = nlohmann::json::parse(json.out)["fretboard"];
    EXPECT_EQ(fretboard["tuning"], nlohmann::json({"D2", "A2"}));
    EXPECT_EQ(fretboard["frets"], 12);
    // String 1 is A2, then D2; each from the nut up.
    EXPECT_EQ(fretboard["positions"], nlohmann::json::parse(R"([
                  {"string": 1, "fret": 1, "note": "Bb", "interval": "1"},
                  {"string": 1, "fret": 5, "note": "D", "interval": "3"},
                  {"string": 1, "fret": 8, "note": "F", "interval": "5"},
                  {"string": 2, "fret": 0, "note": "D", "interval": "3"},
                  {"string": 2, "fret": 3, "note": "F", "interval": "5"},
                  {"string": 2, "fret": 8, "note": "Bb", "interval": "1"},
                  {"string": 2, "fret": 12, "note": "D", "interval": "3"}])"));
    const Outcome none = MatchOn({kTriad}, {"--json", "--fretboard", "bass", "C", "C#"});
    EXPECT_TRUE(nlohmann::json::parse(none.out)["fretboard"].is_null());
    EXPECT_EQ(none.exitCode, 0);
}

TEST_F(OrvelMatch, ChordsRankTheScalesThatFitThem) {
    const std::string kMixolydian =
        "Diatonic,Mixolydian,TRUE,FALSE,TRUE,FALSE,TRUE,TRUE,FALSE,TRUE,FALSE,TRUE,TRUE,FALSE";
    const Outcome run = MatchOn({kTriad, kMajor, kMixolydian}, {"--chords", "Dm7 | G7 | Cmaj7"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::istringstream lines(run.out);
    std::string line;
    std::string best;
    std::string others;
    while (std::getline(lines, line)) {
        (line.rfind("best\t", 0) == 0 ? best : others) += line + "\n";
    }
    EXPECT_EQ(others,
              "key\tC\tmajor\n"
              "chord\tDm7\tD\t-\tD F A C\t1 b3 5 b7\n"
              "chord\tG7\tG\t-\tG B D F\t1 3 5 b7\n"
              "chord\tCmaj7\tC\t-\tC E G B\t1 3 5 7\n"
              "fits\tDiatonic\tMajor\tC\t2773\t\n"
              "fits\tDiatonic\tMixolydian\tG\t2774\t\n"
              "nearly\tDiatonic\tMixolydian\tC\t2774\tB\n"
              "nearly\tDiatonic\tMixolydian\tD\t2774\tF\n"
              "nearly\tDiatonic\tMajor\tG\t2773\tF\n"
              "nearly\tDiatonic\tMajor\tF\t2773\tB\n"
              "chord-scale\tG7\tDiatonic\tMixolydian\tG\t2774\tA C E\tfits\n"
              "chord-scale\tCmaj7\tDiatonic\tMajor\tC\t2773\tD F A\tfits\n");
    EXPECT_EQ(best.substr(0, best.find('\n')),
              "best\tDiatonic\tMajor\tC\t2773\tC D E F G A B\t-\t-");
    EXPECT_NE(best.find("best\tDiatonic\tMixolydian\tC\t2774\tC D E F G A Bb\t-\tB of G7\n"),
              std::string::npos)
        << "a best fit names the note it leaves out and its chord";
    EXPECT_EQ(MatchOn({kMajor}, {"--chords", "Am F C G"}).out.substr(0, 24),
              "key\tA\tminor\nkey\tC\tmajor\n")
        << "the relative major after the key";
    const nlohmann::json json =
        nlohmann::json::parse(MatchOn({kTriad, kMajor}, {"--json", "--chords", "D/F#"}).out);
    EXPECT_EQ(json["key"], nlohmann::json::parse(R"({"tonic": "D", "mode": "major", "also": []})"));
    EXPECT_EQ(json["chords"][0]["notes"], "F# D A") << "the bass first";
    EXPECT_EQ(json["chords"][0]["intervals"], "3 1 5");
    EXPECT_EQ(json["best"][0], nlohmann::json::parse(R"(["Diatonic", "Major", "D", "2773",
                                                         "D E F# G A B C#", [], []])"));
    EXPECT_EQ(json["fits"][0], nlohmann::json::parse(R"(["Diatonic", "Major", "D", "2773",
                                                         "E G B C#"])"));
    EXPECT_EQ(json["per_chord"][0]["scales"][0],
              nlohmann::json::parse(R"(["Diatonic", "Major", "D", "2773", "E G B C#", true])"));
    EXPECT_NE(
        MatchOn({kMajor}, {"--chords", "Am C"}).out.find("nearly\tDiatonic\tMajor\tD\t2773\tC\n"),
        std::string::npos)
        << "D major lacks only the C";
    const Outcome bad = MatchOn({kTriad}, {"--chords", "Dm7 Cmaj8"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_EQ(bad.err, "orvel-match: \"Cmaj8\": cannot read \"8\" (see --help)\n");
    EXPECT_EQ(MatchOn({kTriad}, {"--chords", "C", "E"}).exitCode, 2) << "chords and notes";
    const auto wav = folder.Path() / "fits.wav";
    ASSERT_EQ(MatchOn({kMixolydian}, {"--chords", "G7 C", "--wav", wav.string()}).exitCode, 0);
    EXPECT_EQ(Shell(Quote(ORVEL_FIRST_PITCH) + " " + Quote(wav.string())).out, "67\n")
        << "G Mixolydian, the first best fit, from G4";
}

TEST_F(OrvelMatch, MelodyFilesAnswerWithTheKeyBestFitsAndSections) {
    // Eight bars in C major on a first track, eight in G major on a second.
    const Melody inC = testing_support::TuneOf(
        "C4 E4 G4 E4 | F4 D4 B3 D4 | C4 E4 G4 C5 | A4 F4 D4 F4 | E4 C4 G4 E4 | F4 A4 D4 B3 | D4 F4 "
        "G4 B3 | C4/4");
    Melody inG = testing_support::TuneOf(
        "G4 B4 D5 B4 | C5 A4 F#4 A4 | G4 B4 D5 G5 | E5 C5 A4 C5 | B4 G4 D5 B4 | C5 E5 A4 F#4 | A4 "
        "C5 D5 F#4 | G4/4");
    for (MelodyNote& note : inG.notes) {
        note.start += 32;
    }
    const testing_support::Bytes file = testing_support::MidiFile(
        {testing_support::NoteTrack(inC), testing_support::NoteTrack(inG, 1)});
    const std::string path =
        folder.Write("tune.mid", std::string(file.begin(), file.end())).string();

    const Outcome both = Match({"--melody", path, "--json"});
    ASSERT_EQ(both.exitCode, 0) << both.err;
    const auto json = nlohmann::json::parse(both.out);
    EXPECT_EQ(json["parts"].size(), 2u);
    EXPECT_EQ(json["parts"][1]["notes"], 29);
    ASSERT_EQ(json["profile"].size(), 12u);
    EXPECT_GT(json["profile"][0].get<double>(), json["profile"][1].get<double>());
    EXPECT_EQ(json["kept"], "C D E F F# G A B");
    ASSERT_EQ(json["sections"].size(), 2u);
    EXPECT_EQ(json["sections"][0]["bars"], nlohmann::json::parse("[1, 8]"));
    EXPECT_EQ(json["sections"][0]["key"]["tonic"], "C");
    EXPECT_EQ(json["sections"][1]["key"]["tonic"], "G");
    EXPECT_EQ(json["sections"][1]["key"]["mode"], "major");
    for (const char* field : {"key", "best", "fits", "nearly"}) {
        EXPECT_TRUE(json.contains(field)) << field;
    }

    const struct {
        std::vector<std::string> choice;
        const char* key;
        const char* best;
    } choices[] = {
        {{"--track", "2"}, "key\tG\tmajor\n", "best\tMajor Modes\tMajor\tG\t"},
        {{"--bars", "1-8"}, "key\tC\tmajor\n", "best\tMajor Modes\tMajor\tC\t"},
        {{"--bars", "9-16", "--threshold", "0"},
         "key\tG\tmajor\n",
         "best\tMajor Modes\tMajor\tG\t"},
    };
    for (const auto& c : choices) {
        std::vector<std::string> arguments{"--melody", path};
        arguments.insert(arguments.end(), c.choice.begin(), c.choice.end());
        const Outcome run = Match(arguments);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_NE(run.out.find(c.key), std::string::npos) << c.choice.back() << "\n"
                                                          << run.out.substr(0, 400);
        EXPECT_NE(run.out.find(c.best), std::string::npos) << c.choice.back();
    }
    const Outcome third = Match({"--melody", path, "--track", "3"});
    EXPECT_EQ(third.exitCode, 2);
    EXPECT_NE(third.err.find("has 2 tracks"), std::string::npos) << third.err;
}

TEST_F(OrvelMatch, AMelodyFileThatCannotBeReadIsNamedWithWhatIsWrong) {
    const testing_support::Bytes cut =
        testing_support::MidiFile({{{0, {0x90, 60, 90}}, {480, {0x80, 60, 0}}}});
    const struct {
        const char* name;
        std::string bytes;
        const char* says;
    } cases[] = {
        {"cut.mid", std::string(cut.begin(), cut.end() - 3), "past the end of the file"},
        {"empty.musicxml", "", "the file is empty"},
        {"notes.txt", "C D E", "neither a MIDI file nor a MusicXML score"},
    };
    for (const auto& c : cases) {
        const std::string path = folder.Write(c.name, c.bytes).string();
        const Outcome run = Match({"--melody", path});
        EXPECT_EQ(run.exitCode, 2) << c.name;
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("cannot read " + path + ": "), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    }
}

TEST_F(OrvelMatch, RecordingsAreHeardAsAMelodyOrAsChords) {
    const std::vector<testing_support::Played> tune =
        testing_support::TuneOf(0.4, testing_support::kDorianTune);
    const std::string melody = Rendered(folder.Path() / "tune.wav", tune).string();
    Outcome run = Match({"--listen", melody, "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["key"]["tonic"], "D");
    EXPECT_EQ(json["key"]["mode"], "Dorian");
    EXPECT_NEAR(json["tuning_cents"].get<double>(), 0, 10);
    EXPECT_EQ(json["clear"], true);
    ASSERT_GE(json["notes"].size(), tune.size());
    std::size_t found = 0;
    for (const testing_support::Played& played : tune) {
        for (const auto& note : json["notes"]) {
            found += std::abs(note["onset"].get<double>() - played.start) <= 0.05 &&
                     note["pitch"] == played.key && note["length"].get<double>() > 0.2;
        }
    }
    EXPECT_GE(found, tune.size() * 95 / 100);

    const std::string chords =
        Rendered(folder.Path() / "chords.wav", testing_support::TwoFiveOnes(1.0)).string();
    run = Match({"--listen", chords, "--as", "chords", "--flats"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("key\tBb\tmajor\n"), std::string::npos) << run.out.substr(0, 300);
    EXPECT_NE(run.out.find("kept\tC D Eb F G A Bb\n"), std::string::npos) << run.out.substr(0, 300);
    EXPECT_EQ(run.out.find("note\t"), std::string::npos) << "chords have no notes of their own";

    const std::string silence = folder.Write("silence.wav", std::string(4000, '\0')).string();
    const std::vector<float> quiet(44100, 0.0F);
    WriteWavFile(silence, quiet, 44100);
    run = Match({"--listen", silence, "--json"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("no clear pitch in " + silence), std::string::npos) << run.err;
    EXPECT_EQ(nlohmann::json::parse(run.out)["clear"], false);

    const std::string text = folder.Write("notes.wav", "C D E F G").string();
    run = Match({"--listen", text});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("cannot hear " + text + ": it is not a recording"), std::string::npos)
        << run.err;
}

TEST_F(OrvelMatch, ExportWritesTheFirstRowsScaleWholeOrNotAtAll) {
    const auto file = [&](const char* name) { return (folder.Path() / name).string(); };
    // B♭ major from the typed root: the run up and down, then the chord asked about.
    Outcome run = MatchOn({kMajor}, {"--root", "Bb", "--export", "midi", "--output", file("b.mid"),
                                     "--descending", "--tempo", "90", "Bb", "D", "F"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const std::string midi = ReadFile(file("b.mid"));
    const Melody clip = ReadMidiFile(std::vector<std::uint8_t>(midi.begin(), midi.end()));
    ASSERT_EQ(clip.notes.size(), 15u + 3u);
    EXPECT_EQ(clip.notes.front().midiKey, 70) << "B♭4 in the treble clef";
    EXPECT_EQ(clip.notes[7].midiKey, 82);
    EXPECT_EQ(clip.notes[14].midiKey, 70);
    EXPECT_NEAR(clip.notes[1].startSeconds, 60.0 / 90 / 2, 1e-3);
    EXPECT_EQ(clip.parts.at(0).name, "Bb Major");

    run = Match({"--chords", "Dm7 G7 Cmaj7", "--export", "musicxml", "--output", file("c.musicxml"),
                 "--clef", "bass"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Melody score = ReadMusicXml(ReadFile(file("c.musicxml")));
    ASSERT_EQ(score.notes.size(), 8u);
    EXPECT_EQ(score.notes.front().midiKey, 48) << "C3 in the bass clef";
    EXPECT_EQ(score.keys.at(0).fifths, 0);

    run = MatchOn({kMajor}, {"--root", "Eb", "--export", "text", "--output", file("e.txt"), "Eb"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadFile(file("e.txt")),
              "Eb Major (Diatonic)\nRoot: Eb\nNotes: Eb F G Ab Bb C D\nIntervals: 1 2 3 4 5 6 7\n");

    for (const std::string& bad : {std::string("/dev/full"), file("missing/x.mid")}) {
        run = MatchOn({kMajor}, {"--export", "midi", "--output", bad, "C"});
        EXPECT_EQ(run.exitCode, 3) << bad;
        EXPECT_NE(run.err.find("cannot write " + bad + ": "), std::string::npos) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(file("missing")));
    run = MatchOn({kMajor}, {"--export", "midi", "--output", file("none.mid"), "C", "C#", "D"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("no scale to export"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(file("none.mid")));
}

TEST_F(OrvelMatch, RelationsOfTheFirstRow) {
    const Outcome text =
        Match({"--root", "Eb", "--relations", "Eb", "F", "G", "Ab", "Bb", "C", "D"});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    for (const char* line :
         {"\nmode\tEb\tMajor, Ionian", "\nmode\tF\tDorian", "\nmoved\tD\tDb\tMixolydian",
          "\nchord\tD\tDdim\tDm7b5\tviiø7\n", "\nforte\t7-35\t(0,1,3,5,6,8,T)",
          "\ninterval_vector\t2\t5\t4\t3\t6\t1\n", "\nsymmetry\t12\town inversion\n",
          "\nrelative\tC\tNatural Minor"}) {
        EXPECT_NE(text.out.find(line), std::string::npos) << line;
    }
    const Outcome json = Match({"--json", "--relations", "--set", "2773"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const auto object = nlohmann::json::parse(json.out);
    EXPECT_EQ(object["modes"].size(), 7u);
    EXPECT_EQ(object["modes"][3]["root"], "F");
    EXPECT_EQ(object["chords"][4]["seventh"], "G7");
    EXPECT_EQ(object["chords"][4]["numeral"], "V7");
    EXPECT_EQ(object["forte"], "7-35");
    EXPECT_EQ(object["prime_form"], nlohmann::json::parse("[0, 1, 3, 5, 6, 8, 10]"));
    EXPECT_EQ(object["interval_vector"], nlohmann::json::parse("[2, 5, 4, 3, 6, 1]"));
    EXPECT_EQ(object["symmetry"]["transpositions"], 12);
    EXPECT_FALSE(object["neighbours"]["moved"].empty());
    EXPECT_TRUE(object["neighbours"]["added"][0].contains("note"));
}

TEST_F(OrvelMatch, FindListsTheScalesWhoseNameOrBankHoldsEveryWord) {
    const std::vector<std::string> catalogue = {
        "Pentatonic,Hirajoshi,TRUE,FALSE,TRUE,TRUE,FALSE,FALSE,FALSE,TRUE,TRUE,FALSE,FALSE,FALSE",
        "Pentatonic,Kata-kumoi,TRUE,FALSE,TRUE,TRUE,FALSE,FALSE,FALSE,TRUE,TRUE,FALSE,FALSE,FALSE",
        "Exotic,Japanese Hira,TRUE,FALSE,TRUE,TRUE,FALSE,FALSE,FALSE,TRUE,TRUE,FALSE,FALSE,FALSE",
        kMajor};
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"HIRA", "Pentatonic\tHirajoshi\tKata-kumoi\nExotic\tJapanese Hira\t\n"},
        {"hira exotic", "Exotic\tJapanese Hira\t\n"},
        {"pentatonic", "Pentatonic\tHirajoshi\tKata-kumoi\nPentatonic\tKata-kumoi\tHirajoshi\n"},
        {"major", "Diatonic\tMajor\t\n"},
        {"dorian", ""},
    };
    for (const auto& [text, expected] : cases) {
        const Outcome run = MatchOn(catalogue, {"--find", text});
        EXPECT_EQ(run.exitCode, 0) << text;
        EXPECT_EQ(run.out, expected) << text;
    }
    const std::string every = MatchOn(catalogue, {"--find", ""}).out;
    EXPECT_EQ(std::count(every.begin(), every.end(), '\n'), 4) << "nothing typed lists every scale";
    EXPECT_EQ(MatchOn(catalogue, {"--find", "kata", "--json"}).out,
              "{\"scales\":[{\"bank\":\"Pentatonic\",\"scale\":\"Kata-kumoi\",\"aliases\":"
              "[\"Hirajoshi\"]}]}\n");
}

TEST_F(OrvelMatch, ReadsBackTheNoteNamesItWrites) {
    const std::string expected = MatchOn({kTriad}, {"--root", "A#", "A#", "D", "F"}).out;
    ASSERT_NE(expected.find("Major Triad"), std::string::npos) << expected;
    for (const std::vector<std::string>& spelled :
         {std::vector<std::string>{"--root", "B\u266D", "B\u266D", "D", "F"},
          {"--root", "Cbb", "A#", "C##", "Gbb"},
          {"--root", "bb", "Cbb", "Cx", "E#"}}) {
        const Outcome run = MatchOn({kTriad}, spelled);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, expected) << spelled[1];
    }
}

TEST_F(OrvelMatch, WavPlaysTheFirstExactRowAtTheTempoGiven) {
    const auto wav = folder.Path() / "scale.wav";
    // C E G: the triad is exact, the major scale only contains it. The
    // triad's run is seven eighths, at 60 BPM half a second each: the last
    // starts at 3 s and sounds 475 ms, then 1.5 s of release.
    const Outcome written =
        MatchOn({kMajor, kTriad}, {"--wav", wav.string(), "--tempo", "60", "C", "E", "G"});
    ASSERT_EQ(written.exitCode, 0) << written.err;
    const std::string bytes = ReadFile(wav);
    ASSERT_GT(bytes.size(), 44u);
    const std::size_t frames = (bytes.size() - 44) / 4;
    EXPECT_EQ(frames, static_cast<std::size_t>(44100 * 4.975)) << "seconds: " << frames / 44100.0;

    const Outcome full = MatchOn({kTriad}, {"--wav", "/dev/full", "C"});
    EXPECT_EQ(full.exitCode, 4);
    EXPECT_NE(full.err.find("orvel-match: Cannot write /dev/full"), std::string::npos) << full.err;
}

TEST_F(OrvelMatch, PlayGivesUpOnAStalledSoundServer) {
    testing_support::StalledSoundServer server;
    const auto started = std::chrono::steady_clock::now();
    const Outcome played =
        Shell("PULSE_SERVER=" + Quote(server.Address()) + " " + Quote(ORVEL_MATCH_PROGRAM) +
              " --catalogue " + Quote(folder.Write("c.csv", "T\nH\n" + kTriad + "\n").string()) +
              " --play C E G");
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_EQ(played.exitCode, 4);
    EXPECT_LE(seconds, 3.0);
    EXPECT_NE(played.err.find("orvel-match: No audio output:"), std::string::npos) << played.err;
}

TEST_F(OrvelMatch, WavHoldsTheFirstRowsScaleAndPlayWithoutAServerSaysSo) {
    const auto wav = folder.Path() / "scale.wav";
    const Outcome written =
        MatchOn({kMajor, kTriad}, {"--wav", wav.string(), "--tempo=200", "--root", "D", "D", "F#"});
    ASSERT_EQ(written.exitCode, 0) << written.err;
    EXPECT_EQ(Shell(Quote(ORVEL_FIRST_PITCH) + " " + Quote(wav.string())).out, "62\n")
        << "D major from D4, the first row";

    const Outcome played = MatchOn({kTriad}, {"--play", "C", "E", "G"});
    EXPECT_EQ(played.exitCode, 4);
    EXPECT_NE(played.err.find("orvel-match: No audio output:"), std::string::npos) << played.err;
    EXPECT_EQ(MatchOn({kTriad}, {"--play", "--wav", wav.string(), "C"}).exitCode, 2);
}

TEST_F(OrvelMatch, AwkwardFieldsInTabSeparatedOutput) {
    const std::string awkward =
        "Bank \"quoted\",back\\slash\ttab "
        "é,TRUE,FALSE,FALSE,FALSE,FALSE,FALSE,FALSE,FALSE,FALSE,FALSE,FALSE,FALSE";
    const Outcome run = MatchOn({awkward}, {"C"});
    EXPECT_EQ(run.out, "exact\tBank \"quoted\"\tback\\\\slash\\ttab é\tC\n");
}

TEST_F(OrvelMatch, JsonParsesWhateverTheFieldsHold) {
    const std::string awkward =
        std::string("Bank \"q\",back\\slash\ttab é \x01 bad\xff byte,") +
        "TRUE,FALSE,FALSE,FALSE,FALSE,FALSE,FALSE,FALSE,FALSE,FALSE,FALSE,FALSE";
    const Outcome run = MatchOn({awkward, kMajor}, {"--json", "C"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto json = folder.Write("out.json", run.out);
    const std::string script =
        "import json,sys; d=json.load(open(sys.argv[1],encoding='utf-8')); "
        "print(d['value']); print(d['exact'][0] == ['Bank \"q\"', 'back\\\\slash\\ttab \\u00e9 "
        "\\u0001 bad\\ufffd byte', 'C']); "
        "print(d['containing'] == [['Diatonic', 'Major', 'C', '2773']])";
    const Outcome parsed =
        Shell(Quote(ORVEL_PYTHON) + " -c " + Quote(script) + " " + Quote(json.string()));
    EXPECT_EQ(parsed.exitCode, 0) << parsed.err;
    EXPECT_EQ(parsed.out, "100000000000\nTrue\nTrue\n");
}

TEST_F(OrvelMatch, CatalogueProblems) {
    const Outcome missing = Match({"--catalogue", (folder.Path() / "none.csv").string(), "C"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("Error accessing file."), std::string::npos);
    EXPECT_NE(missing.err.find("none.csv"), std::string::npos);

    std::filesystem::create_directory(folder.Path() / "a folder");
    const Outcome unreadable = Match({"--catalogue", (folder.Path() / "a folder").string(), "C"});
    EXPECT_EQ(unreadable.exitCode, 1);
    EXPECT_NE(unreadable.err.find("Error accessing file."), std::string::npos);
    EXPECT_NE(unreadable.err.find("Is a directory"), std::string::npos) << unreadable.err;

    // Neither a pipe without a writer nor a device that never ends is read.
    const auto fifo = folder.Path() / "pipe.csv";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& special : {fifo.string(), std::string("/dev/zero")}) {
        const Outcome run = Match({"--catalogue", special, "C"});
        EXPECT_EQ(run.exitCode, 1) << special;
        EXPECT_NE(run.err.find(special + ": not a regular file"), std::string::npos) << run.err;
    }

    const Outcome shortLine = MatchOn({"Bank,Short", kTriad}, {"C", "E", "G"});
    EXPECT_EQ(shortLine.exitCode, 0);
    EXPECT_EQ(shortLine.out, "exact\tChords\tMajor Triad\tC\n");
    EXPECT_NE(shortLine.err.find(":3: skipped: 2 fields"), std::string::npos) << shortLine.err;
}

// Catalogues that broke the program once. Each runs with its address space
// limited, so one that needs memory out of proportion fails here.
struct HostileCase {
    const char* name;
    std::string bytes;
    int exitCode;
    std::string out;          // exactly
    std::string errContains;  // a piece of standard error
};

std::vector<HostileCase> HostileCases() {
    const std::string header = "Title\nBank,Scale,1,b2,2,b3,3,4,b5,5,b6,6,b7,7\n";
    const std::string triadRow = "exact\tChords\tMajor Triad\tC\n";
    std::string utf16 = "\xFF\xFE";
    for (const char c : header + kTriad) {
        utf16 += std::string{c, '\0'};
    }
    return {
        {"FiftyMegabytesOfCommas", header + std::string(50'000'000, ',') + "\n" + kTriad, 0,
         triadRow, ":3: skipped: longer than 65536 bytes"},
        {"TenMegabyteName",
         header + "B," + std::string(10'000'000, 'n') + kTriad.substr(kTriad.find(",TRUE")) + "\n" +
             kTriad,
         0, triadRow, ":3: skipped: longer than"},
        {"AMillionBlankLines", header + std::string(1'000'000, '\n') + kTriad, 0, triadRow,
         ": 999980 more lines skipped\n"},
        {"Utf16WithItsMark", utf16, 0, triadRow, ""},
        {"NoScales", header, 0, "", ": no scales in the catalogue"},
    };
}

TEST_F(OrvelMatch, HostileCataloguesEndAsTheyShould) {
#ifdef ORVEL_ADDRESS_SANITIZER
    const std::string limit;  // the sanitizer reserves far more address space
#else
    const std::string limit = "ulimit -v 300000; ";
#endif
    for (const HostileCase& row : HostileCases()) {
        const auto file = folder.Write("hostile.csv", row.bytes);
        const Outcome run = Shell(limit + Quote(ORVEL_MATCH_PROGRAM) + " --catalogue " +
                                  Quote(file.string()) + " C E G");
        EXPECT_EQ(run.exitCode, row.exitCode) << row.name << ": " << run.err.substr(0, 300);
        EXPECT_EQ(run.out, row.out) << row.name;
        EXPECT_NE(run.err.find(row.errContains), std::string::npos)
            << row.name << ": " << run.err.substr(0, 300);
        EXPECT_LE(std::count(run.err.begin(), run.err.end(), '\n'), 21) << row.name;
    }
}

TEST_F(OrvelMatch, RunningOutOfMemoryIsReportedNotACrash) {
#ifdef ORVEL_ADDRESS_SANITIZER
    GTEST_SKIP() << "the sanitizer reserves far more address space than the limit";
#endif
    std::string text = "Title\nBank,Scale,1,b2,2,b3,3,4,b5,5,b6,6,b7,7\n";
    for (int i = 0; i < 1'000'000; ++i) {
        text += kTriad + "\n";
    }
    const auto file = folder.Write("large.csv", text);
    // 100 MB: the program with its libraries takes about 40 MB.
    const Outcome run = Shell("ulimit -v 100000; " + Quote(ORVEL_MATCH_PROGRAM) +
                              " --other-roots --catalogue " + Quote(file.string()));
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_EQ(run.err, "Error accessing file. " + file.string() + ": not enough memory\n");
}

TEST_F(OrvelMatch, OutputThatCannotBeWrittenIsAFailure) {
    for (const std::string arguments : {"C E G", "--help", "--version"}) {
        const Outcome run =
            Shell("sh -c " + Quote(Quote(ORVEL_MATCH_PROGRAM) + " " + arguments + " >/dev/full"));
        EXPECT_EQ(run.exitCode, 3) << arguments;
        EXPECT_NE(run.err.find("cannot write the output: No space left on device"),
                  std::string::npos)
            << run.err;
    }
}

TEST_F(OrvelMatch, NoResultsIsStillSuccess) {
    const Outcome run = MatchOn({kTriad}, {"C#", "D"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    const Outcome json = MatchOn({kTriad}, {"--json", "C#", "D"});
    EXPECT_EQ(json.out, "{\"value\": \"11000000000\", \"exact\": [], \"containing\": []}\n");
}

TEST_F(OrvelMatch, FindsTheCatalogueBesideItselfByDefault) {
    const Outcome run = Match({"C", "E", "G", "--json"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("\"Major Triad\""), std::string::npos);
}

}  // namespace
}  // namespace orvel
