// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "musicfiles/MidiFile.h"
#include "musicfiles/MusicFileError.h"
#include "support/MidiFileWriter.h"
#include "support/Tunes.h"

namespace orvel {
namespace {

using testing_support::Bytes;
using testing_support::Meta;
using testing_support::MidiFile;
using testing_support::TempoEvent;
using testing_support::Track;

constexpr std::uint8_t kOn = 0x90;
constexpr std::uint8_t kOff = 0x80;

// A note as the reader gives it: key, start and length in beats, start in
// seconds, part.
struct Heard {
    int key;
    double start;
    double length;
    double startSeconds;
    std::size_t part;
};

struct MidiCase {
    const char* what;
    Bytes file;
    std::vector<Heard> notes;
    std::vector<std::string> parts;
};

std::vector<MidiCase> Cases() {
    const Track cde = {{0, {kOn, 60, 90}},   {480, {kOff, 60, 0}}, {0, {kOn, 62, 90}},
                       {480, {kOff, 62, 0}}, {0, {kOn, 64, 90}},   {480, {kOff, 64, 0}}};
    return {
        {"three quarter notes",
         MidiFile({cde}, 0),
         {{60, 0, 1, 0, 0}, {62, 1, 1, 0.5, 0}, {64, 2, 1, 1, 0}},
         {"Track 1"}},
        {"running status and note-on of velocity 0 as note-off",
         MidiFile({{{0, {kOn, 60, 90}}, {240, {60, 0}}, {0, {67, 80}}, {720, {67, 0}}}}),
         {{60, 0, 0.5, 0, 0}, {67, 0.5, 1.5, 0.25, 0}},
         {"Track 1"}},
        {"the drum channel is left out",
         MidiFile(
             {{{0, {0x99, 36, 90}}, {0, {kOn, 48, 90}}, {480, {0x89, 36, 0}}, {0, {kOff, 48, 0}}}}),
         {{48, 0, 1, 0, 0}},
         {"Track 1"}},
        {"a tempo change moves the seconds, not the beats",
         MidiFile({{TempoEvent(0, 500'000),
                    TempoEvent(960, 250'000),
                    {0, {kOn, 60, 90}},
                    {480, {kOff, 60, 0}},
                    {0, {kOn, 62, 90}},
                    {480, {kOff, 62, 0}}}}),
         {{60, 2, 1, 1, 0}, {62, 3, 1, 1.25, 0}},
         {"Track 1"}},
        {"tracks are parts, named, their notes in time order",
         MidiFile(
             {{Meta(0, 0x03, {'L', 'e', 'a', 'd'}), {480, {kOn, 72, 90}}, {480, {kOff, 72, 0}}},
              {Meta(0, 0x03, {'B', 'a', 's', 's'}), {0, {0x91, 36, 90}}, {1920, {0x81, 36, 0}}}}),
         {{36, 0, 4, 0, 1}, {72, 1, 1, 0.5, 0}},
         {"Lead", "Bass"}},
        {"channels of one track are parts of their own",
         MidiFile(
             {{{0, {kOn, 60, 90}}, {0, {0x92, 64, 90}}, {480, {kOff, 60, 0}}, {0, {0x82, 64, 0}}}},
             0),
         {{60, 0, 1, 0, 0}, {64, 0, 1, 0, 1}},
         {"Track 1, channel 1", "Track 1, channel 3"}},
        {"a note left sounding ends with its track",
         MidiFile({{{0, {kOn, 60, 90}}, {960, {0xB0, 64, 0}}}}),
         {{60, 0, 2, 0, 0}},
         {"Track 1"}},
        {"the same key struck twice ends first the first",
         MidiFile({{{0, {kOn, 60, 90}},
                    {240, {kOn, 60, 90}},
                    {240, {kOff, 60, 0}},
                    {480, {kOff, 60, 0}}}}),
         {{60, 0, 1, 0, 0}, {60, 0.5, 1.5, 0.25, 0}},
         {"Track 1"}},
        {"SMPTE timing: 25 frames of 40 ticks a second, at 120 beats a minute",
         MidiFile({{{0, {kOn, 60, 90}}, {1000, {kOff, 60, 0}}}}, 0, 0xE728),
         {{60, 0, 2, 0, 0}},
         {"Track 1"}},
        {"a chunk of another kind is skipped",
         [&] {
             Bytes file = MidiFile({cde}, 0);
             const Bytes alien{'X', 'Y', 'Z', 'W', 0, 0, 0, 2, 1, 2};
             file.insert(file.begin() + 14, alien.begin(), alien.end());
             return file;
         }(),
         {{60, 0, 1, 0, 0}, {62, 1, 1, 0.5, 0}, {64, 2, 1, 1, 0}},
         {"Track 1"}},
    };
}

TEST(MidiFile, ReadsNotesTimesAndParts) {
    for (const MidiCase& c : Cases()) {
        SCOPED_TRACE(c.what);
        const Melody melody = ReadMidiFile(c.file);
        ASSERT_EQ(melody.notes.size(), c.notes.size());
        for (std::size_t i = 0; i < c.notes.size(); ++i) {
            const MelodyNote& note = melody.notes[i];
            EXPECT_EQ(note.midiKey, c.notes[i].key) << i;
            EXPECT_DOUBLE_EQ(note.start, c.notes[i].start) << i;
            EXPECT_DOUBLE_EQ(note.length, c.notes[i].length) << i;
            EXPECT_DOUBLE_EQ(note.startSeconds, c.notes[i].startSeconds) << i;
            EXPECT_EQ(note.part, c.notes[i].part) << i;
        }
        std::vector<std::string> parts;
        for (const MelodyPart& part : melody.parts) {
            parts.push_back(part.name);
        }
        EXPECT_EQ(parts, c.parts);
    }
}

TEST(MidiFile, ReadsTimeAndKeySignatures) {
    const Melody melody = ReadMidiFile(MidiFile({{Meta(0, 0x58, {3, 2, 24, 8}),
                                                  Meta(0, 0x59, {0xFD, 1}),
                                                  Meta(3 * 480, 0x58, {6, 3, 24, 8}),
                                                  {0, {kOn, 60, 90}},
                                                  {480, {kOff, 60, 0}}}}));
    EXPECT_EQ(melody.BarAt(2.9), 1);  // 3/4
    EXPECT_EQ(melody.BarAt(3), 2);    // then 6/8, three beats a bar too
    EXPECT_EQ(melody.BarAt(6), 3);
    ASSERT_EQ(melody.keys.size(), 1u);
    EXPECT_EQ(melody.keys[0].fifths, -3);
    EXPECT_EQ(melody.keys[0].mode, KeyMode::Minor);
}

struct BadCase {
    const char* what;
    Bytes file;
    const char* says;
};

TEST(MidiFile, BadFilesSayWhatIsWrong) {
    const Bytes good = MidiFile({{{0, {kOn, 60, 90}}, {480, {kOff, 60, 0}}}});
    Bytes pastTheEnd = good;
    pastTheEnd[21] = 0x7F;  // the track's length
    Bytes longDelta = MidiFile({{{0, {kOn, 60, 90}}}});
    const Bytes fiveBytes{0x81, 0x80, 0x80, 0x80, 0x00, kOff, 60, 0};
    longDelta.insert(longDelta.end() - 4, fiveBytes.begin(), fiveBytes.end());
    longDelta[21] += static_cast<std::uint8_t>(fiveBytes.size());
    const std::vector<BadCase> cases{
        {"empty", {}, "the file is empty"},
        {"not MIDI", {'R', 'I', 'F', 'F', 0, 0}, "not a MIDI file"},
        {"truncated", Bytes(good.begin(), good.end() - 6), "past the end of the file"},
        {"a chunk length past the end", pastTheEnd, "track 1 claims 127 bytes, past the end"},
        {"a header cut short", Bytes(good.begin(), good.begin() + 10), "the header ends too soon"},
        {"a delta time of five bytes", longDelta, "delta time longer than four bytes in track 1"},
        {"format 2", MidiFile({}, 2), "format 2"},
        {"no tracks", MidiFile({}, 0), "no tracks"},
        {"a data byte first", MidiFile({{{0, {60, 90}}}}), "data byte without a status in track 1"},
        {"a message cut by the end of its track",
         [] {
             Bytes file = MidiFile({}, 0);
             file[11] = 1;
             const Bytes chunk =
                 testing_support::TrackChunk({{0, {kOn, 60, 90}}, {0, {kOn, 62}}}, false);
             file.insert(file.end(), chunk.begin(), chunk.end());
             return file;
         }(),
         "track 1 ends too soon"},
    };
    for (const BadCase& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            ReadMidiFile(c.file);
            ADD_FAILURE() << "read";
        } catch (const MusicFileError& error) {
            EXPECT_NE(std::string(error.what()).find(c.says), std::string::npos) << error.what();
        }
    }
}

TEST(MidiFile, DeltaTimesOfFourBytesAddUpWithoutOverflow) {
    Track track;
    for (int i = 0; i < 100; ++i) {
        track.push_back({0x0FFF'FFFF, {kOn, 60, 90}});
        track.push_back({1, {kOff, 60, 0}});
    }
    const Melody melody = ReadMidiFile(MidiFile({track}, 1, 1));
    ASSERT_EQ(melody.notes.size(), 100u);
    EXPECT_DOUBLE_EQ(melody.notes.back().start, 100.0 * 0x0FFF'FFFF + 99);
    EXPECT_GT(melody.LastBar(), 1'000'000);
}

TEST(MidiFile, ATrackOfTenMillionEventsKeepsABoundedNumberOfNotes) {
    Bytes body;
    body.reserve(30'000'010);
    body.insert(body.end(), {0x00, kOn, 60, 90});
    for (int event = 1; event < 10'000'000; ++event) {
        body.insert(body.end(), {0x00, 60, static_cast<std::uint8_t>(event % 2 == 0 ? 90 : 0)});
    }
    Bytes file = MidiFile({}, 0);
    file[11] = 1;
    file.insert(file.end(), {'M', 'T', 'r', 'k'});
    testing_support::AppendBig(file, static_cast<std::uint32_t>(body.size()), 4);
    file.insert(file.end(), body.begin(), body.end());
    const Melody melody = ReadMidiFile(file);
    EXPECT_EQ(melody.notes.size(), Melody::kMostNotes);
    EXPECT_TRUE(melody.truncated);
}

}  // namespace
}  // namespace orvel
