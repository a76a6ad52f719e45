// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's folder: the folder of the running executable, symbolic links
// resolved, so the catalogue beside the program is found whatever the
// working folder is and however the program was started.

#include <filesystem>

namespace orvel {

std::filesystem::path ProgramFolder();

}  // namespace orvel
