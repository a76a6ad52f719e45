// SPDX-License-Identifier: GPL-3.0-or-later
#include "midi/LoadedMidiInput.h"

#include <dlfcn.h>

#include "scales/ProgramFolder.h"

namespace orvel {

std::unique_ptr<MidiInput> LoadMidiInput(MidiInput::Receiver receiver) {
    // Kept loaded to the end of the process: the libraries' threads may outlive an input.
    void* handle = dlopen((ProgramFolder() / kMidiModule).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        return nullptr;
    }
    using Factory = MidiInput* (*)(MidiInput::Receiver);
    const auto make = reinterpret_cast<Factory>(dlsym(handle, kMidiFactory));
    return make == nullptr ? nullptr : std::unique_ptr<MidiInput>(make(std::move(receiver)));
}

}  // namespace orvel
