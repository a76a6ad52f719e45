// SPDX-License-Identifier: GPL-3.0-or-later
#include <dlfcn.h>

#include <mutex>

#include "listening/Listening.h"
#include "scales/ProgramFolder.h"

namespace orvel {

Listening& LoadListening() {
    static std::mutex loading;
    static std::unique_ptr<Listening> listening;
    const std::lock_guard lock(loading);
    if (!listening) {
        const auto module = ProgramFolder() / kListeningModule;
        void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            throw ListenError(std::string("the listening module could not be loaded (") +
                              dlerror() + ")");
        }
        using Factory = Listening* (*)();
        const auto make = reinterpret_cast<Factory>(dlsym(handle, kListeningFactory));
        if (make == nullptr) {
            throw ListenError(module.string() + " is not the listening module");
        }
        listening.reset(make());
    }
    return *listening;
}

}  // namespace orvel
