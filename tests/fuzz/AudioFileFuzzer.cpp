// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a recording, through libsndfile and both ears (the
// pitch tracker and the chroma). Checks what must hold whatever the file
// says: it is heard or refused with a reason; a recording heard gives notes
// in time order, each within the recording and of a key a voice or an
// instrument can sound, and a tuning within half a semitone.

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "Require.h"
#include "listening/HearRecording.h"

namespace {

using orvel::fuzz::Require;

// One file for the process: libsndfile reads recordings from files.
const std::filesystem::path& Scratch() {
    static const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("orvel-fuzz-audio-" + std::to_string(::getpid()));
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream file(Scratch(), std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    try {
        for (const auto mode : {orvel::ListenMode::Melody, orvel::ListenMode::Chords}) {
            const orvel::Heard heard = orvel::HearRecording(Scratch(), mode);
            Require(heard.tuningCents >= -50.0001 && heard.tuningCents <= 50.0001);
            Require(heard.clearShare >= 0 && heard.clearShare <= 1);
            double previous = 0;
            for (const orvel::HeardNote& note : heard.notes) {
                Require(note.start >= previous && note.length > 0);
                Require(note.start + note.length <= heard.seconds + 0.5);
                Require(note.midiKey >= 20 && note.midiKey <= 110);
                previous = note.start;
            }
        }
    } catch (const orvel::ListenError& error) {
        Require(error.what()[0] != '\0');
    }
    std::filesystem::remove(Scratch());
    return 0;
}
