// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's one way to make sound, as its windows use it: start-up
// makes it, with the player it will use, and hands it to the windows.
//
// Nothing here waits. The player works on a SoundThread, made on the first
// play; the answers come back as signals on the thread that made this
// object. A play that has neither started nor failed after
// SoundThread::kStartWithin (a stalled sound server) fails with
// kNoAudioOutput, and its thread is abandoned: the next play starts afresh.
//
// The tempo lives here, so that every window plays at the one the user set.
//
// While a play sounds, soundingChanged says which of its keys sound at the
// moment, from the time its sound started, by the clock given here (the
// steady clock unless a test gives its own), looked at every kFollowEvery.

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include "audio/Performance.h"
#include "audio/SoundThread.h"

namespace orvel {

class Playback : public QObject {
    Q_OBJECT

  public:
    using Clock = std::function<std::chrono::milliseconds()>;
    static constexpr std::chrono::milliseconds kFollowEvery{15};

    explicit Playback(SoundThread::MakePlayer makePlayer, QObject* parent = nullptr,
                      Clock clock = {});
    ~Playback() override;

    // From a play until its sound has rung out, it failed, or Stop.
    bool IsPlaying() const { return playing_; }
    // Beats per minute, kMinTempo to kMaxTempo (Tempo.h).
    int Tempo() const { return tempo_; }
    // The latest play's number: a window that keeps it knows the play for its own.
    int CurrentPlay() const { return play_; }

    // Plays `notes`, stopping what played before.
    void Play(const std::vector<TimedNote>& notes);
    // What a Play button does: plays `notes`, or stops while something plays.
    void PlayOrStop(const std::vector<TimedNote>& notes);

  public slots:
    void Stop();
    // Held within the tempo range.
    void SetTempo(int beatsPerMinute);

  signals:
    void playingChanged(bool playing);
    // The play could not start; the message says what is missing.
    void failed(const QString& message);
    void tempoChanged(int beatsPerMinute);
    // The MIDI keys sounding now, lowest first; none once nothing plays.
    void soundingChanged(const QList<int>& keys);

  private:
    void Answered(int play, SoundThread::Answer answer, const QString& message);
    void GiveUp();
    void SetPlaying(bool playing);
    void Follow();
    void SetSounding(const QList<int>& keys);

    SoundThread::MakePlayer makePlayer_;
    std::unique_ptr<SoundThread> thread_;  // made on the first play
    int play_ = 0;                         // the latest play's number; older answers are stale
    bool playing_ = false;
    int tempo_;
    QTimer startDeadline_;  // runs from a play until it has started or failed
    Clock clock_;
    std::vector<TimedNote> notes_;         // the latest play's
    std::chrono::milliseconds started_{};  // when its sound started
    QTimer follow_;                        // runs while it sounds
    QList<int> sounding_;
};

}  // namespace orvel
