// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/NeckWriter.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace orvel::cli {

namespace {

constexpr std::size_t kCellWidth = 4;  // "F## " and "Bbb " fit

std::string Padded(std::string text, std::size_t width) {
    text.resize(std::max(width, text.size()), ' ');
    return text;
}

}  // namespace

void WriteNeck(const SpelledScale& scale, const Neck& neck, std::ostream& out) {
    for (int string = 1; string <= neck.tuning.StringCount(); ++string) {
        std::vector<std::string> cells;  // the pitch, the open string, the nut, the frets
        cells.push_back(Padded(neck.tuning.OpenString(string).Ascii(), kCellWidth));
        for (int fret = 0; fret <= neck.frets; ++fret) {
            const auto degree = scale.DegreeOf(PitchClass::OfKey(neck.tuning.KeyAt(string, fret)));
            cells.push_back(Padded(degree ? scale.notes[*degree].Ascii() : "-", kCellWidth));
            if (fret == 0) {
                cells.push_back("| ");
            }
        }
        if (neck.leftHanded) {
            std::reverse(cells.begin(), cells.end());
        }
        std::string line;
        for (const std::string& cell : cells) {
            line += cell;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << '\n';
    }
}

nlohmann::ordered_json NeckJson(const SpelledScale& scale, const Neck& neck) {
    nlohmann::ordered_json json;
    json["tuning"] = nlohmann::ordered_json::array();
    for (const Pitch& pitch : neck.tuning.strings) {
        json["tuning"].push_back(pitch.Ascii());
    }
    json["frets"] = neck.frets;
    json["positions"] = nlohmann::ordered_json::array();
    for (const FretPosition& place : PositionsOn(neck.tuning, neck.frets, scale.PitchClasses())) {
        const std::size_t degree = *scale.DegreeOf(PitchClass::OfKey(place.key));
        json["positions"].push_back({{"string", place.string},
                                     {"fret", place.fret},
                                     {"note", scale.notes[degree].Ascii()},
                                     {"interval", scale.intervals[degree].Text()}});
    }
    return json;
}

}  // namespace orvel::cli
