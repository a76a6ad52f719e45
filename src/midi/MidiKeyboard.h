// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's MIDI keyboard: the MidiInput, and the notes its player holds
// (HeldNotes) as queries for the main window. One for the program, made at
// start-up and started after the first paint, so that nothing MIDI delays
// the window.
//
// Messages arrive on the input's thread and queue; the GUI thread takes them
// two milliseconds after the first, so that a chord's notes, which come
// one after another down the cable, make one query, not one per note. The
// queue has a limit: a flood beyond it is dropped rather than kept.
// Every two seconds the input picks up outputs plugged in since, and
// notices a system gone away.

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "midi/HeldNotes.h"
#include "midi/MidiInput.h"

namespace orvel {

class MidiKeyboard : public QObject {
    Q_OBJECT

  public:
    using MakeInput = std::function<std::unique_ptr<MidiInput>(MidiInput::Receiver)>;

    // How long the first message of a chord waits for the rest: a USB
    // keyboard sends a chord within a millisecond; down a 5-pin cable, four
    // notes in running status take 1.9 ms.
    static constexpr int kGatherMilliseconds = 2;
    static constexpr std::size_t kMostQueued = 4096;
    static constexpr int kRefreshMilliseconds = 2000;

    MidiKeyboard(MakeInput makeInput, QObject* parent);
    ~MidiKeyboard() override;

    // Makes the input; until then, and after, when there is no MIDI
    // system, State() says NoSystem.
    void Start();
    bool Started() const { return started_; }

    MidiInput::State State() const;
    std::string SystemName() const;
    std::vector<std::string> Sources();
    const MidiInput::Choice& Choice() const { return choice_; }
    void Listen(const MidiInput::Choice& choice);
    void Refresh();

    // Takes a message as the input's thread does: from any thread.
    void Receive(const unsigned char* bytes, std::size_t size);

  signals:
    // The query changed: its pitch classes, and that of its lowest note.
    void notesPlayed(orvel::PitchClassesAboveC notes, orvel::PitchClass lowest);
    // The events of the messages taken, in order, as they are taken.
    void eventsTaken(const std::vector<orvel::MidiEvent>& events);
    // The input was found gone.
    void inputLost();

  private:
    void TakeQueued();

    MakeInput makeInput_;
    std::unique_ptr<MidiInput> input_;
    bool started_ = false;
    bool lostSaid_ = false;
    MidiInput::Choice choice_;
    HeldNotes held_;
    QTimer refresh_;

    std::mutex mutex_;  // guards what follows, shared with the input's thread
    std::vector<MidiEvent> queued_;
    bool taking_ = false;  // a take is on its way to the GUI thread
};

}  // namespace orvel
