// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a catalogue text, through the loader's parser, then the matching for a few
// queries drawn from the same bytes. Checks what must hold whatever the file says:
//   - every line after the two header lines with at least 14 fields becomes
//     one entry, in order, and no message is shown for a readable file;
//   - every result row names a loaded entry; exact rows equal the pass's
//     query, containing rows strictly contain it; passes come in order;
//   - no list holds more than twelve rows per entry.

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "Require.h"
#include "matching/MatchScales.h"
#include "matching/Rotate12.h"
#include "scales/IntegerText.h"
#include "scales/LoadScales.h"

namespace {

using orvel::fuzz::Require;

// How many data lines make a scale, read naively: LF, CR LF and CR end
// lines; a line needs 14 fields and at most kMaxLineBytes bytes.
std::size_t GoodDataLines(const std::string& text) {
    std::size_t good = 0;
    std::size_t line = 0;
    std::size_t fields = 1;
    std::size_t bytes = 0;
    const auto endLine = [&] {
        const bool isGood = fields >= orvel::TScale::kFieldCount && bytes <= orvel::kMaxLineBytes;
        good += line >= 2 && isGood ? 1 : 0;
        ++line;
        fields = 1;
        bytes = 0;
    };
    bool pending = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n' || c == '\r') {
            endLine();
            pending = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            continue;
        }
        pending = true;
        ++bytes;
        fields += c == ',' ? 1 : 0;
    }
    if (pending) {
        endLine();
    }
    return good;
}

void CheckRows(const orvel::TMatchResult& result, const orvel::TScaleQuery& query,
               const std::vector<orvel::TScale>& scales) {
    const auto check = [&](const orvel::TMatchRows& rows, bool exact) {
        Require(rows.size() <= 12 * scales.size());
        std::uint32_t lastPass = 0;
        for (std::size_t k = 0; k < rows.size(); ++k) {
            const orvel::TMatchRow row = rows[k];
            Require(row.Entry < scales.size());
            Require(row.Pass < 12 && row.Pass >= lastPass);
            Require(row.Pass == 0 || query.IncludeOtherRoots);
            lastPass = row.Pass;
            const orvel::PitchClassSet target = orvel::Rotate12(query.QueryNotes, row.Pass);
            const orvel::TScale& entry = scales[row.Entry];
            Require(exact ? entry.Equivalent(target) : entry.ContainsAll(target));
            Require(result.Cell(row, 1) == entry.Scale);
        }
    };
    check(result.ExactRows, true);
    check(result.ContainingRows, false);
    Require(result.ValueText == orvel::BinaryText(query.QueryNotes));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream stream(text);
    std::ostringstream warnings;
    const orvel::ScaleLoad load = orvel::ParseCatalogue(stream, "fuzz", warnings);
    Require(!load.failure.has_value());
    const std::vector<orvel::TScale>& scales = load.scales;

    // The naive count reads bytes; a UTF-16 text is decoded first by the loader.
    const bool utf16 = text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF");
    Require(utf16 || scales.size() == GoodDataLines(text));
    for (const orvel::TScale& entry : scales) {
        Require(entry.Notes >= 0 && entry.Notes <= orvel::kAllPositions);
    }

    for (std::size_t k = 0; k < 3; ++k) {
        const std::uint8_t a = size > 3 * k ? data[3 * k] : 0;
        const std::uint8_t b = size > 3 * k + 1 ? data[3 * k + 1] : 0;
        const std::uint8_t c = size > 3 * k + 2 ? data[3 * k + 2] : 0;
        orvel::TScaleQuery query;
        query.QueryNotes = ((a << 8) | b) & orvel::kAllPositions;
        query.RootIndex = orvel::NoteTableIndex(c % 12);
        query.RootCaption = "root";
        query.IncludeOtherRoots = (c & 0x10) != 0;
        query.RootsInListOnly = (c & 0x20) != 0;
        CheckRows(orvel::MatchScales(query, scales), query, scales);
    }
    return 0;
}
