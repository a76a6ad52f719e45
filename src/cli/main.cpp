// orvel-match: the scale matching of Orvel Modalune from the command line.
// Run with --help for its arguments.

#include <cerrno>
#include <cstring>
#include <iostream>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/ResultWriter.h"
#include "matching/MatchScales.h"
#include "matching/NoteNameTable.h"
#include "scales/LoadScales.h"
#include "scales/ProgramFolder.h"
#include "version/Version.h"

namespace {

constexpr int kFileError = 1;
constexpr int kUsageError = 2;
constexpr int kOutputError = 3;

// Everything written goes out now; a full disk or a closed pipe is said, not
// passed over as success.
int Finish() {
    std::cout.flush();
    if (std::cout) {
        return 0;
    }
    std::cerr << "orvel-match: cannot write the output: " << std::strerror(errno) << "\n";
    return kOutputError;
}

int Match(const orvel::cli::MatchRequest& request) {
    const std::filesystem::path catalogue =
        request.catalogue.value_or(orvel::ProgramFolder() / orvel::kCatalogueFileName);
    const orvel::ScaleLoad load = orvel::LoadScales(catalogue, std::cerr);
    if (load.failure) {
        std::cerr << orvel::kFileErrorMessage << " " << load.failure->what() << "\n";
        return kFileError;
    }

    orvel::TScaleQuery query;
    query.QueryNotes = request.querySet;
    query.RootIndex = request.rootIndex;
    query.Labels = orvel::StandardNoteNames();
    query.RootCaption = query.Labels[static_cast<std::size_t>(request.rootIndex)];
    query.IncludeOtherRoots = request.otherRoots;
    query.RootsInListOnly = request.rootsInListOnly;
    const orvel::TMatchResult result = orvel::MatchScales(query, load.scales);

    std::ios::sync_with_stdio(false);
    if (request.json) {
        orvel::cli::WriteJson(result, std::cout, request.spell);
    } else {
        orvel::cli::WriteTabSeparated(result, std::cout, request.spell);
    }
    return Finish();
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const orvel::cli::Command command = orvel::cli::ParseCommandLine(arguments);
    if (const auto* error = std::get_if<orvel::cli::UsageError>(&command)) {
        std::cerr << "orvel-match: " << error->message << " (see --help)\n";
        return kUsageError;
    }
    if (const auto* help = std::get_if<orvel::cli::ShowHelp>(&command)) {
        std::cout << help->text;
        return Finish();
    }
    if (std::holds_alternative<orvel::cli::ShowVersion>(command)) {
        std::cout << "orvel-match " << orvel::version::kShort << "\n";
        return Finish();
    }
    try {
        return Match(std::get<orvel::cli::MatchRequest>(command));
    } catch (const std::bad_alloc&) {
        // Loading reports its own; this is the matching of a catalogue too
        // large for the memory the process may take.
        std::cerr << "orvel-match: not enough memory to match this catalogue\n";
        return kFileError;
    }
}
