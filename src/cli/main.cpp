// SPDX-License-Identifier: GPL-3.0-or-later
// orvel-match: the scale matching of Orvel Modalune from the command line.
// Run with --help for its arguments.

#include <cerrno>
#include <cstring>
#include <future>
#include <iostream>
#include <optional>
#include <vector>

#include "audio/AudioError.h"
#include "audio/Player.h"
#include "audio/Renderer.h"
#include "audio/SoundThread.h"
#include "audio/WavFile.h"
#include "cli/ChordScalesWriter.h"
#include "cli/CommandLine.h"
#include "cli/MelodyWriter.h"
#include "cli/RelationsWriter.h"
#include "cli/ResultWriter.h"
#include "listening/Listening.h"
#include "matching/FindScales.h"
#include "matching/MatchScales.h"
#include "matching/NoteNameTable.h"
#include "matching/RankMelody.h"
#include "matching/RankScales.h"
#include "matching/ScaleRelations.h"
#include "musicfiles/MusicFileError.h"
#include "musicfiles/ReadMusicFile.h"
#include "musicfiles/SaveFile.h"
#include "musicfiles/ScaleFiles.h"
#include "scales/LoadScales.h"
#include "scales/ProgramFolder.h"
#include "theory/KeySignature.h"
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

// Plays the notes through the sound server, giving up when no output has
// taken them within SoundThread::kStartWithin; the message says why not.
std::optional<std::string> PlayThrough(const std::vector<orvel::TimedNote>& notes) {
    std::promise<std::optional<std::string>> started;
    std::promise<void> finished;
    orvel::SoundThread sound([] { return std::make_unique<orvel::Player>(); },
                             [&](int, orvel::SoundThread::Answer answer, const std::string& why) {
                                 switch (answer) {
                                     case orvel::SoundThread::Answer::Started:
                                         started.set_value(std::nullopt);
                                         return;
                                     case orvel::SoundThread::Answer::Failed:
                                         started.set_value(why);
                                         return;
                                     case orvel::SoundThread::Answer::Finished:
                                         finished.set_value();
                                         return;
                                 }
                             });
    sound.Play(1, notes);
    auto answer = started.get_future();
    if (answer.wait_for(orvel::SoundThread::kStartWithin) == std::future_status::timeout) {
        sound.Abandon();
        return orvel::kNoAudioOutput;
    }
    if (auto missing = answer.get()) {
        return missing;
    }
    finished.get_future().wait();
    return std::nullopt;
}

// Plays, or writes to a WAV file, a scale up and down from its root.
int PlayScale(orvel::PitchClassSet set, orvel::PitchClass root,
              const orvel::cli::MatchRequest& request) {
    const auto notes = orvel::ScaleRun(set, orvel::KeyNearMiddleC(root), request.tempo);
    try {
        if (request.wav) {
            orvel::Renderer renderer(orvel::Player::DefaultSoundfont());
            orvel::WriteWavFile(*request.wav, renderer.RenderAll(notes),
                                orvel::Renderer::kSampleRate);
            return 0;
        }
        if (const auto missing = PlayThrough(notes)) {
            throw orvel::AudioError(*missing);
        }
        return 0;
    } catch (const orvel::AudioError& error) {
        std::cerr << "orvel-match: " << error.what() << "\n";
        return kSoundError;
    }
}

// A scale to write out, and the notes asked about, sounded with it as a chord.
struct ExportedScale {
    orvel::SpelledScale spelled;
    orvel::PitchClassSet set = 0;
    std::string scale;
    std::string bank;
    orvel::PitchClassesAboveC chordNotes;
};

// Writes the scale to the file --export names, whole or not at all.
int ExportScale(const orvel::cli::MatchRequest& request,
                const std::optional<ExportedScale>& scale) {
    const orvel::cli::ExportRequest& asked = *request.exported;
    if (!scale) {
        std::cerr << "orvel-match: no scale to export\n";
        return kUsageError;
    }
    const std::vector<orvel::Pitch> pitches =
        orvel::ScalePitches(scale->spelled, asked.clef, asked.descending);
    std::string bytes;
    switch (asked.format) {
        case orvel::cli::ExportRequest::Format::MusicXml:
            bytes = orvel::ScaleMusicXml(pitches, asked.clef,
                                         orvel::SignatureOf(scale->set, scale->spelled),
                                         scale->spelled.root.Ascii() + " " + scale->scale);
            break;
        case orvel::cli::ExportRequest::Format::Midi: {
            const orvel::PitchClass root = scale->spelled.root.PitchClass();
            std::vector<int> chord;
            for (const orvel::PitchClass note : scale->chordNotes.Members()) {
                chord.push_back(orvel::KeyNearMiddleC(root) + root.SemitonesUpTo(note));
            }
            const std::vector<std::uint8_t> midi =
                orvel::MidiClip(orvel::ScaleClip(pitches, chord), request.tempo,
                                scale->spelled.root.Ascii() + " " + scale->scale);
            bytes.assign(midi.begin(), midi.end());
            break;
        }
        case orvel::cli::ExportRequest::Format::Text:
            bytes = orvel::ScaleText(scale->scale, scale->bank, scale->spelled);
            break;
    }
    try {
        orvel::SaveFile(asked.output, bytes);
    } catch (const orvel::SaveFileError& error) {
        std::cerr << "orvel-match: cannot write " << asked.output.string() << ": " << error.what()
                  << "\n";
        return kOutputError;
    }
    return 0;
}

// The first best fit as a scale to export, spelled as the answers name it.
std::optional<ExportedScale> FirstBestFitToExport(const orvel::ChordScales& ranked,
                                                  const std::vector<orvel::TScale>& catalogue,
                                                  const std::optional<orvel::SpelledScale>& spelled,
                                                  orvel::PitchClassesAboveC notes) {
    if (ranked.best.empty() || !spelled) {
        return std::nullopt;
    }
    const orvel::TScale& entry = catalogue[ranked.best.front().entry];
    return ExportedScale{*spelled, entry.Notes, entry.Scale, entry.Bank, notes};
}

// The first row's scale on the neck asked for, after a blank line.
void WriteNeckOf(const std::optional<orvel::SpelledScale>& scale, const orvel::cli::Neck& neck) {
    if (!scale) {
        std::cerr << "orvel-match: no scale to show on the fretboard\n";
        return;
    }
    std::cout << '\n';
    orvel::cli::WriteNeck(*scale, neck, std::cout);
}

// The scale of the first row printed (exact rows come first), from that
// row's root.
int PlayFirstRow(const orvel::TMatchResult& result, const orvel::cli::MatchRequest& request) {
    const auto first = result.FirstRow();
    if (!first) {
        std::cerr << "orvel-match: no scale to play\n";
        return 0;
    }
    return PlayScale(result.EntryNotes(*first), result.RootPitchClass(*first), request);
}

// Finishes the output, then with --play or --wav plays the first best fit.
int PlayFirstBestFit(const orvel::ChordScales& ranked, const std::vector<orvel::TScale>& catalogue,
                     const orvel::cli::MatchRequest& request) {
    const int written = Finish();
    if (written != 0 || (!request.play && !request.wav)) {
        return written;
    }
    if (ranked.best.empty()) {
        std::cerr << "orvel-match: no scale to play\n";
        return 0;
    }
    const orvel::BestFit& first = ranked.best.front();
    return PlayScale(catalogue[first.entry].Notes, first.root, request);
}

// The answers for a progression, and with --play or --wav the first best
// fit.
int RankChords(const orvel::Progression& progression, const std::vector<orvel::TScale>& catalogue,
               const orvel::cli::MatchRequest& request) {
    const orvel::ChordScales ranked = orvel::RankProgression(catalogue, progression);
    const orvel::cli::ChordAnswers answers{progression, catalogue, ranked, request.chordRoots};
    if (request.exported) {
        return ExportScale(
            request, FirstBestFitToExport(ranked, catalogue, orvel::cli::FirstBestFit(answers),
                                          progression.Notes()));
    }
    std::ios::sync_with_stdio(false);
    if (request.json) {
        orvel::cli::WriteChordScalesJson(answers, std::cout, request.neck);
    } else {
        orvel::cli::WriteChordScalesTabSeparated(answers, std::cout);
        if (request.neck) {
            WriteNeckOf(orvel::cli::FirstBestFit(answers), *request.neck);
        }
    }
    return PlayFirstBestFit(ranked, catalogue, request);
}

// The answers for a melody file or a recording, and with --play or --wav
// the first best fit; a file that cannot be read is said with what is wrong
// with it, and a recording with no clear pitch is said too.
int RankMelodyFile(const orvel::cli::MelodyRequest& asked,
                   const std::vector<orvel::TScale>& catalogue,
                   const orvel::cli::MatchRequest& request) {
    orvel::Melody melody;
    std::optional<orvel::Heard> heard;
    try {
        if (asked.heardAs) {
            heard = orvel::LoadListening().HearRecording(asked.file, *asked.heardAs, {});
            melody = heard->AsMelody();
            if (!heard->Clear()) {
                std::cerr << "orvel-match: no clear pitch in " << asked.file.string() << "\n";
            }
        } else {
            melody = orvel::ReadMusicFile(asked.file);
        }
    } catch (const orvel::MusicFileError& error) {
        std::cerr << "orvel-match: cannot read " << asked.file.string() << ": " << error.what()
                  << "\n";
        return kUsageError;
    } catch (const orvel::ListenError& error) {
        std::cerr << "orvel-match: cannot hear " << asked.file.string() << ": " << error.what()
                  << "\n";
        return kUsageError;
    }
    if (melody.truncated) {
        std::cerr << "orvel-match: only the first " << orvel::Melody::kMostNotes << " notes of "
                  << asked.file.string() << " were read\n";
    }
    orvel::MelodyQuery query;
    for (const std::size_t track : asked.tracks) {
        if (track > melody.parts.size()) {
            std::cerr << "orvel-match: --track " << track << ": " << asked.file.string() << " has "
                      << melody.parts.size() << " tracks with notes\n";
            return kUsageError;
        }
        query.span.parts.push_back(track - 1);
    }
    query.span.firstBar = asked.firstBar;
    query.span.lastBar = asked.lastBar;
    query.threshold = asked.threshold;
    const orvel::MelodyAnswer answer = orvel::RankMelody(catalogue, melody, query);
    const orvel::cli::MelodyAnswers answers{melody, catalogue, answer, request.chordRoots,
                                            heard ? &*heard : nullptr};
    if (request.exported) {
        return ExportScale(request,
                           FirstBestFitToExport(answer.scales, catalogue,
                                                orvel::cli::FirstBestFit(answers), answer.kept));
    }
    std::ios::sync_with_stdio(false);
    if (request.json) {
        orvel::cli::WriteMelodyJson(answers, std::cout, request.neck);
    } else {
        orvel::cli::WriteMelodyTabSeparated(answers, std::cout);
        if (request.neck) {
            WriteNeckOf(orvel::cli::FirstBestFit(answers), *request.neck);
        }
    }
    return PlayFirstBestFit(answer.scales, catalogue, request);
}

int Match(const orvel::cli::MatchRequest& request) {
    const std::filesystem::path catalogue =
        request.catalogue.value_or(orvel::ProgramFolder() / orvel::kCatalogueFileName);
    const orvel::ScaleLoad load = orvel::LoadScales(catalogue, std::cerr);
    if (load.failure) {
        std::cerr << orvel::kFileErrorMessage << " " << load.failure->what() << "\n";
        return kFileError;
    }
    if (request.progression) {
        return RankChords(*request.progression, load.scales, request);
    }
    if (request.melody) {
        return RankMelodyFile(*request.melody, load.scales, request);
    }
    if (request.find) {
        std::ios::sync_with_stdio(false);
        orvel::cli::WriteFound(load.scales, orvel::FindScales(load.scales, *request.find),
                               request.json, std::cout);
        return Finish();
    }

    orvel::TScaleQuery query;
    query.QueryNotes = request.querySet;
    query.RootIndex = orvel::NoteTableIndex::Of(request.root);
    query.Labels = orvel::StandardNoteNames();
    query.RootCaption = orvel::TableName(request.root);
    query.IncludeOtherRoots = request.otherRoots;
    query.RootsInListOnly = request.rootsInListOnly;
    const orvel::TMatchResult result = orvel::MatchScales(query, load.scales);
    if (request.exported) {
        const auto first = result.FirstRow();
        return ExportScale(
            request,
            first ? std::optional(ExportedScale{
                        orvel::cli::SpelledRow(result, *first,
                                               request.spell.value_or(orvel::cli::RowSpelling{})),
                        result.EntryNotes(*first), std::string(result.ScaleName(*first)),
                        std::string(result.Bank(*first)),
                        orvel::NotesOn(request.querySet, request.root)})
                  : std::nullopt);
    }

    std::optional<orvel::ScaleRelations> relations;
    if (const auto first = result.FirstRow(); first && request.relations) {
        relations = orvel::RelationsOf(
            load.scales,
            orvel::cli::SpelledRow(result, *first,
                                   request.spell.value_or(orvel::cli::RowSpelling{})),
            result.EntryNotes(*first));
    }
    std::ios::sync_with_stdio(false);
    if (request.json) {
        orvel::cli::WriteJson(result, std::cout, request.spell, request.neck,
                              relations ? orvel::cli::RelationsJson(*relations, load.scales)
                                        : nlohmann::ordered_json::object());
    } else {
        orvel::cli::WriteTabSeparated(result, std::cout, request.spell);
        if (relations) {
            std::cout << '\n';
            orvel::cli::WriteRelationsTabSeparated(*relations, load.scales, std::cout);
        }
        if (request.neck) {
            const auto first = result.FirstRow();
            WriteNeckOf(
                first ? std::optional(orvel::cli::SpelledRow(
                            result, *first, request.spell.value_or(orvel::cli::RowSpelling{})))
                      : std::nullopt,
                *request.neck);
        }
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
