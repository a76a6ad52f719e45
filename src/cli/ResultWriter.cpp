#include "cli/ResultWriter.h"

#include <nlohmann/json.hpp>
#include <string_view>

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

template <std::size_t N>
void WriteJsonRows(const TMatchResult& result, const TMatchRows& rows, std::ostream& out) {
    out << '[';
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const TMatchRow row = rows[k];
        out << (k == 0 ? "" : ", ") << '[';
        for (std::size_t column = 0; column < N; ++column) {
            out << (column == 0 ? "" : ", ");
            WriteJsonString(result.Cell(row, static_cast<int>(column)), out);
        }
        out << ']';
    }
    out << ']';
}

}  // namespace

void WriteTabSeparated(const TMatchResult& result, std::ostream& out) {
    const auto writeRows = [&](const TMatchRows& rows, std::string_view kind, int cells) {
        for (std::size_t k = 0; k < rows.size(); ++k) {
            out << kind;
            for (int column = 0; column < cells; ++column) {
                out << '\t';
                WriteTabField(result.Cell(rows[k], column), out);
            }
            out << '\n';
        }
    };
    writeRows(result.ExactRows, "exact", TMatchResult::kExactCellCount);
    writeRows(result.ContainingRows, "containing", TMatchResult::kContainingCellCount);
}

void WriteJson(const TMatchResult& result, std::ostream& out) {
    out << "{\"value\": ";
    WriteJsonString(result.ValueText, out);
    out << ", \"exact\": ";
    WriteJsonRows<TMatchResult::kExactCellCount>(result, result.ExactRows, out);
    out << ", \"containing\": ";
    WriteJsonRows<TMatchResult::kContainingCellCount>(result, result.ContainingRows, out);
    out << "}\n";
}

}  // namespace orvel::cli
