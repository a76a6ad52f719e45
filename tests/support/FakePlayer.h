// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Players for tests that make no sound: each play is recorded in a
// FakeSound the test holds, and the test says how the next plays go: they
// fail, or they hang as on a stalled sound server until the test releases
// them; otherwise they ring until stopped.

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "audio/SoundPlayer.h"
#include "audio/SoundThread.h"

namespace orvel::testing_support {

struct FakeSound {
    std::mutex mutex;
    std::condition_variable releasing;
    // What the test sets.
    std::optional<std::string> failWith;  // every play says this
    int hangingPlays = 0;                 // the next plays wait until Release()
    bool released = false;
    // What happened.
    int playersMade = 0;
    std::vector<std::vector<TimedNote>> played;
    int stops = 0;

    void Release() {
        {
            const std::lock_guard lock(mutex);
            released = true;
        }
        releasing.notify_all();
    }
    std::vector<std::vector<TimedNote>> Played() {
        const std::lock_guard lock(mutex);
        return played;
    }
    int Stops() {
        const std::lock_guard lock(mutex);
        return stops;
    }
};

class FakePlayer final : public SoundPlayer {
  public:
    explicit FakePlayer(std::shared_ptr<FakeSound> sound) : sound_(std::move(sound)) {}

    std::optional<std::string> Play(const std::vector<TimedNote>& notes) override {
        std::unique_lock lock(sound_->mutex);
        if (sound_->hangingPlays > 0) {
            --sound_->hangingPlays;
            sound_->releasing.wait(lock, [this] { return sound_->released; });
        }
        sound_->played.push_back(notes);
        playing_ = !sound_->failWith;
        return sound_->failWith;
    }
    void Stop() override {
        const std::lock_guard lock(sound_->mutex);
        if (playing_) {
            ++sound_->stops;
        }
        playing_ = false;
    }
    // Rings until stopped.
    bool IsPlaying() const override { return playing_; }

  private:
    std::shared_ptr<FakeSound> sound_;
    bool playing_ = false;
};

// What a SoundThread or a Playback is given to make its players.
inline SoundThread::MakePlayer FakePlayers(const std::shared_ptr<FakeSound>& sound) {
    return [sound] {
        {
            const std::lock_guard lock(sound->mutex);
            ++sound->playersMade;
        }
        return std::make_unique<FakePlayer>(sound);
    };
}

}  // namespace orvel::testing_support
