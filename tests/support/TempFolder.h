// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes. Tests write catalogue files into it.

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace orvel::testing_support {

class TempFolder {
  public:
    TempFolder() {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() /
                ("orvel-test-" + std::to_string(seed()) + "-" + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

    // Writes `bytes` exactly as given into the named file and returns its path.
    std::filesystem::path Write(const std::string& name, std::string_view bytes) const {
        const std::filesystem::path file = path_ / name;
        std::ofstream out(file, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

  private:
    std::filesystem::path path_;
};

}  // namespace orvel::testing_support
