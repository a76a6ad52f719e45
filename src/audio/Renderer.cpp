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

std::vector<float> Renderer::RenderAll(const std::vector<TimedNote>& notes) {
    fluid_synth_all_sounds_off(synth_, -1);
    std::vector<Event> events;
    for (const TimedNote& note : notes) {
        events.push_back({FrameOf(note.startMs), note.key, note.velocity});
        events.push_back({FrameOf(note.startMs + note.lengthMs), note.key, 0});
    }
    // Ends before starts on the same frame, so a repeated key sounds again.
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.frame < b.frame || (a.frame == b.frame && a.velocity < b.velocity);
    });
    const std::int64_t endFrame = FrameOf(EndMs(notes) + kReleaseMs);
    std::vector<float> left(static_cast<std::size_t>(endFrame));
    std::vector<float> right(left.size());
    std::int64_t frame = 0;
    auto next = events.begin();
    while (frame < endFrame) {
        for (; next != events.end() && next->frame <= frame; ++next) {
            if (next->velocity > 0) {
                fluid_synth_noteon(synth_, 0, next->key, next->velocity);
            } else {
                fluid_synth_noteoff(synth_, 0, next->key);
            }
        }
        const std::int64_t until =
            next != events.end() ? std::min(next->frame, endFrame) : endFrame;
        const auto block = static_cast<int>(until - frame);
        fluid_synth_write_float(synth_, block, left.data() + frame, 0, 1, right.data() + frame, 0,
                                1);
        frame = until;
    }

    float peak = 0.0F;
    for (std::size_t i = 0; i < left.size(); ++i) {
        peak = std::max({peak, std::abs(left[i]), std::abs(right[i])});
    }
    const float gain = peak > 0.0F ? kPeakLevel / peak : 1.0F;
    std::vector<float> interleaved;
    interleaved.reserve(left.size() * 2);
    for (std::size_t i = 0; i < left.size(); ++i) {
        interleaved.push_back(left[i] * gain);
        interleaved.push_back(right[i] * gain);
    }
    return interleaved;
}

}  // namespace orvel
