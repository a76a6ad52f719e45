// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the listening module offers: recordings heard whole, ears for sound
// as it comes, and the audio inputs (PulseAudio's sources) to listen to. The module
// ("liborvel-listening.so" beside the program) holds libsndfile and aubio, which bring the codec
// libraries with them (some sixty, 150 MB of address space): it is loaded only when something is to
// be heard (LoadListening).

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "listening/Ear.h"
#include "listening/Heard.h"
#include "listening/ListenError.h"
#include "listening/Microphone.h"

namespace orvel {

struct AudioInput {
    std::string name;         // as the sound server knows it
    std::string description;  // as a person knows it
};

// Told the share of a recording heard so far (0 to 1); false stops hearing.
using ListenProgress = std::function<bool(double share)>;

class Listening {
  public:
    virtual ~Listening() = default;

    // Throws ListenError for a file that is not a recording it reads.
    virtual Heard HearRecording(const std::filesystem::path& path, ListenMode mode,
                                const ListenProgress& progress) = 0;
    virtual std::unique_ptr<Ear> MakeEar(ListenMode mode, int sampleRate) = 0;

    // The inputs of the sound server, the default first; none without one
    // (asking waits at most a second).
    virtual std::vector<AudioInput> Inputs() = 0;
    // Starts listening to the input of that name (the default input when
    // empty); a failure to start is told by the Microphone's Failure().
    virtual std::unique_ptr<Microphone> Listen(const std::string& input, ListenMode mode) = 0;
};

// The module's file name, and the function it exports: a new Listening.
inline constexpr const char* kListeningModule = "liborvel-listening.so";
inline constexpr const char* kListeningFactory = "orvel_make_listening";

// The Listening of the module beside the program, loaded on the first call
// and kept to the end of the process; throws ListenError where it cannot be
// loaded.
Listening& LoadListening();

}  // namespace orvel
