// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sound of a performance, made by FluidSynth with the acoustic grand
// piano of a General MIDI soundfont: block by block, as an audio device asks
// for it, or all at once for a file or a test. Notes start and stop on the
// exact sample their times give.
//
// Not thread-safe: one thread at a time renders (the audio device's while it
// plays).

#include <cstdint>
#include <filesystem>
#include <vector>

#include "audio/Performance.h"

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;

namespace orvel {

class Renderer {
  public:
    static constexpr int kSampleRate = 44100;
    static constexpr int kReleaseMs = 1500;  // rendered after the last note ends

    // Loads the soundfont; AudioError when it cannot.
    explicit Renderer(const std::filesystem::path& soundfont);
    ~Renderer();
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    // Renders `notes` from the next frame on, every note before it silenced.
    void Start(const std::vector<TimedNote>& notes);

    // The next `frames` frames into `left` and `right`; false once the
    // performance and its release are over (the frames are then silence).
    bool Render(float* left, float* right, int frames);

    // The whole of `notes` as interleaved 16-bit stereo samples.
    std::vector<std::int16_t> RenderAll(const std::vector<TimedNote>& notes);

  private:
    struct Event {
        std::int64_t frame;
        int key;
        int velocity;  // 0 for a note's end
    };

    void Release();

    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    std::vector<Event> events_;  // in frame order
    std::size_t nextEvent_ = 0;
    std::int64_t frame_ = 0;     // frames rendered since Start
    std::int64_t endFrame_ = 0;  // where the release ends
};

}  // namespace orvel
