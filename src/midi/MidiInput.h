// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's MIDI input: its own port "Orvel Modalune", which other
// programs and patchbays connect to, and connections to the system's MIDI
// outputs: all of them (picking up devices plugged in later), one by name,
// or none. Messages arrive on the input's own thread.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace orvel {

class MidiInput {
  public:
    // Called on the input's thread with each whole message.
    using Receiver = std::function<void(const unsigned char* bytes, std::size_t size)>;

    // What the input listens to besides its own port.
    struct Choice {
        enum class Kind { AllInputs, OneInput, Off };
        Kind kind = Kind::AllInputs;
        std::string name;  // for OneInput: a name from Sources()

        friend bool operator==(const Choice&, const Choice&) = default;
    };

    enum class State {
        Listening,  // the system answers
        NoSystem,   // neither the ALSA sequencer nor a JACK server is there
        Lost,       // the system went away while the program ran
    };

    static constexpr const char* kPortName = "Orvel Modalune";

    virtual ~MidiInput() = default;

    virtual State CurrentState() const = 0;
    // "ALSA" or "JACK", once listening.
    virtual std::string SystemName() const = 0;
    // The system's MIDI outputs by name, without their changing client and
    // port numbers, leaving out the system's own ports ("Announce", "Midi
    // Through") and this program's.
    virtual std::vector<std::string> Sources() = 0;
    virtual void Listen(const Choice& choice) = 0;
    // Connects outputs that appeared since, when listening to all, and
    // notices a system that went away.
    virtual void Refresh() = 0;
};

}  // namespace orvel
