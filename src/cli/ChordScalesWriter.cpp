// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ChordScalesWriter.h"

#include <nlohmann/json.hpp>
#include <string>

#include "matching/NoteNameTable.h"
#include "theory/RootName.h"

namespace orvel::cli {

namespace {

using Json = nlohmann::ordered_json;

std::string Joined(const std::vector<std::string>& texts, const std::string& separator) {
    std::string joined;
    for (const std::string& text : texts) {
        if (!joined.empty()) {
            joined += separator;
        }
        joined += text;
    }
    return joined;
}

std::string AsciiNotes(const std::vector<NoteName>& notes) {
    std::vector<std::string> names;
    for (const NoteName& note : notes) {
        names.push_back(note.Ascii());
    }
    return Joined(names, " ");
}

// A row of the whole progression's answers spelled from its root as the
// key and the chords name it.
SpelledScale SpelledRow(const ChordAnswers& answers, std::uint32_t entry, PitchClass root) {
    const TScale& scale = answers.catalogue[entry];
    return SpellScale(scale.Notes,
                      RootName(root, answers.progression, answers.ranked.keys, answers.roots),
                      SpellAsFor(scale.Bank));
}

// The fields every ranked row starts with: bank, scale, root, set.
std::vector<std::string> Head(const ChordAnswers& answers, std::uint32_t entry, PitchClass root) {
    const TScale& scale = answers.catalogue[entry];
    return {scale.Bank, scale.Scale, std::string(TableName(root)), std::to_string(scale.Notes)};
}

std::vector<std::string> RowFields(const ChordAnswers& answers, const RankedScale& row) {
    std::vector<std::string> fields = Head(answers, row.entry, row.root);
    fields.push_back(row.missing
                         ? answers.progression.Spelled(*row.missing).value_or(NoteName{}).Ascii()
                         : AsciiNotes(NotesBeyond(SpelledRow(answers, row.entry, row.root),
                                                  answers.progression.Notes())));
    return fields;
}

std::vector<std::string> ChordScaleFields(const ChordAnswers& answers, const ChordSymbol& chord,
                                          const RankedScale& row) {
    const TScale& scale = answers.catalogue[row.entry];
    const SpelledScale spelled =
        SpellScale(scale.Notes, ChordScaleRoot(chord, answers.roots), SpellAsFor(scale.Bank));
    std::vector<std::string> fields = Head(answers, row.entry, row.root);
    fields.push_back(AsciiNotes(NotesBeyond(spelled, chord.Notes())));
    return fields;
}

std::vector<std::string> AlsoNames(const ChordAnswers& answers, const BestFit& row) {
    std::vector<std::string> names;
    for (const std::uint32_t entry : row.also) {
        names.push_back(answers.catalogue[entry].Scale);
    }
    return names;
}

// "C# of A7" for each note left out.
std::vector<std::string> LeftOut(const ChordAnswers& answers, const BestFit& row) {
    std::vector<std::string> notes;
    for (const PitchClass note : row.leftOut.Members()) {
        if (const auto holder = answers.progression.FirstWith(note)) {
            notes.push_back(holder->item->chord ? holder->note.Ascii() + " of " + holder->item->text
                                                : holder->note.Ascii());
        }
    }
    return notes;
}

void WriteTabLine(const std::vector<std::string>& fields, std::ostream& out) {
    out << Joined(fields, "\t") << '\n';
}

Json Array(const std::vector<std::string>& fields) {
    Json row = Json::array();
    for (const std::string& field : fields) {
        row.push_back(field);
    }
    return row;
}

std::string OrDash(std::string text) {
    return text.empty() ? std::string("-") : text;
}

}  // namespace

void WriteChordScalesTabSeparated(const ChordAnswers& answers, std::ostream& out) {
    for (const Key& key : answers.ranked.keys) {
        WriteTabLine({"key", key.tonic.Ascii(), std::string(key.ModeName())}, out);
    }
    const std::vector<const ChordSymbol*> chords = answers.progression.Chords();
    for (const ChordSymbol* chord : chords) {
        const SpelledScale sounding = chord->Sounding();
        WriteTabLine(
            {"chord", chord->text, chord->root.Ascii(), chord->bass ? chord->bass->Ascii() : "-",
             sounding.AsciiNotes(), sounding.IntervalsText()},
            out);
    }
    for (const BestFit& row : answers.ranked.best) {
        std::vector<std::string> fields = Head(answers, row.entry, row.root);
        fields.insert(fields.begin(), "best");
        fields.push_back(SpelledRow(answers, row.entry, row.root).AsciiNotes());
        fields.push_back(OrDash(Joined(AlsoNames(answers, row), ", ")));
        fields.push_back(OrDash(Joined(LeftOut(answers, row), ", ")));
        WriteTabLine(fields, out);
    }
    for (const auto& [kind, rows] :
         {std::pair{"fits", &answers.ranked.fits}, std::pair{"nearly", &answers.ranked.nearly}}) {
        for (const RankedScale& row : *rows) {
            std::vector<std::string> fields = RowFields(answers, row);
            fields.insert(fields.begin(), kind);
            WriteTabLine(fields, out);
        }
    }
    for (std::size_t c = 0; c < chords.size() && c < answers.ranked.perChord.size(); ++c) {
        for (const RankedScale& row : answers.ranked.perChord[c]) {
            std::vector<std::string> fields = ChordScaleFields(answers, *chords[c], row);
            fields.insert(fields.begin(), {"chord-scale", chords[c]->text});
            fields.push_back(row.fitsProgression ? "fits" : "-");
            WriteTabLine(fields, out);
        }
    }
}

std::optional<SpelledScale> FirstBestFit(const ChordAnswers& answers) {
    if (answers.ranked.best.empty()) {
        return std::nullopt;
    }
    const BestFit& first = answers.ranked.best.front();
    return SpelledRow(answers, first.entry, first.root);
}

void WriteChordScalesJson(const ChordAnswers& answers, std::ostream& out,
                          const std::optional<Neck>& neck) {
    out << ChordScalesJson(answers, neck).dump(-1, ' ', false, Json::error_handler_t::replace)
        << '\n';
}

Json ChordScalesJson(const ChordAnswers& answers, const std::optional<Neck>& neck) {
    Json json;
    const std::vector<Key>& keys = answers.ranked.keys;
    json["key"] = nullptr;
    if (!keys.empty()) {
        Json also = Json::array();
        for (std::size_t k = 1; k < keys.size(); ++k) {
            also.push_back({{"tonic", keys[k].tonic.Ascii()}, {"mode", keys[k].ModeName()}});
        }
        json["key"] = {{"tonic", keys.front().tonic.Ascii()},
                       {"mode", keys.front().ModeName()},
                       {"also", also}};
    }
    const std::vector<const ChordSymbol*> chords = answers.progression.Chords();
    json["chords"] = Json::array();
    for (const ChordSymbol* chord : chords) {
        const SpelledScale sounding = chord->Sounding();
        json["chords"].push_back(
            {{"symbol", chord->text},
             {"root", chord->root.Ascii()},
             {"bass", chord->bass ? Json(chord->bass->Ascii()) : Json(nullptr)},
             {"notes", sounding.AsciiNotes()},
             {"intervals", sounding.IntervalsText()}});
    }
    json["best"] = Json::array();
    for (const BestFit& row : answers.ranked.best) {
        Json fields = Array(Head(answers, row.entry, row.root));
        fields.push_back(SpelledRow(answers, row.entry, row.root).AsciiNotes());
        fields.push_back(Array(AlsoNames(answers, row)));
        fields.push_back(Array(LeftOut(answers, row)));
        json["best"].push_back(fields);
    }
    json["fits"] = Json::array();
    for (const RankedScale& row : answers.ranked.fits) {
        json["fits"].push_back(Array(RowFields(answers, row)));
    }
    json["nearly"] = Json::array();
    for (const RankedScale& row : answers.ranked.nearly) {
        json["nearly"].push_back(Array(RowFields(answers, row)));
    }
    json["per_chord"] = Json::array();
    for (std::size_t c = 0; c < chords.size() && c < answers.ranked.perChord.size(); ++c) {
        Json scales = Json::array();
        for (const RankedScale& row : answers.ranked.perChord[c]) {
            Json fields = Array(ChordScaleFields(answers, *chords[c], row));
            fields.push_back(row.fitsProgression);
            scales.push_back(fields);
        }
        json["per_chord"].push_back({{"symbol", chords[c]->text}, {"scales", scales}});
    }
    if (neck) {
        const std::optional<SpelledScale> first = FirstBestFit(answers);
        json["fretboard"] = first ? NeckJson(*first, *neck) : Json(nullptr);
    }
    return json;
}

}  // namespace orvel::cli
