// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/ChordSymbol.h"

#include <initializer_list>

#include "theory/ParseNoteName.h"

namespace orvel {

namespace {

// What is left of the symbol, read from the front.
class Reader {
  public:
    explicit Reader(std::string_view text) : rest_(text) {}

    std::string_view Rest() const { return rest_; }
    bool Done() const { return rest_.empty(); }
    bool NextIsDigit() const { return !rest_.empty() && rest_[0] >= '0' && rest_[0] <= '9'; }

    // Takes the first of `tokens` the text starts with, if any; the
    // longer of two that share a start must come first.
    std::optional<std::string_view> Take(std::initializer_list<std::string_view> tokens) {
        for (const std::string_view token : tokens) {
            if (rest_.starts_with(token)) {
                rest_.remove_prefix(token.size());
                return token;
            }
        }
        return std::nullopt;
    }

    // Takes `token` where a digit follows it.
    bool TakeBeforeDigit(std::string_view token) {
        if (rest_.size() > token.size() && rest_.starts_with(token) && rest_[token.size()] >= '0' &&
            rest_[token.size()] <= '9') {
            rest_.remove_prefix(token.size());
            return true;
        }
        return false;
    }

  private:
    std::string_view rest_;
};

// The chord as it is built, a set of positions above the root.
class Tones {
  public:
    void Add(int position) { set_ |= PositionBit(position); }
    void Remove(int position) { set_ &= ~PositionBit(position); }
    void Replace(int position, int by) {
        Remove(position);
        Add(by);
    }
    bool Has(int position) const { return HasPosition(set_, position); }
    PitchClassSet Set() const { return set_; }

  private:
    PitchClassSet set_ = PositionBit(0) | PositionBit(4) | PositionBit(7);
};

constexpr int kMinorThird = 3, kMajorThird = 4, kFourth = 5, kFlatFifth = 6, kFifth = 7,
              kSharpFifth = 8, kSixth = 9, kFlatSeventh = 10, kMajorSeventh = 11, kFlatNinth = 1,
              kNinth = 2, kSharpNinth = 3, kEleventh = 5, kSharpEleventh = 6, kFlatThirteenth = 8,
              kThirteenth = 9;

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

[[noreturn]] void CannotRead(std::string_view symbol, std::string_view rest) {
    throw ChordSymbolError(Quoted(symbol) + ": cannot read " + Quoted(rest));
}

const std::initializer_list<std::string_view> kFlat = {"b", "\u266D"};
const std::initializer_list<std::string_view> kSharp = {"#", "\u266F"};

// One alteration or added tone, if the text starts with one.
bool ReadAlteration(Reader& reader, Tones& tones, std::string_view symbol) {
    if (reader.Take({"add"})) {
        const auto tone = reader.Take({"13", "11", "9", "4", "2"});
        if (!tone) {
            CannotRead(symbol, reader.Rest());
        }
        tones.Add(*tone == "13" ? kThirteenth : *tone == "11" || *tone == "4" ? kEleventh : kNinth);
        return true;
    }
    const bool flat = reader.Take(kFlat).has_value();
    const bool sharp = !flat && reader.Take(kSharp).has_value();
    if (!flat && !sharp) {
        return false;
    }
    const auto degree = reader.Take({"13", "11", "9", "5"});
    if (!degree) {
        CannotRead(symbol, reader.Rest());
    }
    if (*degree == "5") {
        tones.Replace(kFifth, flat ? kFlatFifth : kSharpFifth);
    } else if (*degree == "9") {
        tones.Replace(kNinth, flat ? kFlatNinth : kSharpNinth);
    } else if (*degree == "11" && sharp) {
        tones.Replace(kEleventh, kSharpEleventh);
    } else if (*degree == "13" && flat) {
        tones.Replace(kThirteenth, kFlatThirteenth);
    } else {
        CannotRead(symbol, std::string(flat ? "b" : "#") + std::string(*degree) +
                               std::string(reader.Rest()));
    }
    return true;
}

}  // namespace

SpelledScale ChordSymbol::Spelled() const {
    return SpellScale(tones, root, SpellAs::Chord);
}

PitchClassesAboveC ChordSymbol::Notes() const {
    PitchClassesAboveC notes;
    for (const int position : PositionsOf(tones)) {
        notes.Add(root.PitchClass().Up(position));
    }
    if (bass) {
        notes.Add(bass->PitchClass());
    }
    return notes;
}

ChordSymbol ParseChordSymbol(std::string_view text) {
    if (text.size() > ChordSymbol::kMaxLength) {
        throw ChordSymbolError(Quoted(text.substr(0, 16)) + "...: longer than " +
                               std::to_string(ChordSymbol::kMaxLength) +
                               " characters, no chord symbol");
    }
    const auto root = ReadNoteName(text);
    if (!root) {
        CannotRead(text, text);
    }
    ChordSymbol chord{std::string(text), root->note, std::nullopt, 0};
    Reader reader(text.substr(root->length));
    Tones tones;

    // The quality.
    bool minor = false;
    bool majorSeventh = false;
    bool seventhGiven = false;  // by the quality itself
    bool anyQuality = true;
    if (reader.Take({"mMaj7", "mmaj7", "m(maj7)", "mM7", "m\u03947", "m\u0394", "minMaj7"})) {
        minor = true;
        tones.Replace(kMajorThird, kMinorThird);
        tones.Add(kMajorSeventh);
        majorSeventh = seventhGiven = true;
    } else if (reader.Take({"m7b5", "m7\u266D5", "-7b5", "\u00F87", "\u00F8"})) {
        minor = true;
        tones.Replace(kMajorThird, kMinorThird);
        tones.Replace(kFifth, kFlatFifth);
        tones.Add(kFlatSeventh);
        seventhGiven = true;
    } else if (reader.Take({"dim7", "\u00B07", "o7"})) {
        tones.Replace(kMajorThird, kMinorThird);
        tones.Replace(kFifth, kFlatFifth);
        tones.Add(kSixth);  // the diminished seventh, 𝄫7
        seventhGiven = true;
    } else if (reader.Take({"dim", "\u00B0", "o"})) {
        tones.Replace(kMajorThird, kMinorThird);
        tones.Replace(kFifth, kFlatFifth);
    } else if (reader.Take({"aug", "+"})) {
        tones.Replace(kFifth, kSharpFifth);
    } else if (reader.TakeBeforeDigit("ma")) {
        majorSeventh = true;  // "ma7": "ma" alone would be "m" and a word
    } else if (const auto major = reader.Take({"maj", "Maj", "M", "\u0394"})) {
        if (reader.NextIsDigit()) {
            majorSeventh = true;
        } else if (*major == "\u0394") {
            tones.Add(kMajorSeventh);
            seventhGiven = true;
        }
    } else if (reader.Take({"min", "m", "-"})) {
        minor = true;
        tones.Replace(kMajorThird, kMinorThird);
    } else {
        anyQuality = false;
    }

    // The extension.
    const auto seventh = [&] {
        if (!seventhGiven) {
            tones.Add(majorSeventh ? kMajorSeventh : kFlatSeventh);
        }
    };
    if (!seventhGiven) {
        if (const auto number = reader.Take({"6/9", "69", "13", "11", "9", "7", "6", "5"})) {
            if (*number == "5") {
                if (anyQuality) {
                    CannotRead(text, std::string("5") + std::string(reader.Rest()));
                }
                tones.Remove(kMajorThird);
            } else if (*number == "6") {
                tones.Add(kSixth);
            } else if (*number == "6/9" || *number == "69") {
                tones.Add(kSixth);
                tones.Add(kNinth);
            } else {
                seventh();
                if (*number != "7") {
                    tones.Add(kNinth);
                }
                if (*number == "11" || (*number == "13" && minor)) {
                    tones.Add(kEleventh);
                }
                if (*number == "13") {
                    tones.Add(kThirteenth);
                }
                if (*number == "7" && !majorSeventh && !minor && reader.Take({"alt"})) {
                    tones.Remove(kFifth);
                    for (const int altered : {kFlatFifth, kSharpFifth, kFlatNinth, kSharpNinth}) {
                        tones.Add(altered);
                    }
                }
            }
        } else if (majorSeventh) {
            CannotRead(text, reader.Rest());
        }
    }

    // The suspension.
    if (const auto sus = reader.Take({"sus2", "sus4", "sus"})) {
        tones.Remove(kMajorThird);
        tones.Remove(kMinorThird);
        tones.Add(*sus == "sus2" ? kNinth : kFourth);
    }

    // Alterations and added tones, loose or in parentheses.
    while (!reader.Done() && !reader.Rest().starts_with("/")) {
        if (reader.Take({"("})) {
            do {
                if (!ReadAlteration(reader, tones, text)) {
                    CannotRead(text, reader.Rest());
                }
            } while (reader.Take({", ", ",", " "}));
            if (!reader.Take({")"})) {
                CannotRead(text, reader.Rest());
            }
        } else if (!ReadAlteration(reader, tones, text)) {
            CannotRead(text, reader.Rest());
        }
    }

    // The bass.
    if (reader.Take({"/"})) {
        const std::string_view rest = reader.Rest();
        const auto bass = ReadNoteName(rest);
        if (!bass || bass->length != rest.size()) {
            CannotRead(text, bass ? rest.substr(bass->length) : rest);
        }
        chord.bass = bass->note;
    }
    chord.tones = tones.Set();
    return chord;
}

}  // namespace orvel
