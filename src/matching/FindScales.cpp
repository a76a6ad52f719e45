// SPDX-License-Identifier: GPL-3.0-or-later
#include "matching/FindScales.h"

#include <algorithm>
#include <map>
#include <utility>

namespace orvel {

namespace {

char Folded(char letter) {
    return letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter - 'A' + 'a') : letter;
}

std::string FoldedText(std::string_view text) {
    std::string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(), Folded);
    return folded;
}

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find_first_of(" \t", start), text.size());
        if (end > start) {
            words.push_back(FoldedText(text.substr(start, end - start)));
        }
        start = end + 1;
    }
    return words;
}

}  // namespace

std::vector<FoundScale> FindScales(std::span<const TScale> catalogue, std::string_view text) {
    const std::vector<std::string> words = Words(text);
    std::map<std::pair<std::string_view, PitchClassSet>, std::vector<std::uint32_t>> sameNotes;
    for (std::uint32_t i = 0; i < catalogue.size(); ++i) {
        sameNotes[{catalogue[i].Bank, catalogue[i].Notes}].push_back(i);
    }
    const auto holdsEvery = [&](const std::string& searched) {
        return std::all_of(words.begin(), words.end(), [&](const std::string& word) {
            return searched.find(word) != std::string::npos;
        });
    };
    std::vector<FoundScale> found;
    std::size_t byName = 0;  // the entries found by their names, first
    for (std::uint32_t i = 0; i < catalogue.size(); ++i) {
        const TScale& entry = catalogue[i];
        const bool named = holdsEvery(FoldedText(entry.Scale));
        if (!named && !holdsEvery(FoldedText(entry.Scale) + '\n' + FoldedText(entry.Bank))) {
            continue;
        }
        FoundScale scale{.entry = i, .aliases = {}};
        for (const std::uint32_t other : sameNotes.at({entry.Bank, entry.Notes})) {
            if (other != i && catalogue[other].Scale != entry.Scale) {
                scale.aliases.push_back(catalogue[other].Scale);
            }
        }
        found.insert(found.begin() + static_cast<std::ptrdiff_t>(named ? byName++ : found.size()),
                     std::move(scale));
    }
    return found;
}

}  // namespace orvel
