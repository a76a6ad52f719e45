// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/Tuning.h"

#include <algorithm>

#include "theory/ParseNoteName.h"

namespace orvel {

namespace {

constexpr std::string_view kSeparators = " ,\t";

Tuning Preset(std::string name, std::string label, std::string_view pitches) {
    Tuning tuning = ParseTuning(pitches);
    tuning.name = std::move(name);
    tuning.label = std::move(label);
    return tuning;
}

}  // namespace

const Pitch& Tuning::OpenString(int number) const {
    return strings.at(strings.size() - static_cast<std::size_t>(number));
}

int Tuning::KeyAt(int number, int fret) const {
    return OpenString(number).Key() + fret;
}

std::string Tuning::AsciiPitches() const {
    std::string text;
    for (const Pitch& pitch : strings) {
        text += (text.empty() ? "" : " ") + pitch.Ascii();
    }
    return text;
}

const std::vector<Tuning>& TuningPresets() {
    static const std::vector<Tuning> presets{
        Preset("guitar", "Guitar", "E2 A2 D3 G3 B3 E4"),
        Preset("drop-d", "Guitar, drop D", "D2 A2 D3 G3 B3 E4"),
        Preset("dadgad", "Guitar, DADGAD", "D2 A2 D3 G3 A3 D4"),
        Preset("open-g", "Guitar, open G", "D2 G2 D3 G3 B3 D4"),
        Preset("open-d", "Guitar, open D", "D2 A2 D3 F#3 A3 D4"),
        Preset("open-e", "Guitar, open E", "E2 B2 E3 G#3 B3 E4"),
        Preset("half-step-down", "Guitar, half step down", "Eb2 Ab2 Db3 Gb3 Bb3 Eb4"),
        Preset("guitar7", "7-string guitar", "B1 E2 A2 D3 G3 B3 E4"),
        Preset("guitar8", "8-string guitar", "F#1 B1 E2 A2 D3 G3 B3 E4"),
        Preset("bass", "Bass", "E1 A1 D2 G2"),
        Preset("bass5", "5-string bass", "B0 E1 A1 D2 G2"),
        Preset("bass6", "6-string bass", "B0 E1 A1 D2 G2 C3"),
        Preset("ukulele", "Ukulele", "G4 C4 E4 A4"),
        Preset("ukulele-low-g", "Ukulele, low G", "G3 C4 E4 A4"),
        Preset("baritone-ukulele", "Baritone ukulele", "D3 G3 B3 E4"),
        Preset("mandolin", "Mandolin", "G3 D4 A4 E5"),
    };
    return presets;
}

Tuning ParseTuning(std::string_view text) {
    Tuning tuning{"custom", "Custom", {}};
    for (std::size_t at = text.find_first_not_of(kSeparators); at != std::string_view::npos;
         at = text.find_first_not_of(kSeparators, at)) {
        const std::size_t end = std::min(text.find_first_of(kSeparators, at), text.size());
        try {
            tuning.strings.push_back(ParsePitch(text.substr(at, end - at)));
        } catch (const NoteNameError& error) {
            throw TuningError(std::string("bad pitch ") + error.what());
        }
        at = end;
    }
    if (tuning.strings.empty()) {
        throw TuningError(
            "a tuning needs the pitch of each string, bass side first, such as "
            "\"E2 A2 D3 G3 B3 E4\"");
    }
    if (tuning.StringCount() > kMostStrings) {
        throw TuningError("a tuning has at most " + std::to_string(kMostStrings) +
                          " strings, not " + std::to_string(tuning.StringCount()));
    }
    return tuning;
}

Tuning ReadTuning(std::string_view text) {
    for (const Tuning& preset : TuningPresets()) {
        if (preset.name == text) {
            return preset;
        }
    }
    const bool pitches =
        std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!pitches && text.find_first_not_of(kSeparators) != std::string_view::npos) {
        std::string names;
        for (const Tuning& preset : TuningPresets()) {
            names += (names.empty() ? "" : ", ") + preset.name;
        }
        throw TuningError("unknown tuning \"" + std::string(text) + "\": give one of " + names +
                          ", or the pitch of each string, such as \"D2 A2 D3 G3 A3 D4\"");
    }
    return ParseTuning(text);
}

std::vector<FretPosition> PositionsOn(const Tuning& tuning, int frets, PitchClassesAboveC notes) {
    std::vector<FretPosition> positions;
    for (int string = 1; string <= tuning.StringCount(); ++string) {
        for (int fret = 0; fret <= frets; ++fret) {
            const int key = tuning.KeyAt(string, fret);
            if (notes.Has(PitchClass::OfKey(key))) {
                positions.push_back({string, fret, key});
            }
        }
    }
    return positions;
}

}  // namespace orvel
