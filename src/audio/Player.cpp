// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/Player.h"

#include <alsa/asoundlib.h>
#include <fluidsynth.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "audio/AudioError.h"

namespace orvel {

namespace {

constexpr float kFadeStep = 1.0F / 512;  // about 12 ms from full to silence

// FluidSynth and ALSA report an output they cannot open on standard error;
// the player says it once, in its own words.
void Quiet(int, const char*, void*) {}
void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}

// Opens an output on the first driver that works; nullptr when none does.
fluid_audio_driver_t* OpenOutput(fluid_settings_t* settings, fluid_audio_func_t fill,
                                 void* player) {
    fluid_set_log_function(FLUID_ERR, Quiet, nullptr);
    fluid_set_log_function(FLUID_WARN, Quiet, nullptr);
    fluid_set_log_function(FLUID_INFO, Quiet, nullptr);
    snd_lib_error_set_handler(QuietAlsa);
    for (const char* driver : {"pulseaudio", "alsa"}) {
        fluid_settings_setstr(settings, "audio.driver", driver);
        if (fluid_audio_driver_t* output = new_fluid_audio_driver2(settings, fill, player)) {
            return output;
        }
    }
    return nullptr;
}

}  // namespace

std::filesystem::path Player::DefaultSoundfont() {
    return "/usr/share/sounds/sf2/TimGM6mb.sf2";
}

Player::Player(std::filesystem::path soundfont) : soundfont_(std::move(soundfont)) {}

Player::~Player() {
    Stop();
    if (outputSettings_ != nullptr) {
        delete_fluid_settings(outputSettings_);
    }
}

std::optional<std::string> Player::Play(const std::vector<TimedNote>& notes) {
    Stop();
    try {
        if (!renderer_) {
            renderer_ = std::make_unique<Renderer>(soundfont_);
        }
    } catch (const AudioError& error) {
        return error.what();
    }
    if (outputSettings_ == nullptr) {
        outputSettings_ = new_fluid_settings();
        fluid_settings_setnum(outputSettings_, "synth.sample-rate", Renderer::kSampleRate);
        // About 90 ms of sound queued at the server, in blocks of 23 ms: a
        // busy machine that is late to refill no longer breaks the notes up
        // (as the server's lowest latency did), and Play still answers at
        // once to the ear.
        fluid_settings_setint(outputSettings_, "audio.period-size", 1024);
        fluid_settings_setint(outputSettings_, "audio.periods", 4);
        fluid_settings_setint(outputSettings_, "audio.pulseaudio.adjust-latency", 0);
        fluid_settings_setstr(outputSettings_, "audio.pulseaudio.media-role", "music");
    }
    sound_ = renderer_->RenderAll(notes);
    nextFrame_ = 0;
    firstBlock_ = 0;
    gain_ = 1.0F;
    fading_ = false;
    silent_ = false;
    sounding_ = true;
    output_ = OpenOutput(outputSettings_, &Player::Fill, this);
    if (output_ == nullptr) {
        sounding_ = false;
        return kNoAudioOutput;
    }
    return std::nullopt;
}

void Player::Stop() {
    if (output_ == nullptr) {
        return;
    }
    fading_ = true;
    // The output's thread fades within a few blocks; the wait is bounded in
    // case the server stalls.
    for (int wait = 0; wait < 50 && sounding_ && !silent_; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    delete_fluid_audio_driver(output_);  // joins the output's thread
    output_ = nullptr;
    sounding_ = false;
}

bool Player::IsPlaying() const {
    return output_ != nullptr && sounding_;
}

int Player::Fill(void* data, int frames, int, float*[], int outputs, float* buffers[]) {
    auto& player = *static_cast<Player*>(data);
    if (player.firstBlock_ == 0) {
        player.firstBlock_ = std::chrono::steady_clock::now().time_since_epoch().count();
    }
    if (outputs < 2 || player.silent_) {
        for (int channel = 0; channel < outputs; ++channel) {
            std::fill(buffers[channel], buffers[channel] + frames, 0.0F);
        }
        return FLUID_OK;
    }
    const std::size_t total = player.sound_.size() / 2;
    for (int i = 0; i < frames; ++i) {
        const std::size_t frame = player.nextFrame_ + static_cast<std::size_t>(i);
        buffers[0][i] = frame < total ? player.sound_[2 * frame] : 0.0F;
        buffers[1][i] = frame < total ? player.sound_[2 * frame + 1] : 0.0F;
    }
    player.nextFrame_ = std::min(total, player.nextFrame_ + static_cast<std::size_t>(frames));
    player.sounding_ = player.nextFrame_ < total;
    if (player.fading_) {
        for (int i = 0; i < frames; ++i) {
            player.gain_ = std::max(0.0F, player.gain_ - kFadeStep);
            buffers[0][i] *= player.gain_;
            buffers[1][i] *= player.gain_;
        }
        player.silent_ = player.gain_ == 0.0F;
    }
    return FLUID_OK;
}

}  // namespace orvel
