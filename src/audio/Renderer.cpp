// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/Renderer.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>

#include "audio/AudioError.h"

namespace orvel {

namespace {

std::int64_t FrameOf(int ms) {
    return static_cast<std::int64_t>(ms) * Renderer::kSampleRate / 1000;
}

}  // namespace

Renderer::Renderer(const std::filesystem::path& soundfont) {
    if (!std::filesystem::is_regular_file(soundfont)) {
        throw AudioError("No soundfont: " + soundfont.string() +
                         " is missing (Debian package timgm6mb-soundfont).");
    }
    settings_ = new_fluid_settings();
    fluid_settings_setnum(settings_, "synth.sample-rate", kSampleRate);
    synth_ = new_fluid_synth(settings_);
    if (synth_ == nullptr || fluid_synth_sfload(synth_, soundfont.c_str(), 1) == FLUID_FAILED) {
        Release();
        throw AudioError("No soundfont: " + soundfont.string() + " could not be read.");
    }
    fluid_synth_program_change(synth_, 0, 0);  // acoustic grand piano
}

Renderer::~Renderer() {
    Release();
}

void Renderer::Release() {
    if (synth_ != nullptr) {
        delete_fluid_synth(synth_);
        synth_ = nullptr;
    }
    if (settings_ != nullptr) {
        delete_fluid_settings(settings_);
        settings_ = nullptr;
    }
}

void Renderer::Start(const std::vector<TimedNote>& notes) {
    fluid_synth_all_sounds_off(synth_, -1);
    events_.clear();
    for (const TimedNote& note : notes) {
        events_.push_back({FrameOf(note.startMs), note.key, note.velocity});
        events_.push_back({FrameOf(note.startMs + note.lengthMs), note.key, 0});
    }
    // Ends before starts on the same frame, so a repeated key sounds again.
    std::stable_sort(events_.begin(), events_.end(), [](const Event& a, const Event& b) {
        return a.frame < b.frame || (a.frame == b.frame && a.velocity < b.velocity);
    });
    nextEvent_ = 0;
    frame_ = 0;
    endFrame_ = FrameOf(EndMs(notes) + kReleaseMs);
}

bool Renderer::Render(float* left, float* right, int frames) {
    int done = 0;
    while (done < frames) {
        while (nextEvent_ < events_.size() && events_[nextEvent_].frame <= frame_) {
            const Event& event = events_[nextEvent_++];
            if (event.velocity > 0) {
                fluid_synth_noteon(synth_, 0, event.key, event.velocity);
            } else {
                fluid_synth_noteoff(synth_, 0, event.key);
            }
        }
        const std::int64_t untilEvent =
            nextEvent_ < events_.size() ? events_[nextEvent_].frame - frame_ : frames - done;
        const int block = static_cast<int>(std::min<std::int64_t>(untilEvent, frames - done));
        fluid_synth_write_float(synth_, block, left + done, 0, 1, right + done, 0, 1);
        done += block;
        frame_ += block;
    }
    return frame_ < endFrame_;
}

std::vector<std::int16_t> Renderer::RenderAll(const std::vector<TimedNote>& notes) {
    Start(notes);
    constexpr int kBlock = 512;
    std::vector<float> left(kBlock);
    std::vector<float> right(kBlock);
    std::vector<std::int16_t> samples;
    const auto sample = [](float value) {
        return static_cast<std::int16_t>(std::lround(std::clamp(value, -1.0F, 1.0F) * 32767.0F));
    };
    bool more = true;
    while (more) {
        more = Render(left.data(), right.data(), kBlock);
        for (int i = 0; i < kBlock; ++i) {
            samples.push_back(sample(left[static_cast<std::size_t>(i)]));
            samples.push_back(sample(right[static_cast<std::size_t>(i)]));
        }
    }
    return samples;
}

}  // namespace orvel
