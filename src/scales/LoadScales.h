#pragma once

// Loading the scale catalogue "Orvel Scales.csv" from the program's folder.
//
// The file holds two header lines, then one scale per line: bank, scale name
// and twelve position fields, comma separated. Loading appends one TScale per
// data line, in file order. A missing file leaves the catalogue empty without
// a word. An input/output failure (the file cannot be opened, or a read
// fault) closes the file and reports "Error accessing file." once through the
// reporter; the records read before it stay. A data line with fewer than 14
// fields is skipped with one warning line naming its line number.

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "TScale.h"
#include "TextFileReader.h"

namespace orvel {

inline constexpr const char* kCatalogueFileName = "Orvel Scales.csv";
inline constexpr const char* kFileErrorMessage = "Error accessing file.";

// Shows `message` to the user and returns once it is dismissed. `cause` says
// what failed (path and reason) for callers that log it; the window shows only
// the message.
using MessageReporter = std::function<void(const std::string& message, const std::string& cause)>;

struct LoadServices {
    TextFileReader& reader;
    MessageReporter report;
    std::ostream& warnings;  // where skipped lines are named
};

// Loads "Orvel Scales.csv" from the program's folder.
void LoadScales(const std::filesystem::path& programFolder, std::vector<TScale>& scale,
                const LoadServices& services);

// The same for a catalogue file of any name (the command line's --catalogue).
void LoadCatalogueFile(const std::filesystem::path& file, std::vector<TScale>& scale,
                       const LoadServices& services);

}  // namespace orvel
