// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/MelodyWriter.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "cli/ChordScalesWriter.h"
#include "theory/Progression.h"

namespace orvel::cli {

namespace {

using Json = nlohmann::ordered_json;

Progression KeptLine(const MelodyAnswers& answers) {
    return KeptNotesLine(answers.answer, answers.roots);
}

std::string KeptNames(const Progression& kept) {
    std::string names;
    for (const ProgressionItem& item : kept.items) {
        names += (names.empty() ? "" : " ") + item.text;
    }
    return names;
}

double Rounded(double weight) {
    return std::round(weight * 1000) / 1000;
}

std::string WeightText(double weight) {
    std::ostringstream text;
    text << Rounded(weight);
    return text.str();
}

std::string Bars(const MelodySection& section) {
    return std::to_string(section.firstBar) + "-" + std::to_string(section.lastBar);
}

}  // namespace

void WriteMelodyTabSeparated(const MelodyAnswers& answers, std::ostream& out) {
    if (const Heard* heard = answers.heard) {
        out << "tuning\t" << WeightText(heard->tuningCents) << '\t' << WeightText(heard->clearShare)
            << '\n';
        if (heard->mode == ListenMode::Melody) {
            for (const HeardNote& note : heard->notes) {
                out << "note\t" << WeightText(note.start) << '\t' << WeightText(note.length) << '\t'
                    << note.midiKey << '\n';
            }
        }
    }
    for (std::size_t p = 0; p < answers.melody.parts.size(); ++p) {
        const MelodyPart& part = answers.melody.parts[p];
        out << "part\t" << p + 1 << '\t' << part.name << '\t' << part.noteCount << '\n';
    }
    out << "profile";
    for (const double weight : answers.answer.profile.weights.ofPitchClass) {
        out << '\t' << WeightText(weight);
    }
    const Progression kept = KeptLine(answers);
    out << "\nkept\t" << KeptNames(kept) << '\n';
    WriteChordScalesTabSeparated({kept, answers.catalogue, answers.answer.scales, answers.roots},
                                 out);
    for (const MelodySection& section : answers.answer.sections) {
        if (section.keys.empty()) {
            out << "section\t" << Bars(section) << "\t-\t-\n";
        } else {
            out << "section\t" << Bars(section) << '\t' << section.keys.front().tonic.Ascii()
                << '\t' << section.keys.front().ModeName() << '\n';
        }
    }
}

void WriteMelodyJson(const MelodyAnswers& answers, std::ostream& out,
                     const std::optional<Neck>& neck) {
    const Progression kept = KeptLine(answers);
    const Json chordAnswers =
        ChordScalesJson({kept, answers.catalogue, answers.answer.scales, answers.roots}, neck);
    Json json;
    json["parts"] = Json::array();
    for (const MelodyPart& part : answers.melody.parts) {
        json["parts"].push_back({{"name", part.name}, {"notes", part.noteCount}});
    }
    json["profile"] = Json::array();
    for (const double weight : answers.answer.profile.weights.ofPitchClass) {
        json["profile"].push_back(Rounded(weight));
    }
    json["kept"] = KeptNames(kept);
    for (const char* field : {"key", "best", "fits", "nearly", "fretboard"}) {
        if (chordAnswers.contains(field)) {
            json[field] = chordAnswers[field];
        }
    }
    json["sections"] = Json::array();
    for (const MelodySection& section : answers.answer.sections) {
        Json key = nullptr;
        if (!section.keys.empty()) {
            Json also = Json::array();
            for (std::size_t k = 1; k < section.keys.size(); ++k) {
                also.push_back({{"tonic", section.keys[k].tonic.Ascii()},
                                {"mode", section.keys[k].ModeName()}});
            }
            key = {{"tonic", section.keys.front().tonic.Ascii()},
                   {"mode", section.keys.front().ModeName()},
                   {"also", also}};
        }
        json["sections"].push_back({{"bars", {section.firstBar, section.lastBar}}, {"key", key}});
    }
    if (const Heard* heard = answers.heard) {
        json["tuning_cents"] = Rounded(heard->tuningCents);
        json["clear"] = heard->Clear();
        json["clear_share"] = Rounded(heard->clearShare);
        if (heard->mode == ListenMode::Melody) {
            json["notes"] = Json::array();
            for (const HeardNote& note : heard->notes) {
                json["notes"].push_back({{"onset", Rounded(note.start)},
                                         {"length", Rounded(note.length)},
                                         {"pitch", note.midiKey}});
            }
        }
    }
    out << json.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
}

std::optional<SpelledScale> FirstBestFit(const MelodyAnswers& answers) {
    const Progression kept = KeptLine(answers);
    return FirstBestFit(
        ChordAnswers{kept, answers.catalogue, answers.answer.scales, answers.roots});
}

}  // namespace orvel::cli
