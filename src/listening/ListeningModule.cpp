// SPDX-License-Identifier: GPL-3.0-or-later
// The listening module the programs load when something is to be heard
// (LoadListening).

#include "listening/HearRecording.h"

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
};

}  // namespace

extern "C" __attribute__((visibility("default"))) orvel::Listening* orvel_make_listening() {
    return new ModuleListening();
}
