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

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <vector>

#include "audio/Performance.h"
#include "audio/SoundThread.h"

namespace orvel {

class Playback : public QObject {
    Q_OBJECT

  public:
    explicit Playback(SoundThread::MakePlayer makePlayer, QObject* parent = nullptr);
    ~Playback() override;

    // From a play until its sound has rung out, it failed, or Stop.
    bool IsPlaying() const { return playing_; }
    // Beats per minute, kMinTempo to kMaxTempo (Tempo.h).
    int Tempo() const { return tempo_; }

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

  private:
    void Answered(int play, SoundThread::Answer answer, const QString& message);
    void GiveUp();
    void SetPlaying(bool playing);

    SoundThread::MakePlayer makePlayer_;
    std::unique_ptr<SoundThread> thread_;  // made on the first play
    int play_ = 0;                         // the latest play's number; older answers are stale
    bool playing_ = false;
    int tempo_;
    QTimer startDeadline_;  // runs from a play until it has started or failed
};

}  // namespace orvel
