#include "CommandLine.h"

#include <charconv>
#include <vector>

#include "NoteNameTable.h"

namespace orvel::cli {

const char* const kUsage =
    "Usage: orvel-match [--catalogue FILE] [--root NOTE] [--other-roots]\n"
    "                   [--roots-in-list-only] [--json] (NOTE... | --set N)\n"
    "\n"
    "Lists the scales of the catalogue that hold exactly the given notes\n"
    "(\"exact\") and those that hold them and more (\"containing\").\n"
    "\n"
    "  --catalogue FILE       the catalogue (default: \"Orvel Scales.csv\" beside the program)\n"
    "  --root NOTE            the root note (default: C)\n"
    "  --other-roots          also try every other note as the root\n"
    "  --roots-in-list-only   try only the given notes as other roots\n"
    "  --json                 one JSON object instead of tab-separated lines\n"
    "  --set N                the notes as a set, 0 to 4095 (bit 11 - p for p semitones above the "
    "root)\n"
    "  --help, --version\n"
    "\n"
    "NOTE: A to G with an optional # or b (C#, Eb, bb), or a name such as \"C# / Db\".\n"
    "With neither notes nor --set, nothing is ticked: every scale is listed.\n"
    "Tab-separated output writes a tab, a line end or a backslash inside a field\n"
    "as \\t, \\n, \\r or \\\\.\n"
    "Exit codes: 0 results (even none), 1 catalogue not readable, 2 usage error.\n";

std::optional<int> ParseNote(std::string_view text) {
    for (std::size_t i = 0; i < kNoteNameTable.size(); ++i) {
        if (text == kNoteNameTable[i]) {
            return static_cast<int>(i);
        }
    }
    if (text.empty() || text.size() > 2) {
        return std::nullopt;
    }
    // Semitones above A of the natural notes A to G.
    constexpr int kNaturals[] = {0, 2, 3, 5, 7, 8, 10};
    const char letter = static_cast<char>(text[0] | 0x20);
    if (letter < 'a' || letter > 'g') {
        return std::nullopt;
    }
    int index = kNaturals[letter - 'a'];
    if (text.size() == 2) {
        const char accidental = text[1];
        if (accidental == '#') {
            index += 1;
        } else if (accidental == 'b' || accidental == 'B') {
            index += 11;
        } else {
            return std::nullopt;
        }
    }
    return index % 12;
}

namespace {

std::optional<PitchClassSet> ParseSet(std::string_view text) {
    PitchClassSet value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0 ||
        value > kAllPositions) {
        return std::nullopt;
    }
    return value;
}

UsageError Bad(std::string message) {
    return UsageError{std::move(message)};
}

}  // namespace

Command ParseCommandLine(std::span<const std::string_view> arguments) {
    MatchRequest request;
    std::vector<std::string_view> notes;
    std::optional<PitchClassSet> set;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        const auto value = [&]() -> std::optional<std::string_view> {
            if (i + 1 >= arguments.size()) {
                return std::nullopt;
            }
            return arguments[++i];
        };
        if (argument == "--help" || argument == "-h") {
            return ShowHelp{};
        }
        if (argument == "--version") {
            return ShowVersion{};
        }
        if (argument == "--other-roots") {
            request.otherRoots = true;
        } else if (argument == "--roots-in-list-only") {
            request.rootsInListOnly = true;
        } else if (argument == "--json") {
            request.json = true;
        } else if (argument == "--catalogue" || argument == "--root" || argument == "--set") {
            const auto given = value();
            if (!given) {
                return Bad(std::string(argument) + " needs a value");
            }
            if (argument == "--catalogue") {
                request.catalogue = std::filesystem::path(std::string(*given));
            } else if (argument == "--root") {
                const auto root = ParseNote(*given);
                if (!root) {
                    return Bad("unknown note for --root: " + std::string(*given));
                }
                request.rootIndex = *root;
            } else {
                set = ParseSet(*given);
                if (!set) {
                    return Bad("--set needs a number from 0 to 4095, not: " + std::string(*given));
                }
            }
        } else if (argument.starts_with("-")) {
            return Bad("unknown option: " + std::string(argument));
        } else {
            if (!ParseNote(argument)) {
                return Bad("unknown note: " + std::string(argument));
            }
            notes.push_back(argument);
        }
    }
    if (set && !notes.empty()) {
        return Bad("give notes or --set, not both: " + std::string(notes.front()));
    }
    if (set) {
        request.querySet = *set;
    }
    for (const std::string_view note : notes) {
        const int position = (*ParseNote(note) - request.rootIndex + 12) % 12;
        request.querySet |= PositionBit(position);
    }
    return request;
}

}  // namespace orvel::cli
