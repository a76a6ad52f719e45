// SPDX-License-Identifier: GPL-3.0-or-later
// orvel-match: the scale matching of Orvel Modalune from the command line.
// Run with --help for its arguments.

#include <cerrno>
#include <chrono>
#include <cstring>
#include <iostream>
#include <thread>
#include <vector>

#include "audio/AudioError.h"
#include "audio/Player.h"
#include "audio/Renderer.h"
#include "audio/WavFile.h"
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
constexpr int kSoundError = 4;

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

// Plays, or writes to a WAV file, the scale of the first row printed (exact
// rows come first) up and down from that row's root.
int PlayFirstRow(const orvel::TMatchResult& result, const orvel::cli::MatchRequest& request) {
    const orvel::TMatchRows& rows =
        result.ExactRows.empty() ? result.ContainingRows : result.ExactRows;
    if (rows.empty()) {
        std::cerr << "orvel-match: no scale to play\n";
        return 0;
    }
    const orvel::TMatchRow row = rows[0];
    const auto notes = orvel::ScaleRun(
        result.EntryNotes(row),
        orvel::KeyNearMiddleC(orvel::PitchClassAboveC(result.RootIndex(row))), request.tempo);
    try {
        if (request.wav) {
            orvel::Renderer renderer(orvel::Player::DefaultSoundfont());
            orvel::WriteWavFile(*request.wav, renderer.RenderAll(notes),
                                orvel::Renderer::kSampleRate);
            return 0;
        }
        orvel::Player player;
        if (const auto missing = player.Play(notes)) {
            throw orvel::AudioError(*missing);
        }
        while (player.IsPlaying()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return 0;
    } catch (const orvel::AudioError& error) {
        std::cerr << "orvel-match: " << error.what() << "\n";
        return kSoundError;
    }
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
    const int written = Finish();
    if (written != 0 || (!request.play && !request.wav)) {
        return written;
    }
    return PlayFirstRow(result, request);
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
