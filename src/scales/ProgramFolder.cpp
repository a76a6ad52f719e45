// SPDX-License-Identifier: GPL-3.0-or-later
#include "scales/ProgramFolder.h"

namespace orvel {

std::filesystem::path ProgramFolder() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::canonical("/proc/self/exe", error);
    if (error) {
        return std::filesystem::current_path();
    }
    return executable.parent_path();
}

}  // namespace orvel
