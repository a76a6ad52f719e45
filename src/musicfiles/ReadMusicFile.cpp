// SPDX-License-Identifier: GPL-3.0-or-later
#include "musicfiles/ReadMusicFile.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <string_view>
#include <system_error>
#include <vector>

#include "musicfiles/MidiFile.h"
#include "musicfiles/MusicFileError.h"
#include "musicfiles/MusicXml.h"
#include "musicfiles/Mxl.h"

namespace orvel {

namespace {

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        throw MusicFileError("it is a folder");
    }
    const auto size = std::filesystem::file_size(path, error);
    if (error) {
        throw MusicFileError(error == std::errc::no_such_file_or_directory ? "there is no such file"
                                                                           : error.message());
    }
    if (size > kMostFileBytes) {
        throw MusicFileError("it is larger than " + std::to_string(kMostFileBytes >> 20) + " MB");
    }
    std::ifstream file(path, std::ios::binary);
    std::vector<std::uint8_t> bytes(size);
    if (!file ||
        !file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size))) {
        throw MusicFileError("it cannot be read");
    }
    return bytes;
}

bool StartsWith(const std::vector<std::uint8_t>& bytes, std::string_view start) {
    return bytes.size() >= start.size() && std::equal(start.begin(), start.end(), bytes.begin());
}

}  // namespace

Melody ReadMusicFile(const std::filesystem::path& path) {
    const std::vector<std::uint8_t> bytes = ReadBytes(path);
    if (bytes.empty()) {
        throw MusicFileError("the file is empty");
    }
    if (StartsWith(bytes, "MThd")) {
        return ReadMidiFile(bytes);
    }
    if (StartsWith(bytes, "PK")) {
        const std::string score = UnpackMxl(bytes);
        return ReadMusicXml(score);
    }
    const std::string extension = path.extension().string();
    if (extension == ".mid" || extension == ".midi" || extension == ".smf" || extension == ".kar") {
        return ReadMidiFile(bytes);
    }
    // XML starts with "<" once a byte order mark and white space are past;
    // in UTF-16 every other byte is zero.
    const auto first = std::find_if(bytes.begin(), bytes.end(), [](std::uint8_t byte) {
        return byte != 0 && byte != 0xEF && byte != 0xBB && byte != 0xBF && byte != 0xFE &&
               byte != 0xFF && !std::isspace(byte);
    });
    if (first == bytes.end() || *first != '<') {
        throw MusicFileError("it is neither a MIDI file nor a MusicXML score");
    }
    return ReadMusicXml({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

}  // namespace orvel
