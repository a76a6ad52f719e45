// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// MidiInput through RtMidi: the ALSA sequencer where it exists, else a
// running JACK server (PipeWire desktops offer both). Built into the module
// "liborvel-midi.so", so that start-up never loads the MIDI libraries.
//
// RtMidi opens one port per input object: one object holds the program's
// own port, and one more each system output listened to. A JACK client of
// its own watches for the server shutting down.

#include <atomic>
#include <map>
#include <memory>

#include "midi/MidiInput.h"

class RtMidiIn;
struct _jack_client;

namespace orvel {

class RtMidiInput final : public MidiInput {
  public:
    explicit RtMidiInput(Receiver receiver);
    ~RtMidiInput() override;

    State CurrentState() const override;
    std::string SystemName() const override;
    std::vector<std::string> Sources() override;
    void Listen(const Choice& choice) override;
    void Refresh() override;

  private:
    // The outputs by name, with their index for openPort.
    std::map<std::string, unsigned int> Outputs();
    void Open(const std::string& name, unsigned int port);

    Receiver receiver_;
    int api_ = 0;  // RtMidi::Api
    std::unique_ptr<RtMidiIn> own_;
    std::unique_ptr<RtMidiIn> lister_;
    std::map<std::string, std::unique_ptr<RtMidiIn>> sources_;
    Choice choice_;
    _jack_client* watcher_ = nullptr;
    std::atomic<bool> lost_ = false;
};

}  // namespace orvel
