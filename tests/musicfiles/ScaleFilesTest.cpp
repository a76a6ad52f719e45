// SPDX-License-Identifier: GPL-3.0-or-later
// A scale written out, and read back as other programs read it.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QString>
#include <QXmlStreamReader>
#include <filesystem>
#include <fstream>

#include "musicfiles/MidiFile.h"
#include "musicfiles/MusicXml.h"
#include "musicfiles/SaveFile.h"
#include "musicfiles/ScaleFiles.h"
#include "support/TempFolder.h"
#include "theory/ParseNoteName.h"

namespace orvel {
namespace {

const PitchClassSet kMajor = SetOf({0, 2, 4, 5, 7, 9, 11});

TEST(ScaleFiles, AMidiClipReadsBackAsTheRunThenTheChord) {
    const SpelledScale scale = SpellScale(kMajor, ParseNoteName("F#"));
    const std::vector<Pitch> run = ScalePitches(scale, Clef::Treble, true);
    const std::vector<int> chord{66, 70, 73};
    const std::vector<std::uint8_t> file = MidiClip(ScaleClip(run, chord), 90, "F# Major");
    ASSERT_GE(file.size(), 14u);
    EXPECT_EQ(file[9], 0) << "format 0";
    EXPECT_EQ((file[12] << 8) | file[13], 480) << "ticks a beat";
    const Melody melody = ReadMidiFile(file);
    ASSERT_EQ(melody.parts.size(), 1u);
    EXPECT_EQ(melody.parts[0].name, "F# Major");
    ASSERT_EQ(melody.notes.size(), run.size() + chord.size());
    for (std::size_t i = 0; i < run.size(); ++i) {
        EXPECT_EQ(melody.notes[i].midiKey, run[i].Key()) << i;
        EXPECT_DOUBLE_EQ(melody.notes[i].start, 0.5 * static_cast<double>(i)) << i;
        EXPECT_DOUBLE_EQ(melody.notes[i].length, 0.5) << i;
        EXPECT_NEAR(melody.notes[i].startSeconds, 0.5 * static_cast<double>(i) * 60 / 90, 1e-3)
            << i;
    }
    EXPECT_EQ(melody.notes.front().midiKey, 66) << "F#4";
    for (std::size_t c = 0; c < chord.size(); ++c) {
        const MelodyNote& note = melody.notes[run.size() + c];
        EXPECT_DOUBLE_EQ(note.start, 0.5 * static_cast<double>(run.size()));
        EXPECT_DOUBLE_EQ(note.length, 4);
    }
}

// The clef's sign, line and octave change, as a notation program reads them.
std::string ClefOf(const std::string& xml) {
    QXmlStreamReader reader(QString::fromStdString(xml));
    std::string clef;
    bool inClef = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == u"clef") {
            inClef = true;
        } else if (reader.isEndElement() && reader.name() == u"clef") {
            inClef = false;
        } else if (inClef && reader.isStartElement()) {
            clef += reader.readElementText().toStdString();
        }
    }
    return clef;
}

int Count(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

TEST(ScaleFiles, MusicXmlReadsBackSpelledWithItsClefAndSignature) {
    const struct {
        const char* root;
        PitchClassSet set;
        Clef clef;
        const char* clefText;
        int fifths;
        int accidentals;  // written with the signature
    } cases[] = {
        {"Eb", kMajor, Clef::Bass, "F4", -3, 0},
        {"A", SetOf({0, 2, 3, 5, 7, 8, 11}), Clef::Alto, "C3", 0, 1},
        {"C#", SetOf({0, 2, 3, 5, 7, 9, 10}), Clef::TrebleOctaveDown, "G2-1", 5, 0},
        {"D", SetOf({0, 1, 4, 5, 7, 8, 10}), Clef::Tenor, "C4", 0, 3},
    };
    for (const auto& c : cases) {
        const SpelledScale scale = SpellScale(c.set, ParseNoteName(c.root));
        const std::optional<KeySignature> signature = SignatureOf(c.set, scale);
        const std::vector<Pitch> pitches = ScalePitches(scale, c.clef, false);
        const std::string xml = ScaleMusicXml(pitches, c.clef, signature, "Scale");
        SCOPED_TRACE(c.root);
        EXPECT_EQ(ClefOf(xml), c.clefText);
        EXPECT_EQ(Count(xml, "<accidental>"), c.accidentals);
        const Melody melody = ReadMusicXml(xml);
        ASSERT_EQ(melody.notes.size(), pitches.size());
        for (std::size_t i = 0; i < pitches.size(); ++i) {
            EXPECT_EQ(melody.notes[i].written, pitches[i].note) << i;
            EXPECT_EQ(melody.notes[i].midiKey, pitches[i].Key()) << i;
        }
        ASSERT_EQ(melody.keys.size(), 1u);
        EXPECT_EQ(melody.keys[0].fifths, c.fifths);
    }
}

TEST(ScaleFiles, PlainTextNamesTheScale) {
    EXPECT_EQ(ScaleText("Dorian", "Major Modes",
                        SpellScale(SetOf({0, 2, 3, 5, 7, 9, 10}), ParseNoteName("Eb"))),
              "Eb Dorian (Major Modes)\nRoot: Eb\nNotes: Eb F Gb Ab Bb C Db\nIntervals: 1 2 b3 4 5 "
              "6 b7\n");
}

TEST(SaveFile, WritesWholeOrLeavesNothing) {
    const testing_support::TempFolder folder;
    const std::string bytes = "whole";
    SaveFile(folder.Path() / "out.txt", bytes);
    std::ifstream in(folder.Path() / "out.txt");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "whole");
    std::filesystem::create_directory(folder.Path() / "taken");
    // A pipe, not a device: were the check broken, the test must not replace /dev/full.
    const std::filesystem::path pipe = folder.Path() / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const struct {
        std::filesystem::path path;
        const char* says;
    } cases[] = {
        {pipe, "not a regular file"},
        {folder.Path() / "missing" / "out.mid", "there is no folder"},
        {folder.Path() / "taken", "it is a folder"},
    };
    for (const auto& c : cases) {
        try {
            SaveFile(c.path, bytes);
            ADD_FAILURE() << c.path;
        } catch (const SaveFileError& error) {
            EXPECT_NE(std::string(error.what()).find(c.says), std::string::npos) << error.what();
        }
    }
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 3u) << "out.txt, the folder and the pipe, no part file";
}

}  // namespace
}  // namespace orvel

namespace orvel {
namespace {

TEST(ScaleFiles, AProgressionClipVoicesEachChordUpFromItsBassForItsBeats) {
    const Progression progression =
        ReadProgression("| Dm7 G7 | Cmaj7 | N.C. | Am/G |", ReadAs::Chords);
    const std::vector<ClipNote> clip = ProgressionClip(progression);
    const struct {
        std::vector<int> keys;
        double start;
        double length;
    } chords[] = {{{50, 53, 57, 60}, 0, 2},
                  {{55, 59, 62, 65}, 2, 2},
                  {{48, 52, 55, 59}, 4, 4},
                  {{55, 57, 60, 64}, 12, 4}};
    std::size_t at = 0;
    for (const auto& chord : chords) {
        for (const int key : chord.keys) {
            ASSERT_LT(at, clip.size());
            EXPECT_EQ(clip[at].midiKey, key) << at;
            EXPECT_DOUBLE_EQ(clip[at].start, chord.start) << at;
            EXPECT_DOUBLE_EQ(clip[at].length, chord.length) << at;
            ++at;
        }
    }
    EXPECT_EQ(at, clip.size());
}

}  // namespace
}  // namespace orvel
