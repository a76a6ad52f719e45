// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/Progression.h"

#include <algorithm>
#include <map>

#include "theory/ParseNoteName.h"

namespace orvel {

namespace {

bool IsSeparator(char c) {
    return c == ' ' || c == ',' || c == '\t' || c == '\r';
}

// The line cut into bars, each the words in it. Without bar lines every
// word is a bar of its own; with them, bar lines and line breaks end bars.
std::vector<std::vector<std::string_view>> SplitBars(std::string_view line) {
    std::vector<std::vector<std::string_view>> bars(1);
    bool barLines = false;
    const auto endBar = [&bars] {
        if (!bars.back().empty()) {
            bars.emplace_back();
        }
    };
    std::size_t start = 0;
    int depth = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        const bool end = i == line.size();
        const char c = end ? '\n' : line[i];
        if (c == '(') {
            ++depth;
        } else if (c == ')' && depth > 0) {
            --depth;
        }
        const bool barLine = c == '|' || c == '\n';
        if (!end && depth > 0 && !barLine) {
            continue;
        }
        if (!barLine && !IsSeparator(c)) {
            continue;
        }
        std::string_view word = line.substr(start, i - start);
        // The colons of repeat signs ("|:", ":|") belong to the bar line.
        while (!word.empty() && word.front() == ':' && start > 0 && line[start - 1] == '|') {
            word.remove_prefix(1);
        }
        while (!word.empty() && word.back() == ':' && c == '|') {
            word.remove_suffix(1);
        }
        if (!word.empty()) {
            bars.back().push_back(word);
        }
        if (c == '|') {
            barLines = true;
            endBar();
        } else if (c == '\n' && barLines) {
            endBar();
        }
        start = i + 1;
    }
    if (bars.back().empty()) {
        bars.pop_back();
    }
    if (barLines) {
        return bars;
    }
    std::vector<std::vector<std::string_view>> eachWord;
    for (const std::vector<std::string_view>& words : bars) {
        for (std::string_view word : words) {
            eachWord.push_back({word});
        }
    }
    return eachWord;
}

// A chord with an alternate after it in parentheses, "A-7(D7)", or an
// alternate alone, "(C7)", as iReal Pro charts write them: the chord to read,
// once the alternate is found readable too.
std::string_view WithoutAlternate(std::string_view text) {
    const auto isLetter = [](char c) { return c >= 'A' && c <= 'G'; };
    const std::size_t open = text.find('(');
    if (open == std::string_view::npos || !text.ends_with(')') || open + 1 >= text.size() ||
        !isLetter(text[open + 1])) {
        return text;
    }
    const std::string_view alternate = text.substr(open + 1, text.size() - open - 2);
    if (open == 0) {
        return alternate;
    }
    ParseChordSymbol(alternate);
    return text.substr(0, open);
}

ProgressionItem ReadItem(std::string_view text, ReadAs as) {
    ProgressionItem item{std::string(text), std::nullopt, std::nullopt, {}};
    try {
        if (as == ReadAs::Chords && (text == "N.C." || text == "NC" || text == "N.C")) {
            item.rest = true;
        } else if (as == ReadAs::Chords) {
            item.chord = ParseChordSymbol(WithoutAlternate(text));
            item.chord->text = std::string(text);
        } else {
            item.note = ParseNoteName(text);
        }
    } catch (const std::invalid_argument& error) {
        item.error = error.what();
    }
    return item;
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

std::optional<Progression::Holder> Progression::FirstWith(PitchClass pitchClass) const {
    for (const ProgressionItem& item : items) {
        if (item.note && item.note->PitchClass() == pitchClass) {
            return Holder{&item, *item.note};
        }
        if (!item.chord) {
            continue;
        }
        for (const NoteName& note : item.chord->Spelled().notes) {
            if (note.PitchClass() == pitchClass) {
                return Holder{&item, note};
            }
        }
        if (item.chord->bass && item.chord->bass->PitchClass() == pitchClass) {
            return Holder{&item, *item.chord->bass};
        }
    }
    return std::nullopt;
}

std::optional<NoteName> Progression::Spelled(PitchClass pitchClass) const {
    const std::optional<Holder> holder = FirstWith(pitchClass);
    return holder ? std::optional(holder->note) : std::nullopt;
}

Progression ReadProgression(std::string_view line, ReadAs as) {
    Progression progression;
    std::map<std::string_view, std::size_t> itemOf;
    const auto stop = [&progression](const std::string& reason) {
        progression.items.push_back({"...", std::nullopt, std::nullopt, reason});
    };
    std::vector<PlayedItem> previousBar;
    for (const std::vector<std::string_view>& bar : SplitBars(line)) {
        if (bar == std::vector<std::string_view>{"%"} && !previousBar.empty()) {
            if (progression.played.size() + previousBar.size() > Progression::kMaxPlayed) {
                stop("more than " + std::to_string(Progression::kMaxPlayed) +
                     " chords played: the rest is not read");
                return progression;
            }
            progression.played.insert(progression.played.end(), previousBar.begin(),
                                      previousBar.end());
            continue;
        }
        std::vector<PlayedItem> thisBar;
        const double beats = Progression::kBeatsPerBar / static_cast<double>(bar.size());
        for (std::string_view word : bar) {
            if (word == "%") {
                if (!thisBar.empty() || !progression.played.empty()) {
                    PlayedItem again = thisBar.empty() ? progression.played.back() : thisBar.back();
                    again.beats = beats;
                    thisBar.push_back(again);
                }
                continue;
            }
            auto found = itemOf.find(word);
            if (found == itemOf.end()) {
                if (progression.items.size() == Progression::kMaxItems) {
                    stop("more than " + std::to_string(Progression::kMaxItems) +
                         " different items: the rest is not read");
                    return progression;
                }
                found = itemOf.emplace(word, progression.items.size()).first;
                progression.items.push_back(ReadItem(word, as));
            }
            if (progression.items[found->second].Read()) {
                thisBar.push_back({found->second, beats});
            }
        }
        if (progression.played.size() + thisBar.size() > Progression::kMaxPlayed) {
            stop("more than " + std::to_string(Progression::kMaxPlayed) +
                 " chords played: the rest is not read");
            return progression;
        }
        if (!thisBar.empty()) {
            previousBar = thisBar;
        }
        progression.played.insert(progression.played.end(), thisBar.begin(), thisBar.end());
    }
    return progression;
}

}  // namespace orvel
