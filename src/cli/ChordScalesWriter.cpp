// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ChordScalesWriter.h"

#include <nlohmann/json.hpp>
#include <string>

#include "matching/NoteNameTable.h"

namespace orvel::cli {

namespace {

std::string RootName(PitchClass root) {
    return std::string(TableName(root));
}

// The scale's notes that `against` does not have, spelled from the scale's
// root.
std::string AddedNotes(const TScale& entry, PitchClass root, PitchClassesAboveC against) {
    std::string added;
    for (const NoteName& note : NotesBeyond(SpellEntry(entry, root), against)) {
        added += (added.empty() ? "" : " ") + note.Ascii();
    }
    return added;
}

// The fields of one ranked row: bank, scale, root, set, then the added or
// missing notes.
std::vector<std::string> Fields(const Progression& progression, std::span<const TScale> catalogue,
                                const RankedScale& row, PitchClassesAboveC against) {
    const TScale& entry = catalogue[row.entry];
    return {entry.Bank, entry.Scale, RootName(row.root), std::to_string(entry.Notes),
            row.missing ? progression.Spelled(*row.missing).value_or(NoteName{}).Ascii()
                        : AddedNotes(entry, row.root, against)};
}

void WriteTabLine(const std::vector<std::string>& fields, std::ostream& out) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        out << (i == 0 ? "" : "\t") << fields[i];
    }
    out << '\n';
}

nlohmann::ordered_json Json(const std::vector<std::string>& fields) {
    nlohmann::ordered_json row = nlohmann::ordered_json::array();
    for (const std::string& field : fields) {
        row.push_back(field);
    }
    return row;
}

}  // namespace

void WriteChordScalesTabSeparated(const Progression& progression, std::span<const TScale> catalogue,
                                  const ChordScales& ranked, std::ostream& out) {
    const std::vector<const ChordSymbol*> chords = progression.Chords();
    for (const ChordSymbol* chord : chords) {
        const SpelledScale spelled = chord->Spelled();
        WriteTabLine(
            {"chord", chord->text, chord->root.Ascii(), chord->bass ? chord->bass->Ascii() : "-",
             spelled.AsciiNotes(), spelled.IntervalsText()},
            out);
    }
    const PitchClassesAboveC notes = progression.Notes();
    for (const RankedScale& row : ranked.fits) {
        std::vector<std::string> fields = Fields(progression, catalogue, row, notes);
        fields.insert(fields.begin(), "fits");
        WriteTabLine(fields, out);
    }
    for (const RankedScale& row : ranked.nearly) {
        std::vector<std::string> fields = Fields(progression, catalogue, row, notes);
        fields.insert(fields.begin(), "nearly");
        WriteTabLine(fields, out);
    }
    for (std::size_t c = 0; c < chords.size() && c < ranked.perChord.size(); ++c) {
        for (const RankedScale& row : ranked.perChord[c]) {
            std::vector<std::string> fields =
                Fields(progression, catalogue, row, chords[c]->Notes());
            fields.insert(fields.begin(), {"chord-scale", chords[c]->text});
            fields.push_back(row.fitsProgression ? "fits" : "-");
            WriteTabLine(fields, out);
        }
    }
}

SpelledScale SpelledRanked(std::span<const TScale> catalogue, const RankedScale& row) {
    const TScale& entry = catalogue[row.entry];
    return SpellEntry(entry, row.root);
}

void WriteChordScalesJson(const Progression& progression, std::span<const TScale> catalogue,
                          const ChordScales& ranked, std::ostream& out,
                          const std::optional<Neck>& neck) {
    nlohmann::ordered_json json;
    const std::vector<const ChordSymbol*> chords = progression.Chords();
    json["chords"] = nlohmann::ordered_json::array();
    for (const ChordSymbol* chord : chords) {
        const SpelledScale spelled = chord->Spelled();
        json["chords"].push_back(
            {{"symbol", chord->text},
             {"root", chord->root.Ascii()},
             {"bass", chord->bass ? nlohmann::ordered_json(chord->bass->Ascii())
                                  : nlohmann::ordered_json(nullptr)},
             {"notes", spelled.AsciiNotes()},
             {"intervals", spelled.IntervalsText()}});
    }
    const PitchClassesAboveC notes = progression.Notes();
    json["fits"] = nlohmann::ordered_json::array();
    for (const RankedScale& row : ranked.fits) {
        json["fits"].push_back(Json(Fields(progression, catalogue, row, notes)));
    }
    json["nearly"] = nlohmann::ordered_json::array();
    for (const RankedScale& row : ranked.nearly) {
        json["nearly"].push_back(Json(Fields(progression, catalogue, row, notes)));
    }
    json["per_chord"] = nlohmann::ordered_json::array();
    for (std::size_t c = 0; c < chords.size() && c < ranked.perChord.size(); ++c) {
        nlohmann::ordered_json scales = nlohmann::ordered_json::array();
        for (const RankedScale& row : ranked.perChord[c]) {
            nlohmann::ordered_json fields =
                Json(Fields(progression, catalogue, row, chords[c]->Notes()));
            fields.push_back(row.fitsProgression);
            scales.push_back(fields);
        }
        json["per_chord"].push_back({{"symbol", chords[c]->text}, {"scales", scales}});
    }
    if (neck) {
        json["fretboard"] = ranked.fits.empty()
                                ? nlohmann::ordered_json(nullptr)
                                : NeckJson(SpelledRanked(catalogue, ranked.fits.front()), *neck);
    }
    out << json.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

}  // namespace orvel::cli
