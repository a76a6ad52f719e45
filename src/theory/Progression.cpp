// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/Progression.h"

#include <algorithm>
#include <set>

#include "theory/ParseNoteName.h"

namespace orvel {

namespace {

bool IsSeparator(char c) {
    return c == ' ' || c == ',' || c == '|' || c == '\t' || c == '\n' || c == '\r';
}

// The line's items, split at separators outside parentheses; `each` is
// called with every item until it returns false.
template <typename Each>
void SplitItems(std::string_view line, Each each) {
    std::size_t start = 0;
    int depth = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        const bool end = i == line.size();
        if (!end && line[i] == '(') {
            ++depth;
        } else if (!end && line[i] == ')' && depth > 0) {
            --depth;
        }
        if (end || (depth == 0 && IsSeparator(line[i]))) {
            if (i > start && !each(line.substr(start, i - start))) {
                return;
            }
            start = i + 1;
        }
    }
}

}  // namespace

PitchClassesAboveC Progression::Notes() const {
    PitchClassesAboveC notes;
    for (const ProgressionItem& item : items) {
        if (item.chord) {
            notes |= item.chord->Notes();
        } else if (item.note) {
            notes.Add(item.note->PitchClass());
        }
    }
    return notes;
}

std::vector<const ChordSymbol*> Progression::Chords() const {
    std::vector<const ChordSymbol*> chords;
    for (const ProgressionItem& item : items) {
        if (item.chord) {
            chords.push_back(&*item.chord);
        }
    }
    return chords;
}

bool Progression::AllRead() const {
    return std::all_of(items.begin(), items.end(),
                       [](const ProgressionItem& item) { return item.Read(); });
}

std::optional<NoteName> Progression::Spelled(PitchClass pitchClass) const {
    for (const ProgressionItem& item : items) {
        if (item.note && item.note->PitchClass() == pitchClass) {
            return item.note;
        }
        if (!item.chord) {
            continue;
        }
        for (const NoteName& note : item.chord->Spelled().notes) {
            if (note.PitchClass() == pitchClass) {
                return note;
            }
        }
        if (item.chord->bass && item.chord->bass->PitchClass() == pitchClass) {
            return item.chord->bass;
        }
    }
    return std::nullopt;
}

Progression ReadProgression(std::string_view line, ReadAs as) {
    Progression progression;
    std::set<std::string_view> seen;
    SplitItems(line, [&](std::string_view text) {
        if (!seen.insert(text).second) {
            return true;
        }
        if (progression.items.size() == Progression::kMaxItems) {
            progression.items.push_back({"...", std::nullopt, std::nullopt,
                                         "more than " + std::to_string(Progression::kMaxItems) +
                                             " different items: the rest is not read"});
            return false;
        }
        ProgressionItem item{std::string(text), std::nullopt, std::nullopt, {}};
        try {
            if (as == ReadAs::Chords && (text == "N.C." || text == "NC" || text == "N.C")) {
                item.rest = true;
            } else if (as == ReadAs::Chords) {
                item.chord = ParseChordSymbol(text);
            } else {
                item.note = ParseNoteName(text);
            }
        } catch (const std::invalid_argument& error) {
            item.error = error.what();
        }
        progression.items.push_back(std::move(item));
        return true;
    });
    return progression;
}

}  // namespace orvel
