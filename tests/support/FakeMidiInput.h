// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A MIDI input with no MIDI system behind it: the test says what the system
// offers and plays messages into it, from any thread, as a keyboard would.

#include <initializer_list>
#include <vector>

#include "midi/MidiInput.h"

namespace orvel::testing_support {

class FakeMidiInput final : public MidiInput {
  public:
    explicit FakeMidiInput(Receiver receiver) : receiver_(std::move(receiver)) {}

    State CurrentState() const override { return state; }
    std::string SystemName() const override { return "JACK"; }
    std::vector<std::string> Sources() override { return sources; }
    void Listen(const Choice& choice) override { listened.push_back(choice); }
    void Refresh() override { ++refreshes; }

    void Play(std::initializer_list<unsigned char> message) const {
        const std::vector<unsigned char> bytes(message);
        receiver_(bytes.data(), bytes.size());
    }

    State state = State::Listening;
    std::vector<std::string> sources;
    std::vector<Choice> listened;
    int refreshes = 0;

  private:
    Receiver receiver_;
};

}  // namespace orvel::testing_support
