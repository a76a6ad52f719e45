// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A PulseAudio server of the test's own, with one null sink "orvel" whose
// monitor is the default input: what is played into the sink is heard at
// the input, as a microphone would hear it. PULSE_SERVER points at it while
// it lives. Ready() is false where pulseaudio is not installed or would
// not start; the log says why.

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "support/TempFolder.h"

extern char** environ;

namespace orvel::testing_support {

class NullSinkServer {
  public:
    NullSinkServer() {
        const std::string socket = (folder_.Path() / "native").string();
        ::setenv("XDG_RUNTIME_DIR", folder_.Path().c_str(), 1);
        ::setenv("PULSE_SERVER", ("unix:" + socket).c_str(), 1);
        const std::string log = (folder_.Path() / "pulse.log").string();
        std::vector<std::string> arguments{
            "pulseaudio",
            "-n",
            "--daemonize=no",
            "--exit-idle-time=-1",
            "--use-pid-file=no",
            "--log-target=file:" + log,
            "-L",
            "module-null-sink sink_name=orvel",
            "-L",
            "module-native-protocol-unix socket=" + socket + " auth-anonymous=1"};
        std::vector<char*> argv;
        for (std::string& argument : arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        if (::posix_spawnp(&server_, "pulseaudio", nullptr, nullptr, argv.data(), environ) != 0) {
            server_ = 0;
            return;
        }
        for (int tries = 0; tries < 100 && !ready_; ++tries) {
            ready_ = Run("pactl info >/dev/null 2>&1");
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        ready_ = ready_ && Run("pactl set-default-source orvel.monitor");
    }
    ~NullSinkServer() {
        if (server_ > 0) {
            ::kill(server_, SIGTERM);
            ::waitpid(server_, nullptr, 0);
        }
        ::unsetenv("PULSE_SERVER");
    }
    NullSinkServer(const NullSinkServer&) = delete;
    NullSinkServer& operator=(const NullSinkServer&) = delete;

    bool Ready() const { return ready_; }
    std::string Log() const { return (folder_.Path() / "pulse.log").string(); }

    // Plays a recording into the sink, to its end.
    bool Play(const std::filesystem::path& recording) const {
        return Run("paplay --device=orvel '" + recording.string() + "'");
    }

  private:
    static bool Run(const std::string& command) { return std::system(command.c_str()) == 0; }

    TempFolder folder_;
    pid_t server_ = 0;
    bool ready_ = false;
};

}  // namespace orvel::testing_support
