// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sound of a performance, made by FluidSynth with the acoustic grand
// piano of a General MIDI soundfont. Notes start and stop on the exact
// sample their times give.
//
// A performance is rendered whole, then scaled so that its loudest sample
// lies at kPeakLevel: a single note and a twelve-note chord come out equally
// loud, near full scale and never clipped. The player streams the result;
// files take it as it is.
//
// Not thread-safe: one thread at a time renders.

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
    // -3 dBFS: as loud as other programs' music, with headroom to spare.
    static constexpr float kPeakLevel = 0.708F;

    // Loads the soundfont; AudioError when it cannot.
    explicit Renderer(const std::filesystem::path& soundfont);
    ~Renderer();
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    // The whole of `notes` and their release as interleaved stereo samples,
    // the loudest at kPeakLevel (silence stays silence).
    std::vector<float> RenderAll(const std::vector<TimedNote>& notes);

  private:
    struct Event {
        std::int64_t frame;
        int key;
        int velocity;  // 0 for a note's end
    };

    void Release();

    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
};

}  // namespace orvel
