// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/Playback.h"

#include <algorithm>

#include "audio/SoundPlayer.h"
#include "audio/Tempo.h"

namespace orvel {

Playback::Playback(SoundThread::MakePlayer makePlayer, QObject* parent, Clock clock)
    : QObject(parent),
      makePlayer_(std::move(makePlayer)),
      tempo_(kDefaultTempo),
      clock_(clock ? std::move(clock) : [] {
          return std::chrono::duration_cast<std::chrono::milliseconds>(
              std::chrono::steady_clock::now().time_since_epoch());
      }) {
    startDeadline_.setSingleShot(true);
    startDeadline_.setInterval(SoundThread::kStartWithin);
    connect(&startDeadline_, &QTimer::timeout, this, &Playback::GiveUp);
    follow_.setInterval(kFollowEvery);
    connect(&follow_, &QTimer::timeout, this, &Playback::Follow);
}

Playback::~Playback() = default;

void Playback::Play(const std::vector<TimedNote>& notes) {
    if (!thread_) {
        thread_ = std::make_unique<SoundThread>(
            makePlayer_, [this](int play, SoundThread::Answer answer, const std::string& message) {
                QMetaObject::invokeMethod(
                    this,
                    [this, play, answer, text = QString::fromStdString(message)] {
                        Answered(play, answer, text);
                    },
                    Qt::QueuedConnection);
            });
    }
    thread_->Play(++play_, notes);
    notes_ = notes;
    follow_.stop();
    SetSounding({});
    startDeadline_.start();
    SetPlaying(true);
}

void Playback::PlayOrStop(const std::vector<TimedNote>& notes) {
    if (playing_) {
        Stop();
    } else {
        Play(notes);
    }
}

void Playback::Stop() {
    ++play_;
    startDeadline_.stop();
    if (thread_) {
        thread_->Stop();
    }
    SetPlaying(false);
}

void Playback::SetTempo(int beatsPerMinute) {
    const int tempo = std::clamp(beatsPerMinute, kMinTempo, kMaxTempo);
    if (tempo != tempo_) {
        tempo_ = tempo;
        emit tempoChanged(tempo_);
    }
}

void Playback::Answered(int play, SoundThread::Answer answer, const QString& message) {
    if (play != play_) {
        return;
    }
    switch (answer) {
        case SoundThread::Answer::Started:
            startDeadline_.stop();
            started_ = clock_();
            follow_.start();
            Follow();
            return;
        case SoundThread::Answer::Failed:
            startDeadline_.stop();
            SetPlaying(false);
            emit failed(message);
            return;
        case SoundThread::Answer::Finished:
            SetPlaying(false);
            return;
    }
}

void Playback::GiveUp() {
    ++play_;
    thread_->Abandon();
    thread_.reset();
    SetPlaying(false);
    emit failed(kNoAudioOutput);
}

void Playback::SetPlaying(bool playing) {
    if (!playing) {
        follow_.stop();
        SetSounding({});
    }
    if (playing != playing_) {
        playing_ = playing;
        emit playingChanged(playing_);
    }
}

void Playback::Follow() {
    const auto at = (clock_() - started_).count();
    QList<int> keys;
    for (const TimedNote& note : notes_) {
        if (note.startMs <= at && at < note.startMs + note.lengthMs && !keys.contains(note.key)) {
            keys.append(note.key);
        }
    }
    std::sort(keys.begin(), keys.end());
    SetSounding(keys);
}

void Playback::SetSounding(const QList<int>& keys) {
    if (keys != sounding_) {
        sounding_ = keys;
        emit soundingChanged(sounding_);
    }
}

}  // namespace orvel
