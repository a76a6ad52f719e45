// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A SoundPlayer on a thread of its own, so that whoever plays never waits
// for it. Everything that may take a while runs there: making the player
// (and so loading the sound module and the soundfont), opening an output,
// which waits on the sound server, and stopping. A server that accepts the
// connection and then never answers keeps an output opening for half a
// minute; callers give a play kStartWithin to start, then give up on it and
// Abandon the thread.
//
// Each play is answered on the sound thread, through the listener: Started
// or Failed (with the message that says why), and once Started, Finished
// when its last note has rung out or it was stopped.

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "audio/Performance.h"
#include "audio/SoundPlayer.h"

namespace orvel {

class SoundThread {
  public:
    enum class Answer { Started, Failed, Finished };
    // Called on the sound thread; `play` is the number Play was given.
    using Listener = std::function<void(int play, Answer answer, const std::string& message)>;
    using MakePlayer = std::function<std::unique_ptr<SoundPlayer>()>;

    // How long a play may take to start before its caller gives up on it.
    static constexpr std::chrono::milliseconds kStartWithin{2000};

    // `makePlayer` runs on the sound thread, on the first play.
    SoundThread(MakePlayer makePlayer, Listener listener);
    // Stops what plays and ends the thread, waiting for that a moment at
    // most (kEndWithin); a thread stuck in the sound server, or abandoned,
    // is left to end by itself. The listener is not called again.
    ~SoundThread();
    SoundThread(const SoundThread&) = delete;
    SoundThread& operator=(const SoundThread&) = delete;

    // Plays `notes` once what was asked before is done, stopping what
    // sounds.
    void Play(int play, std::vector<TimedNote> notes);
    void Stop();
    // Lets the thread go: its destructor will not wait for it.
    void Abandon() { abandoned_ = true; }

  private:
    struct State;
    static constexpr std::chrono::milliseconds kEndWithin{500};

    static void Run(const std::shared_ptr<State>& state, const MakePlayer& makePlayer);

    std::shared_ptr<State> state_;  // shared with the thread, which may outlive this
    std::thread thread_;
    bool abandoned_ = false;
};

}  // namespace orvel
