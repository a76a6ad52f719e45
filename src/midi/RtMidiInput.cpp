// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/RtMidiInput.h"

#include <alsa/asoundlib.h>
#include <jack/jack.h>
#include <rtmidi/RtMidi.h>

#include <regex>

namespace orvel {

namespace {

// The libraries would print every failed attempt to standard error; the
// program says what matters in its menu instead.
void Quiet(const char*) {}
void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}
void QuietRtMidi(RtMidiError::Type, const std::string&, void*) {}

void Deliver(double, std::vector<unsigned char>* message, void* receiver) {
    if (message != nullptr && !message->empty()) {
        (*static_cast<MidiInput::Receiver*>(receiver))(message->data(), message->size());
    }
}

// "Midi Through:Midi Through Port-0 14:0" is named without "14:0".
std::string WithoutNumbers(const std::string& name) {
    static const std::regex numbers(R"( \d+:\d+$)");
    return std::regex_replace(name, numbers, "");
}

bool IsLeftOut(const std::string& name) {
    return name.find("Announce") != std::string::npos ||
           name.find("Midi Through") != std::string::npos || name.rfind("System:Timer", 0) == 0 ||
           name.rfind(MidiInput::kPortName, 0) == 0;
}

// RtMidi would print its own line before throwing where there is none.
bool HasAlsaSequencer() {
    snd_seq_t* probe = nullptr;
    if (snd_seq_open(&probe, "default", SND_SEQ_OPEN_DUPLEX, 0) < 0) {
        return false;
    }
    snd_seq_close(probe);
    return true;
}

}  // namespace

RtMidiInput::RtMidiInput(Receiver receiver) : receiver_(std::move(receiver)) {
    jack_set_error_function(Quiet);
    jack_set_info_function(Quiet);
    snd_lib_error_set_handler(QuietAlsa);
    if (HasAlsaSequencer()) {
        try {
            own_ = std::make_unique<RtMidiIn>(RtMidi::LINUX_ALSA, kPortName);
            api_ = RtMidi::LINUX_ALSA;
        } catch (const RtMidiError&) {
            own_.reset();
        }
    }
    if (!own_) {
        // No ALSA sequencer: a JACK server, if one runs; none is started.
        watcher_ = jack_client_open("Orvel Modalune watch", JackNoStartServer, nullptr);
        if (watcher_ == nullptr) {
            return;
        }
        jack_on_shutdown(
            watcher_, [](void* self) { static_cast<RtMidiInput*>(self)->lost_ = true; }, this);
        jack_activate(watcher_);
        own_ = std::make_unique<RtMidiIn>(RtMidi::UNIX_JACK, kPortName);
        api_ = RtMidi::UNIX_JACK;
    }
    own_->setErrorCallback(QuietRtMidi);
    own_->setCallback(Deliver, &receiver_);
    own_->openVirtualPort(kPortName);
    Listen(choice_);
}

RtMidiInput::~RtMidiInput() {
    sources_.clear();
    own_.reset();
    if (watcher_ != nullptr && !lost_) {
        jack_client_close(watcher_);
    }
}

MidiInput::State RtMidiInput::CurrentState() const {
    return !own_ ? State::NoSystem : lost_ ? State::Lost : State::Listening;
}

std::string RtMidiInput::SystemName() const {
    return !own_ ? "" : api_ == RtMidi::LINUX_ALSA ? "ALSA" : "JACK";
}

std::map<std::string, unsigned int> RtMidiInput::Outputs() {
    std::map<std::string, unsigned int> outputs;
    if (CurrentState() != State::Listening) {
        return outputs;
    }
    const unsigned int count = own_->getPortCount();
    for (unsigned int port = 0; port < count; ++port) {
        const std::string name = WithoutNumbers(own_->getPortName(port));
        if (!name.empty() && !IsLeftOut(name)) {
            outputs.emplace(name, port);
        }
    }
    return outputs;
}

std::vector<std::string> RtMidiInput::Sources() {
    std::vector<std::string> names;
    for (const auto& [name, port] : Outputs()) {
        names.push_back(name);
    }
    return names;
}

void RtMidiInput::Open(const std::string& name, unsigned int port) {
    auto input = std::make_unique<RtMidiIn>(static_cast<RtMidi::Api>(api_), kPortName);
    input->setErrorCallback(QuietRtMidi);
    input->setCallback(Deliver, &receiver_);
    input->openPort(port, kPortName);
    sources_[name] = std::move(input);
}

void RtMidiInput::Listen(const Choice& choice) {
    choice_ = choice;
    sources_.clear();
    if (choice.kind == Choice::Kind::Off) {
        return;
    }
    for (const auto& [name, port] : Outputs()) {
        if (choice.kind == Choice::Kind::AllInputs || name == choice.name) {
            Open(name, port);
        }
    }
}

void RtMidiInput::Refresh() {
    if (CurrentState() != State::Listening) {
        return;
    }
    const std::map<std::string, unsigned int> outputs = Outputs();
    std::erase_if(sources_, [&](const auto& source) { return !outputs.contains(source.first); });
    if (choice_.kind == Choice::Kind::AllInputs) {
        for (const auto& [name, port] : outputs) {
            if (!sources_.contains(name)) {
                Open(name, port);
            }
        }
    }
}

}  // namespace orvel
