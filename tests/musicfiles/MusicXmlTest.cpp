// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QString>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "musicfiles/MusicFileError.h"
#include "musicfiles/MusicXml.h"
#include "musicfiles/Mxl.h"
#include "musicfiles/ReadMusicFile.h"
#include "support/MusicXmlWriter.h"
#include "support/TempFolder.h"

namespace orvel {
namespace {

using testing_support::AttributesXml;
using testing_support::NoteXml;
using testing_support::RestXml;
using testing_support::ScoreXml;
using testing_support::XmlPart;

// A note as the reader gives it: written name, key, start and length in
// beats, part, grace.
struct Written {
    std::string name;
    int key;
    double start;
    double length;
    std::size_t part = 0;
    bool grace = false;
};

struct XmlCase {
    const char* what;
    std::string xml;
    std::vector<Written> notes;
};

std::vector<XmlCase> Cases() {
    const std::string quarter = AttributesXml(1);
    return {
        {"quarter notes, spelled as written",
         ScoreXml({{"Flute",
                    {quarter + NoteXml('C', 0, 4, 1) + NoteXml('F', 1, 4, 1) +
                     NoteXml('B', -1, 3, 1) + RestXml(1)}}}),
         {{"C", 60, 0, 1}, {"F#", 66, 1, 1}, {"Bb", 58, 2, 1}}},
        {"a chord's notes start together",
         ScoreXml({{"Piano",
                    {AttributesXml(4) + NoteXml('C', 0, 4, 8) + NoteXml('E', 0, 4, 8, "<chord/>") +
                     NoteXml('G', 0, 4, 8, "<chord/>") + NoteXml('D', 0, 5, 8)}}}),
         {{"C", 60, 0, 2}, {"E", 64, 0, 2}, {"G", 67, 0, 2}, {"D", 74, 2, 2}}},
        {"a tie joins its notes across the bar line",
         ScoreXml({{"Voice",
                    {quarter + RestXml(2) + NoteXml('A', 0, 4, 2, "<tie type=\"start\"/>"),
                     NoteXml('A', 0, 4, 2, "<tie type=\"stop\"/>") + NoteXml('G', 0, 4, 2)}}}),
         {{"A", 69, 2, 4}, {"G", 67, 6, 2}}},
        {"a grace note takes no time",
         ScoreXml(
             {{"Fiddle",
               {quarter + "<note><grace/><pitch><step>B</step><octave>4</octave></pitch></note>" +
                NoteXml('C', 0, 5, 4)}}}),
         {{"B", 71, 0, 0, 0, true}, {"C", 72, 0, 4}}},
        {"backup and forward place a second voice",
         ScoreXml({{"Piano",
                    {quarter + NoteXml('E', 0, 5, 4) + "<backup><duration>4</duration></backup>" +
                     "<forward><duration>1</duration></forward>" + NoteXml('C', 0, 4, 3)}}}),
         {{"E", 76, 0, 4}, {"C", 60, 1, 3}}},
        {"parts keep their notes",
         ScoreXml({{"Violin", {quarter + NoteXml('E', 0, 5, 4)}},
                   {"Cello", {quarter + NoteXml('C', 0, 3, 4)}}}),
         {{"E", 76, 0, 4, 0}, {"C", 48, 0, 4, 1}}},
        {"a part for clarinet in B flat sounds a tone lower, respelled",
         ScoreXml({{"Clarinet",
                    {quarter +
                     "<attributes><transpose><diatonic>-1</diatonic><chromatic>-2</chromatic>"
                     "</transpose></attributes>" +
                     NoteXml('E', 0, 4, 1) + NoteXml('F', 1, 4, 1)}}}),
         {{"D", 62, 0, 1}, {"E", 64, 1, 1}}},
        {"measures follow the time signature and the notes",
         ScoreXml(
             {{"Voice",
               {AttributesXml(2, 0, "", 3, 4) + NoteXml('G', 0, 4, 6), NoteXml('A', 0, 4, 6)}}}),
         {{"G", 67, 0, 3}, {"A", 69, 3, 3}}},
    };
}

std::string Ascii(const MelodyNote& note) {
    return note.written ? note.written->Ascii() : "?";
}

TEST(MusicXml, ReadsNotesAsWritten) {
    for (const XmlCase& c : Cases()) {
        SCOPED_TRACE(c.what);
        const Melody melody = ReadMusicXml(c.xml);
        ASSERT_EQ(melody.notes.size(), c.notes.size());
        for (std::size_t i = 0; i < c.notes.size(); ++i) {
            const MelodyNote& note = melody.notes[i];
            EXPECT_EQ(Ascii(note), c.notes[i].name) << i;
            EXPECT_EQ(note.midiKey, c.notes[i].key) << i;
            EXPECT_DOUBLE_EQ(note.start, c.notes[i].start) << i;
            EXPECT_DOUBLE_EQ(note.length, c.notes[i].length) << i;
            EXPECT_EQ(note.part, c.notes[i].part) << i;
            EXPECT_EQ(note.grace, c.notes[i].grace) << i;
        }
    }
}

TEST(MusicXml, KeepsPartsBarsKeysAndTempo) {
    const std::string xml =
        ScoreXml({{"Oboe",
                   {AttributesXml(1, -1, "minor", 3, 4) +
                        "<direction><sound tempo=\"60\"/></direction>" + NoteXml('D', 0, 5, 3),
                    NoteXml('A', 0, 4, 3)}}});
    const Melody melody = ReadMusicXml(xml);
    ASSERT_EQ(melody.parts.size(), 1u);
    EXPECT_EQ(melody.parts[0].name, "Oboe");
    EXPECT_EQ(melody.parts[0].noteCount, 2u);
    EXPECT_EQ(melody.BarAt(3), 2);
    EXPECT_DOUBLE_EQ(melody.notes[1].startSeconds, 3);
    ASSERT_EQ(melody.keys.size(), 1u);
    EXPECT_EQ(melody.keys[0].fifths, -1);
    EXPECT_EQ(melody.keys[0].mode, KeyMode::Minor);
}

TEST(MusicXml, ReadsUtf16) {
    const std::string utf8 = ScoreXml({{"Flûte", {AttributesXml(1) + NoteXml('E', -1, 4, 2)}}}, "");
    std::string utf16 = "\xFF\xFE";
    for (const char16_t c :
         QString::fromUtf8(utf8.c_str()).replace("UTF-8", "UTF-16").toStdU16String()) {
        utf16 += static_cast<char>(c & 0xFF);
        utf16 += static_cast<char>(c >> 8);
    }
    const Melody melody = ReadMusicXml(utf16);
    ASSERT_EQ(melody.notes.size(), 1u);
    EXPECT_EQ(Ascii(melody.notes[0]), "Eb");
    EXPECT_EQ(melody.parts[0].name, "Flûte");
}

void ExpectRefused(const std::function<void()>& read, const std::string& says) {
    try {
        read();
        ADD_FAILURE() << "read";
    } catch (const MusicFileError& error) {
        EXPECT_NE(std::string(error.what()).find(says), std::string::npos) << error.what();
    }
}

TEST(MusicXml, HostileScoresAreRefused) {
    const std::string notes = AttributesXml(1) + NoteXml('C', 0, 4, 1);
    const std::string bomb =
        "<!DOCTYPE score-partwise [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b "
        "\"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
        "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d "
        "\"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]>";
    const struct {
        const char* what;
        std::string xml;
        const char* says;
    } cases[] = {
        {"an entity bomb", ScoreXml({{"&d;", {notes}}}, bomb), "declares XML entities"},
        {"an outside file as an entity",
         ScoreXml({{"&x;", {notes}}},
                  "<!DOCTYPE score-partwise [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"),
         "declares XML entities"},
        {"an entity left undeclared", ScoreXml({{"&x;", {notes}}}, ""), "not well-formed"},
        {"a note 10^12 divisions long",
         ScoreXml({{"Voice",
                    {AttributesXml(1) + NoteXml('C', 0, 4, 1) +
                     "<note><pitch><step>D</step><octave>4</octave></pitch>"
                     "<duration>1000000000000</duration></note>"}}}),
         "a duration of 1000000000000 divisions"},
        {"divisions of zero", ScoreXml({{"Voice", {AttributesXml(0) + NoteXml('C', 0, 4, 1)}}}),
         "divisions"},
        {"not XML", "MThd but not really", "not well-formed"},
        {"a timewise score", "<score-timewise/>", "timewise"},
        {"another kind of XML", "<html><body/></html>", "not a MusicXML score"},
        {"cut short", ScoreXml({{"Voice", {notes}}}).substr(0, 300), "not well-formed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ExpectRefused([&] { ReadMusicXml(c.xml); }, c.says);
    }
}

TEST(Mxl, UnpacksTheScoreTheContainerNames) {
    const std::string score = ScoreXml({{"Horn", {AttributesXml(1) + NoteXml('G', 0, 4, 1)}}});
    const std::string container =
        "<?xml version=\"1.0\"?><container><rootfiles><rootfile full-path=\"music/tune.musicxml\" "
        "media-type=\"application/vnd.recordare.musicxml+xml\"/></rootfiles></container>";
    EXPECT_EQ(UnpackMxl(testing_support::MxlArchive({{"META-INF/container.xml", container},
                                                     {"other.xml", "<x/>"},
                                                     {"music/tune.musicxml", score}})),
              score);
    EXPECT_EQ(UnpackMxl(testing_support::MxlArchive({{"tune.musicxml", score}})), score);
}

TEST(Mxl, HostileArchivesAreRefused) {
    const std::string score = ScoreXml({{"Horn", {AttributesXml(1) + NoteXml('G', 0, 4, 1)}}});
    const auto container = [](const std::string& path) {
        return "<container><rootfiles><rootfile full-path=\"" + path +
               "\"/></rootfiles></container>";
    };
    std::string padded = score;
    padded.insert(padded.find("<score-partwise"), std::string(30u << 20, ' '));
    const struct {
        const char* what;
        testing_support::Bytes archive;
        const char* says;
    } cases[] = {
        {"a hundred times its packed size",
         testing_support::MxlArchive({{"bomb.musicxml", padded}}),
         "more than 100 times its packed size"},
        {"more than 200 MB",
         testing_support::MxlArchive({{"big.musicxml", std::string(201u << 20, ' ')}}, true),
         "more than 200 MB"},
        {"a path that climbs out", testing_support::MxlArchive({{"../../evil.musicxml", score}}),
         "climbs out of its folder (../../evil.musicxml)"},
        {"a root file that climbs out",
         testing_support::MxlArchive(
             {{"META-INF/container.xml", container("a/../../evil.musicxml")}}),
         "climbs out"},
        {"an absolute path", testing_support::MxlArchive({{"/etc/passwd", score}}), "climbs out"},
        {"a root file missing",
         testing_support::MxlArchive({{"META-INF/container.xml", container("gone.xml")}}),
         "gone.xml, is not in it"},
        {"no score", testing_support::MxlArchive({{"readme.txt", "hello"}}),
         "holds no MusicXML score"},
        {"not a zip", {'P', 'K', 3, 4, 0, 0}, "not a compressed MusicXML file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ExpectRefused([&] { UnpackMxl(c.archive); }, c.says);
    }
}

TEST(ReadMusicFile, TellsKindsByTheirBytesAndNamesWhatIsWrong) {
    const testing_support::TempFolder folder;
    const auto write = [&](const std::string& name, const std::string& bytes) {
        std::ofstream(folder.Path() / name, std::ios::binary) << bytes;
        return folder.Path() / name;
    };
    const std::string score = ScoreXml({{"Horn", {AttributesXml(1) + NoteXml('G', 0, 4, 1)}}});
    const testing_support::Bytes mxl = testing_support::MxlArchive({{"tune.xml", score}});
    const testing_support::Bytes midi =
        testing_support::MidiFile({{{0, {0x90, 67, 90}}, {480, {0x80, 67, 0}}}});
    for (const std::filesystem::path& path :
         {write("tune.musicxml", score), write("tune.mxl", std::string(mxl.begin(), mxl.end())),
          write("misnamed.xml", std::string(midi.begin(), midi.end()))}) {
        SCOPED_TRACE(path.filename());
        const Melody melody = ReadMusicFile(path);
        ASSERT_EQ(melody.notes.size(), 1u);
        EXPECT_EQ(melody.notes[0].midiKey, 67);
    }
    ExpectRefused([&] { ReadMusicFile(write("empty.mid", "")); }, "the file is empty");
    ExpectRefused([&] { ReadMusicFile(write("text.mid", "just words")); }, "not a MIDI file");
    ExpectRefused([&] { ReadMusicFile(folder.Path() / "gone.mid"); }, "no such file");
    ExpectRefused([&] { ReadMusicFile(folder.Path()); }, "a folder");
}

}  // namespace
}  // namespace orvel
