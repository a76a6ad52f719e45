// orvel-match: the scale matching of Orvel Modalune from the command line.
// Run with --help for its arguments.

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
        orvel::cli::WriteJson(result, std::cout);
    } else {
        orvel::cli::WriteTabSeparated(result, std::cout);
    }
    std::cout.flush();
    return std::cout ? 0 : kFileError;
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
        return 0;
    }
    if (std::holds_alternative<orvel::cli::ShowVersion>(command)) {
        std::cout << "orvel-match " << orvel::version::kShort << "\n";
        return 0;
    }
    return Match(std::get<orvel::cli::MatchRequest>(command));
}
