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

// The symbol ends where `wanted` should follow.
[[noreturn]] void EndsTooSoon(std::string_view symbol, std::string_view wanted) {
    throw ChordSymbolError(Quoted(symbol) + ": " + std::string(wanted) + " missing at the end");
}

[[noreturn]] void Contradicts(std::string_view symbol, std::string_view why) {
    throw ChordSymbolError(Quoted(symbol) + ": " + std::string(why));
}

// Lead sheets also raise with "+" and lower with "-" (C7+5, C7-9).
const std::initializer_list<std::string_view> kFlat = {"b", "\u266D", "-"};
const std::initializer_list<std::string_view> kSharp = {"#", "\u266F", "+"};

// One alteration or added tone, if the text starts with one; `inParentheses`
// also takes a plain 9, 11 or 13 as an added tone ("C7(13)").
bool ReadAlteration(Reader& reader, Tones& tones, std::string_view symbol, bool inParentheses,
                    bool ninthWritten) {
    if (inParentheses) {
        if (const auto tone = reader.Take({"13", "11", "9"})) {
            tones.Add(*tone == "13" ? kThirteenth : *tone == "11" ? kEleventh : kNinth);
            return true;
        }
    }
    if (reader.Take({"add"})) {
        const auto tone = reader.Take({"13", "11", "9", "4", "2"});
        if (!tone && reader.Done()) {
            EndsTooSoon(symbol, "the tone added");
        }
        if (!tone) {
            CannotRead(symbol, reader.Rest());
        }
        tones.Add(*tone == "13" ? kThirteenth : *tone == "11" || *tone == "4" ? kEleventh : kNinth);
        return true;
    }
    const auto sign = reader.Take(kFlat);
    const bool flat = sign.has_value();
    const auto sharpSign = flat ? std::nullopt : reader.Take(kSharp);
    const bool sharp = sharpSign.has_value();
    if (!flat && !sharp) {
        return false;
    }
    const auto degree = reader.Take({"13", "11", "9", "6", "5"});
    if (!degree && *(flat ? sign : sharpSign) == "+" &&
        (reader.Done() || reader.Rest()[0] == '/')) {
        tones.Replace(kFifth, kSharpFifth);  // C7+: the augmented fifth
        return true;
    }
    if (!degree && reader.Done()) {
        EndsTooSoon(symbol, "the degree after \"" + std::string(flat ? *sign : *sharpSign) + "\"");
    }
    if (!degree) {
        CannotRead(symbol, reader.Rest());
    }
    if (*degree == "6" && flat) {
        tones.Add(kFlatThirteenth);  // Cmb6: the minor sixth above a triad
    } else if (*degree == "5") {
        tones.Replace(kFifth, flat ? kFlatFifth : kSharpFifth);
    } else if (*degree == "9") {
        if (ninthWritten) {
            Contradicts(symbol, "the " + std::string(flat ? "b" : "#") + "9 contradicts the 9");
        }
        if (sharp && tones.Has(kMinorThird) && !tones.Has(kMajorThird)) {
            Contradicts(symbol, "the #9 is the minor third");
        }
        tones.Replace(kNinth, flat ? kFlatNinth : kSharpNinth);
    } else if (*degree == "11" && sharp) {
        tones.Replace(kEleventh, kSharpEleventh);
    } else if (*degree == "13" && flat) {
        tones.Replace(kThirteenth, kFlatThirteenth);
    } else {
        CannotRead(symbol, std::string(flat ? *sign : *sharpSign) + std::string(*degree) +
                               std::string(reader.Rest()));
    }
    return true;
}

}  // namespace

SpelledScale ChordSymbol::Spelled() const {
    return SpellScale(tones, root, SpellAs::Chord);
}

SpelledScale ChordSymbol::Sounding() const {
    SpelledScale sounding = Spelled();
    if (!bass) {
        return sounding;
    }
    const int semitones = root.PitchClass().SemitonesUpTo(bass->PitchClass());
    Interval interval;
    for (const Interval& tone : IntervalsOf(tones | PositionBit(semitones), SpellAs::Chord)) {
        if (tone.Semitones() % 12 == semitones) {
            interval = tone;
        }
    }
    if (const auto degree = sounding.DegreeOf(bass->PitchClass())) {
        const auto at = static_cast<std::ptrdiff_t>(*degree);
        sounding.notes.erase(sounding.notes.begin() + at);
        sounding.intervals.erase(sounding.intervals.begin() + at);
    }
    sounding.notes.insert(sounding.notes.begin(), *bass);
    sounding.intervals.insert(sounding.intervals.begin(), interval);
    return sounding;
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
    if (text.empty()) {
        throw ChordSymbolError("an empty chord symbol");
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
    if (reader.Take({"m(maj7)", "m(Maj7)", "-(maj7)", "m/maj7", "m/Maj7", "m\u03947", "m\u0394",
                     "-\u03947", "-\u0394", "m^7", "m^", "-^7", "-^"})) {
        minor = true;
        tones.Replace(kMajorThird, kMinorThird);
        tones.Add(kMajorSeventh);
        majorSeventh = seventhGiven = true;
    } else if (reader.TakeBeforeDigit("mMaj") || reader.TakeBeforeDigit("mmaj") ||
               reader.TakeBeforeDigit("minMaj") || reader.TakeBeforeDigit("mM") ||
               reader.TakeBeforeDigit("-maj")) {
        minor = majorSeventh = true;  // CmMaj7, CmMaj9: the number follows
        tones.Replace(kMajorThird, kMinorThird);
    } else if (reader.Take({"m7b5", "m7\u266D5", "m7(b5)", "mi7b5", "min7b5", "-7b5", "\u00F87",
                            "\u00F8", "\u00D87", "\u00D8", "h7", "h"})) {
        minor = true;
        tones.Replace(kMajorThird, kMinorThird);
        tones.Replace(kFifth, kFlatFifth);
        tones.Add(kFlatSeventh);
        seventhGiven = true;
    } else if (reader.Take({"dim7", "\u00B07", "\u00BA7", "o7"})) {
        tones.Replace(kMajorThird, kMinorThird);
        tones.Replace(kFifth, kFlatFifth);
        tones.Add(kSixth);  // the diminished seventh, 𝄫7
        seventhGiven = true;
    } else if (reader.Take({"dim", "\u00B0", "\u00BA", "o"})) {
        tones.Replace(kMajorThird, kMinorThird);
        tones.Replace(kFifth, kFlatFifth);
    } else if (reader.Take({"aug", "+"})) {
        tones.Replace(kFifth, kSharpFifth);
        // C+maj7, C+Δ: an augmented major seventh.
        if (const auto major = reader.Take({"maj", "Maj", "M", "\u0394", "^"})) {
            if (reader.NextIsDigit()) {
                majorSeventh = true;
            } else if (*major == "\u0394" || *major == "^") {
                tones.Add(kMajorSeventh);
                seventhGiven = true;
            } else {
                CannotRead(text, std::string(*major) + std::string(reader.Rest()));
            }
        }
    } else if (reader.Take({"MIN", "Min", "MI", "Mi"})) {  // before "M", the major
        minor = true;
        tones.Replace(kMajorThird, kMinorThird);
    } else if (reader.TakeBeforeDigit("ma") || reader.TakeBeforeDigit("Ma") ||
               reader.TakeBeforeDigit("MA")) {
        majorSeventh = true;  // "ma7": "ma" alone would be "m" and a word
    } else if (const auto major = reader.Take({"maj", "Maj", "MAJ", "M", "\u0394", "^"})) {
        if (reader.NextIsDigit()) {
            majorSeventh = true;
        } else if (*major == "\u0394" || *major == "^") {
            tones.Add(kMajorSeventh);
            seventhGiven = true;
        }
    } else if (reader.Take({"min", "mi", "m", "-"})) {
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
    std::optional<std::string_view> number;
    if (!seventhGiven) {
        if ((number = reader.Take({"6/9", "69", "13", "11", "9", "7", "6", "5"}))) {
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

    // Alterations and added tones, loose or in parentheses, and a
    // suspension written after them (C7b9sus).
    const bool ninthWritten = number == "9";
    while (!reader.Done() && !reader.Rest().starts_with("/")) {
        if (reader.Take({"("})) {
            do {
                if (!ReadAlteration(reader, tones, text, true, ninthWritten)) {
                    CannotRead(text, reader.Rest());
                }
            } while (reader.Take({", ", ",", " "}));
            if (!reader.Take({")"})) {
                if (reader.Done()) {
                    EndsTooSoon(text, "\")\"");
                }
                CannotRead(text, reader.Rest());
            }
        } else if (const auto sus = reader.Take({"sus2", "sus4", "sus"})) {
            tones.Remove(kMajorThird);
            tones.Remove(kMinorThird);
            tones.Add(*sus == "sus2" ? kNinth : kFourth);
        } else if (!ReadAlteration(reader, tones, text, false, ninthWritten)) {
            CannotRead(text, reader.Rest());
        }
    }

    // The bass.
    if (reader.Take({"/"})) {
        const std::string_view rest = reader.Rest();
        if (rest.empty()) {
            EndsTooSoon(text, "the bass note after \"/\"");
        }
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
