// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ResultWriter.h"

#include <nlohmann/json.hpp>
#include <string_view>
#include <vector>

#include "matching/NoteNameTable.h"
#include "theory/SpelledScale.h"

namespace orvel::cli {

namespace {

void WriteTabField(std::string_view field, std::ostream& out) {
    for (const char c : field) {
        switch (c) {
            case '\t':
                out << "\\t";
                break;
            case '\n':
                out << "\\n";
                break;
            case '\r':
                out << "\\r";
                break;
            case '\\':
                out << "\\\\";
                break;
            default:
                out << c;
        }
    }
}

// A JSON string, escaped by nlohmann-json; bytes that are not valid UTF-8
// become U+FFFD.
void WriteJsonString(std::string_view text, std::ostream& out) {
    out << nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

// A row's fields: its cells, then with `spell` its spelled notes and intervals.
std::vector<std::string> Fields(const TMatchResult& result, const TMatchRow& row, int cells,
                                std::optional<RowSpelling> spell) {
    std::vector<std::string> fields;
    for (int column = 0; column < cells; ++column) {
        fields.push_back(result.Cell(row, column));
    }
    if (spell) {
        const SpelledScale scale = SpelledRow(result, row, *spell);
        fields.push_back(scale.AsciiNotes());
        fields.push_back(scale.IntervalsText());
    }
    return fields;
}

void WriteJsonRows(const TMatchResult& result, const TMatchRows& rows, int cells,
                   std::optional<RowSpelling> spell, std::ostream& out) {
    out << '[';
    for (std::size_t k = 0; k < rows.size(); ++k) {
        out << (k == 0 ? "" : ", ") << '[';
        const std::vector<std::string> fields = Fields(result, rows[k], cells, spell);
        for (std::size_t field = 0; field < fields.size(); ++field) {
            out << (field == 0 ? "" : ", ");
            WriteJsonString(fields[field], out);
        }
        out << ']';
    }
    out << ']';
}

}  // namespace

void WriteTabSeparated(const TMatchResult& result, std::ostream& out,
                       std::optional<RowSpelling> spell) {
    const auto writeRows = [&](const TMatchRows& rows, std::string_view kind, int cells) {
        for (std::size_t k = 0; k < rows.size(); ++k) {
            out << kind;
            for (const std::string& field : Fields(result, rows[k], cells, spell)) {
                out << '\t';
                WriteTabField(field, out);
            }
            out << '\n';
        }
    };
    writeRows(result.ExactRows, "exact", TMatchResult::kExactCellCount);
    writeRows(result.ContainingRows, "containing", TMatchResult::kContainingCellCount);
}

SpelledScale SpelledRow(const TMatchResult& result, const TMatchRow& row,
                        const RowSpelling& spelling) {
    return spelling.Spell(result.Entry(row), result.RootPitchClass(row));
}

void WriteJson(const TMatchResult& result, std::ostream& out, std::optional<RowSpelling> spell,
               const std::optional<Neck>& neck, const nlohmann::ordered_json& more) {
    out << "{\"value\": ";
    WriteJsonString(result.ValueText, out);
    out << ", \"exact\": ";
    WriteJsonRows(result, result.ExactRows, TMatchResult::kExactCellCount, spell, out);
    out << ", \"containing\": ";
    WriteJsonRows(result, result.ContainingRows, TMatchResult::kContainingCellCount, spell, out);
    if (neck) {
        const auto first = result.FirstRow();
        out << ", \"fretboard\": "
            << (first ? NeckJson(SpelledRow(result, *first, spell.value_or(RowSpelling{})), *neck)
                      : nlohmann::ordered_json(nullptr))
                   .dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
    }
    for (const auto& [key, value] : more.items()) {
        out << ", ";
        WriteJsonString(key, out);
        out << ": " << value.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
    }
    out << "}\n";
}

void WriteFound(std::span<const TScale> catalogue, const std::vector<FoundScale>& found, bool json,
                std::ostream& out) {
    if (json) {
        nlohmann::ordered_json scales = nlohmann::ordered_json::array();
        for (const FoundScale& scale : found) {
            const TScale& entry = catalogue[scale.entry];
            scales.push_back(
                {{"bank", entry.Bank}, {"scale", entry.Scale}, {"aliases", scale.aliases}});
        }
        out << nlohmann::ordered_json{{"scales", scales}}.dump() << '\n';
        return;
    }
    for (const FoundScale& scale : found) {
        const TScale& entry = catalogue[scale.entry];
        std::string aliases;
        for (const std::string& alias : scale.aliases) {
            aliases += (aliases.empty() ? "" : ", ") + alias;
        }
        WriteTabField(entry.Bank, out);
        out << '\t';
        WriteTabField(entry.Scale, out);
        out << '\t';
        WriteTabField(aliases, out);
        out << '\n';
    }
}

}  // namespace orvel::cli
