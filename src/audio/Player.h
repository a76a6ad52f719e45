// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Plays performances through the desktop's sound server (PulseAudio, or
// PipeWire's PulseAudio service), ALSA as the fallback, one at a time.
//
// Nothing is loaded until the first play: the soundfont then loads (well
// under half a second for the small General MIDI soundfont). Each play
// renders its performance whole (Renderer), then opens an output that
// streams it, closed when it stops. Without a soundfont or
// an output, Play says what is missing and the player stays usable, so a
// later Play can succeed. Stopping, or destroying the player, fades the
// sound out and ends the output's thread before it returns.
//
// Opening an output waits on the sound server, as long as it takes to
// answer: callers that must not wait play through a SoundThread.

#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "audio/Performance.h"
#include "audio/Renderer.h"
#include "audio/SoundPlayer.h"

typedef struct _fluid_audio_driver_t fluid_audio_driver_t;

namespace orvel {

class Player final : public SoundPlayer {
  public:
    // The General MIDI soundfont Debian installs with timgm6mb-soundfont.
    static std::filesystem::path DefaultSoundfont();

    explicit Player(std::filesystem::path soundfont = DefaultSoundfont());
    ~Player() override;
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    std::optional<std::string> Play(const std::vector<TimedNote>& notes) override;
    void Stop() override;
    // Until the last note and its release have sounded, or Stop.
    bool IsPlaying() const override;

    // When the output last took its first block of a play, for measuring
    // how soon sound starts; the epoch until then.
    std::chrono::steady_clock::time_point FirstBlockTime() const {
        return std::chrono::steady_clock::time_point(
            std::chrono::steady_clock::duration(firstBlock_.load()));
    }

  private:
    static int Fill(void* player, int frames, int effects, float* effectBuffers[], int outputs,
                    float* outputBuffers[]);

    std::filesystem::path soundfont_;
    std::unique_ptr<Renderer> renderer_;
    fluid_settings_t* outputSettings_ = nullptr;
    fluid_audio_driver_t* output_ = nullptr;
    std::vector<float> sound_;            // the performance, interleaved stereo
    std::size_t nextFrame_ = 0;           // the next to stream, on the output's thread
    std::atomic<bool> sounding_ = false;  // cleared by the output's thread at the end
    std::atomic<bool> fading_ = false;    // set by Stop: the output fades to silence
    std::atomic<bool> silent_ = false;    // the fade is done
    std::atomic<std::chrono::steady_clock::rep> firstBlock_ = 0;
    float gain_ = 1.0F;  // the fade's level, on the output's thread
};

}  // namespace orvel
