// SPDX-License-Identifier: GPL-3.0-or-later
#include "musicfiles/SaveFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>
#include <system_error>

namespace orvel {

void SaveFile(const std::filesystem::path& path, std::span<const char> bytes) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (std::filesystem::is_directory(status)) {
        throw SaveFileError("it is a folder");
    }
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        throw SaveFileError("it is not a regular file");
    }
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    if (!std::filesystem::is_directory(folder, error)) {
        throw SaveFileError("there is no folder " + folder.string());
    }
    std::random_device seed;
    const std::filesystem::path part =
        folder / ("." + path.filename().string() + ".part-" + std::to_string(seed()));
    {
        std::ofstream out(part, std::ios::binary | std::ios::trunc);
        if (!out) {
            throw SaveFileError(std::strerror(errno));
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            const std::string why = std::strerror(errno);
            out.close();
            std::filesystem::remove(part, error);
            throw SaveFileError(why);
        }
    }
    std::filesystem::rename(part, path, error);
    if (error) {
        const std::string why = error.message();
        std::filesystem::remove(part, error);
        throw SaveFileError(why);
    }
}

}  // namespace orvel
