// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A sound server that takes every connection and never answers: a Unix
// socket that listens and is never read, as a hung PulseAudio server looks
// to its clients. Point PULSE_SERVER at Address(); closing it lets the
// clients go.

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>
#include <string>

#include "support/TempFolder.h"

namespace orvel::testing_support {

class StalledSoundServer {
  public:
    StalledSoundServer() : socket_(::socket(AF_UNIX, SOCK_STREAM, 0)) {
        const std::string path = (folder_.Path() / "native").string();
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
        if (socket_ < 0 ||
            ::bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(socket_, 64) != 0) {
            throw std::runtime_error("cannot listen on " + path);
        }
        address_ = "unix:" + path;
    }
    ~StalledSoundServer() { ::close(socket_); }
    StalledSoundServer(const StalledSoundServer&) = delete;
    StalledSoundServer& operator=(const StalledSoundServer&) = delete;

    const std::string& Address() const { return address_; }

  private:
    TempFolder folder_;
    int socket_;
    std::string address_;
};

}  // namespace orvel::testing_support
