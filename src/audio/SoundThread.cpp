// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/SoundThread.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <optional>

namespace orvel {

namespace {

// How often the thread asks whether the sound has rung out.
constexpr std::chrono::milliseconds kPoll{20};

struct Command {
    bool stop = false;
    int play = 0;
    std::vector<TimedNote> notes;
};

}  // namespace

struct SoundThread::State {
    std::mutex mutex;
    std::condition_variable changed;  // a command, quit or ended
    std::deque<Command> commands;
    bool quit = false;
    bool ended = false;

    // Held while the listener runs, so that it is never cleared mid-call.
    std::mutex listenerMutex;
    Listener listener;

    void Tell(int play, Answer answer, const std::string& message = {}) {
        const std::lock_guard lock(listenerMutex);
        if (listener) {
            listener(play, answer, message);
        }
    }
};

SoundThread::SoundThread(MakePlayer makePlayer, Listener listener)
    : state_(std::make_shared<State>()) {
    state_->listener = std::move(listener);
    thread_ = std::thread([state = state_, make = std::move(makePlayer)] { Run(state, make); });
}

SoundThread::~SoundThread() {
    {
        const std::lock_guard lock(state_->listenerMutex);
        state_->listener = nullptr;
    }
    std::unique_lock lock(state_->mutex);
    state_->quit = true;
    state_->changed.notify_all();
    const bool ended =
        abandoned_ ? state_->ended
                   : state_->changed.wait_for(lock, kEndWithin, [this] { return state_->ended; });
    lock.unlock();
    if (ended) {
        thread_.join();
    } else {
        thread_.detach();
    }
}

void SoundThread::Play(int play, std::vector<TimedNote> notes) {
    const std::lock_guard lock(state_->mutex);
    state_->commands.push_back({false, play, std::move(notes)});
    state_->changed.notify_all();
}

void SoundThread::Stop() {
    const std::lock_guard lock(state_->mutex);
    state_->commands.push_back({true, 0, {}});
    state_->changed.notify_all();
}

void SoundThread::Run(const std::shared_ptr<State>& state, const MakePlayer& makePlayer) {
    std::unique_ptr<SoundPlayer> player;
    std::optional<int> sounding;  // the play that sounds now
    const auto finish = [&] {
        if (player) {
            player->Stop();
        }
        if (sounding) {
            state->Tell(*sounding, Answer::Finished);
            sounding.reset();
        }
    };
    while (true) {
        std::unique_lock lock(state->mutex);
        const auto due = [&] { return state->quit || !state->commands.empty(); };
        if (sounding) {
            state->changed.wait_for(lock, kPoll, due);
        } else {
            state->changed.wait(lock, due);
        }
        if (state->quit) {
            break;
        }
        if (state->commands.empty()) {
            lock.unlock();
            if (!player->IsPlaying()) {
                finish();
            }
            continue;
        }
        Command command = std::move(state->commands.front());
        state->commands.pop_front();
        lock.unlock();

        finish();
        if (command.stop) {
            continue;
        }
        try {
            if (!player) {
                player = makePlayer();
            }
            if (const auto missing = player->Play(command.notes)) {
                state->Tell(command.play, Answer::Failed, *missing);
            } else {
                sounding = command.play;
                state->Tell(command.play, Answer::Started);
            }
        } catch (const std::exception& error) {
            state->Tell(command.play, Answer::Failed, error.what());
        }
    }
    finish();
    player.reset();
    const std::lock_guard lock(state->mutex);
    state->ended = true;
    state->changed.notify_all();
}

}  // namespace orvel
