// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/MidiKeyboard.h"

namespace orvel {

MidiKeyboard::MidiKeyboard(MakeInput makeInput, QObject* parent)
    : QObject(parent), makeInput_(std::move(makeInput)) {
    refresh_.setInterval(kRefreshMilliseconds);
    connect(&refresh_, &QTimer::timeout, this, &MidiKeyboard::Refresh);
}

MidiKeyboard::~MidiKeyboard() {
    input_.reset();  // no message arrives after this
}

void MidiKeyboard::Start() {
    if (started_) {
        return;
    }
    started_ = true;
    input_ =
        makeInput_([this](const unsigned char* bytes, std::size_t size) { Receive(bytes, size); });
    if (State() == MidiInput::State::Listening) {
        refresh_.start();
    }
}

MidiInput::State MidiKeyboard::State() const {
    return input_ ? input_->CurrentState() : MidiInput::State::NoSystem;
}

std::string MidiKeyboard::SystemName() const {
    return input_ ? input_->SystemName() : "";
}

std::vector<std::string> MidiKeyboard::Sources() {
    return input_ ? input_->Sources() : std::vector<std::string>{};
}

void MidiKeyboard::Listen(const MidiInput::Choice& choice) {
    choice_ = choice;
    if (input_) {
        input_->Listen(choice);
    }
}

void MidiKeyboard::Refresh() {
    if (!input_) {
        return;
    }
    input_->Refresh();
    if (input_->CurrentState() == MidiInput::State::Lost && !lostSaid_) {
        lostSaid_ = true;
        refresh_.stop();
        emit inputLost();
    }
}

void MidiKeyboard::Receive(const unsigned char* bytes, std::size_t size) {
    const auto event = ReadMidiMessage(bytes, size);
    if (!event) {
        return;
    }
    const std::lock_guard lock(mutex_);
    if (queued_.size() >= kMostQueued) {
        return;
    }
    queued_.push_back(*event);
    if (!taking_) {
        taking_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] { QTimer::singleShot(kGatherMilliseconds, this, &MidiKeyboard::TakeQueued); },
            Qt::QueuedConnection);
    }
}

void MidiKeyboard::TakeQueued() {
    std::vector<MidiEvent> events;
    {
        const std::lock_guard lock(mutex_);
        events.swap(queued_);
        taking_ = false;
    }
    if (!events.empty()) {
        emit eventsTaken(events);
    }
    bool changed = false;
    for (const MidiEvent& event : events) {
        changed = held_.Take(event) || changed;
    }
    if (changed && !held_.Query().Empty()) {
        emit notesPlayed(held_.Query(), held_.LowestPitchClass().value_or(kC));
    }
}

}  // namespace orvel
