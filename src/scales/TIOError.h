// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An input/output failure on a file: the one kind of failure the catalogue
// loading reports. It names the file and the system's reason, and says whether
// the file simply is not there (which the window passes over in silence).

#include <stdexcept>
#include <string>

namespace orvel {

class TIOError : public std::runtime_error {
  public:
    enum class Kind {
        Missing,     // no file of that name
        Unreadable,  // there, but it cannot be opened or read to the end
    };

    TIOError(std::string path, std::string reason, Kind kind = Kind::Unreadable)
        : std::runtime_error(path + ": " + reason),
          path_(std::move(path)),
          reason_(std::move(reason)),
          kind_(kind) {}

    const std::string& Path() const { return path_; }
    const std::string& Reason() const { return reason_; }
    bool FileMissing() const { return kind_ == Kind::Missing; }

  private:
    std::string path_;
    std::string reason_;
    Kind kind_;
};

}  // namespace orvel
