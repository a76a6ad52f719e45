// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "midi/HeldNotes.h"
#include "support/Notes.h"

namespace orvel {
namespace {

using Message = std::vector<unsigned char>;

Message On(int key, int channel = 0, int velocity = 100) {
    return {static_cast<unsigned char>(0x90 | channel), static_cast<unsigned char>(key),
            static_cast<unsigned char>(velocity)};
}
Message Off(int key, int channel = 0) {
    return {static_cast<unsigned char>(0x80 | channel), static_cast<unsigned char>(key), 64};
}
Message Control(int controller, int value, int channel = 0) {
    return {static_cast<unsigned char>(0xB0 | channel), static_cast<unsigned char>(controller),
            static_cast<unsigned char>(value)};
}
const Message kPedalDown = Control(64, 127);
const Message kPedalUp = Control(64, 0);

struct Played {
    std::string what;
    std::vector<Message> messages;
    std::string query;  // pitch classes, bit c for c, B down to C
    int lowest;         // pitch class of the lowest note, -1 for none
    int changes;        // messages that changed the query
};

TEST(HeldNotes, WhatIsPlayedBecomesTheQuery) {
    constexpr int C = 60, E = 64, G = 67, D = 62, A = 57;
    const std::vector<Played> table{
        {"chord, then release",
         {On(C), On(E), On(G), Off(C), Off(E), Off(G)},
         "000010010001",
         0,
         3},
        {"a new note after the release starts anew",
         {On(C), On(E), Off(C), Off(E), On(A)},
         "001000000000",
         9,
         3},
        {"rolled chord, each key up before the last is down",
         {On(G), On(C + 12), Off(G), On(E), Off(C + 12), Off(E)},
         "000010010001",
         4,
         3},
        {"the pedal gathers released notes",
         {kPedalDown, On(C), Off(C), On(E), Off(E), On(G), Off(G)},
         "000010010001",
         0,
         3},
        {"pedal up with a key still down keeps gathering",
         {kPedalDown, On(C), Off(C), On(E), kPedalUp, On(G), Off(E), Off(G)},
         "000010010001",
         0,
         3},
        {"after pedal and keys are up, a new query",
         {kPedalDown, On(C), Off(C), kPedalUp, On(D)},
         "000000000100",
         2,
         2},
        {"pedal at 64 is down", {Control(64, 64), On(C), Off(C), On(E)}, "000000010001", 0, 2},
        {"pedal at 63 is up", {Control(64, 63), On(C), Off(C), On(E)}, "000000010000", 4, 2},
        {"velocity 0 is a note off", {On(C), On(C, 0, 0), On(E)}, "000000010000", 4, 2},
        {"channels each count; a key is its channel and number",
         {On(C, 0), On(E, 3), Off(C, 3), On(G, 15)},
         "000010010001",
         0,
         3},
        {"stray note offs change nothing",
         {Off(D), Off(E, 5), On(C), Off(G)},
         "000000000001",
         0,
         1},
        {"all notes off lets go of its channel's keys",
         {On(C, 1), On(E, 1), Control(123, 0, 1), On(G, 1)},
         "000010000000",
         7,
         3},
        {"all notes off on another channel holds these",
         {On(C, 1), Control(123, 0, 2), On(E, 1)},
         "000000010001",
         0,
         2},
        {"other messages mean nothing",
         {{0xC0, 5, 0},
          {0xF8, 0, 0},
          {0xFE, 0, 0},
          {0xF0, 0x7E, 0x7F, 0xF7},
          Control(7, 100),
          {0x90, 60},
          {0xE0, 0, 64}},
         "000000000000",
         -1,
         0},
        {"a status byte where a key or a velocity belongs changes nothing",
         {{0x90, 60, 0x90}, {0x90, 0x80, 90}, {0xB0, 64, 0xFF}, On(E), {0x80, 64, 0x90}},
         "000000010000",
         4,
         1},
    };
    for (const Played& played : table) {
        SCOPED_TRACE(played.what);
        HeldNotes held;
        int changes = 0;
        for (const Message& message : played.messages) {
            if (const auto event = ReadMidiMessage(message.data(), message.size())) {
                changes += held.Take(*event) ? 1 : 0;
            }
        }
        EXPECT_EQ(Digits(held.Query()), played.query);
        EXPECT_EQ(held.LowestPitchClass(),
                  played.lowest < 0 ? std::nullopt : std::optional(PitchClass(played.lowest)));
        EXPECT_EQ(changes, played.changes);
    }
}

}  // namespace
}  // namespace orvel
