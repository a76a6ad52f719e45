// SPDX-License-Identifier: GPL-3.0-or-later
// The listening module the programs load when something is to be heard
// (LoadListening).

#include "listening/HearRecording.h"
#include "listening/PulseMicrophone.h"

namespace {

class ModuleListening final : public orvel::Listening {
  public:
    orvel::Heard HearRecording(const std::filesystem::path& path, orvel::ListenMode mode,
                               const orvel::ListenProgress& progress) override {
        return orvel::HearRecording(path, mode, progress);
    }
    std::unique_ptr<orvel::Ear> MakeEar(orvel::ListenMode mode, int sampleRate) override {
        return orvel::MakeEar(mode, sampleRate);
    }
    std::vector<orvel::AudioInput> Inputs() override { return orvel::PulseInputs(); }
    std::unique_ptr<orvel::Microphone> Listen(const std::string& input,
                                              orvel::ListenMode mode) override {
        return std::make_unique<orvel::PulseMicrophone>(input, mode);
    }
};

}  // namespace

extern "C" __attribute__((visibility("default"))) orvel::Listening* orvel_make_listening() {
    return new ModuleListening();
}
