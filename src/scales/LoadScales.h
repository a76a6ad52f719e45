// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Loading the scale catalogue.
//
// The text holds two header lines, then one scale per line: bank, scale name
// and twelve position fields, comma separated, no quoting. LF, CR LF and a
// lone CR each end a line. The text is UTF-8, its bytes kept as they stand
// (invalid sequences and NUL included), or UTF-16 when it opens with a UTF-16
// byte-order mark (read as the text it is). Every data line with at least 14 fields becomes one
// TScale, in text order. A shorter line, or one longer than kMaxLineBytes, is skipped with one
// warning line naming the source and the line number; after 20 such lines the rest are only
// counted, in one last warning line. A text that holds no scale at all says so in a warning too.
// Memory stays bounded by the scales kept, whatever one line holds.
//
// A read fault ends the loading: the scales of the lines read in full before
// it stay, and the fault comes back as the load's failure.

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "scales/TIOError.h"
#include "scales/TScale.h"

namespace orvel {

inline constexpr const char* kCatalogueFileName = "Orvel Scales.csv";
inline constexpr const char* kFileErrorMessage = "Error accessing file.";

// The longest line read as a scale: a real one is about a hundred bytes.
inline constexpr std::size_t kMaxLineBytes = 64 * 1024;

// What a load gives: the scales read, and what stopped it early, if anything.
struct ScaleLoad {
    std::vector<TScale> scales;
    std::optional<TIOError> failure;
};

// Reads a catalogue from `text`. `source` names it in warnings and failures
// (the file's path).
ScaleLoad ParseCatalogue(std::istream& text, const std::string& source, std::ostream& warnings);

// Opens the catalogue file and reads it with ParseCatalogue. Only a regular
// file (links followed) is read: a folder, a pipe, a device or a socket, a
// file that is not there or cannot be opened, gives no scales and a failure.
ScaleLoad LoadScales(const std::filesystem::path& file, std::ostream& warnings);

}  // namespace orvel
