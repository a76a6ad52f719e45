// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A file written whole or not at all: the bytes go to a new file beside the
// target, which then takes the target's name; a failure removes it, so that
// no half-written file is left behind. Only a regular file (or a name not
// yet taken) is written: a device, a folder or a missing folder is an error
// saying so.

#include <filesystem>
#include <span>
#include <stdexcept>

namespace orvel {

class SaveFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

void SaveFile(const std::filesystem::path& path, std::span<const char> bytes);

}  // namespace orvel
