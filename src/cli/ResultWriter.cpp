#include "ResultWriter.h"

#include <array>
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

// The length of the valid UTF-8 sequence starting at text[i], or 0.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > text.size() || byte(i + 1) < low || byte(i + 1) > high) {
        return 0;
    }
    for (std::size_t k = 2; k < length; ++k) {
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) {
            return 0;
        }
    }
    return length;
}

void WriteJsonString(std::string_view text, std::ostream& out) {
    constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
    out << '"';
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            if (c == '"' || c == '\\') {
                out << '\\' << static_cast<char>(c);
            } else if (c < 0x20) {
                constexpr std::array<char, 17> kHex = {"0123456789abcdef"};
                out << "\\u00" << kHex[c >> 4] << kHex[c & 0xF];
            } else {
                out << static_cast<char>(c);
            }
            ++i;
            continue;
        }
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0) {
            out << kReplacement;
            ++i;
        } else {
            out << text.substr(i, length);
            i += length;
        }
    }
    out << '"';
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
