// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/FindKey.h"

#include <algorithm>
#include <array>
#include <span>

#include "scales/PitchClassesAboveC.h"
#include "theory/ChordQuality.h"
#include "theory/SpelledScale.h"

namespace orvel {

namespace {

// How much the evidence counts (documented in the header).
constexpr double kFitWeight = 2.0;
constexpr double kTonicTimeWeight = 1.5;
constexpr double kFirstChord = 0.75;
constexpr double kLastChord = 0.25;
constexpr double kDominantAsTonic = 0.5;
constexpr double kCadence = 0.75;
constexpr double kTritoneCadence = 0.6;
constexpr double kTwoFiveOne = 0.35;
constexpr double kMostCadences = 2.0;
constexpr double kDorianOrMixolydian = -0.4;
constexpr double kDorianOrMixolydianHeard = -0.2;
constexpr double kLydianOrPhrygian = -0.6;
constexpr double kBlues = 0.3;
constexpr double kGoesOnAsTwo = 0.5;
constexpr double kClose = 0.8;
constexpr std::size_t kMostAlternatives = 2;

struct Sounding {
    const ChordSymbol* chord;
    PitchClass root;
    PitchClassSet tones;
    PitchClassesAboveC notes;
    ChordQuality quality;
    double beats;
};

// How strongly a chord of `quality` stands for the tonic of `mode`: 1, a
// dominant chord less, 0 not at all.
double TonicStrength(KeyMode mode, ChordQuality quality) {
    switch (mode) {
        case KeyMode::Major:
        case KeyMode::Lydian:
            return quality == ChordQuality::Major ? 1 : 0;
        case KeyMode::Minor:
        case KeyMode::Dorian:
        case KeyMode::Phrygian:
            return quality == ChordQuality::Minor ? 1 : 0;
        case KeyMode::Mixolydian:
            return quality == ChordQuality::Major      ? 1
                   : quality == ChordQuality::Dominant ? kDominantAsTonic
                                                       : 0;
        case KeyMode::Blues:
            return quality == ChordQuality::Dominant ? 1 : 0;
    }
    return 0;
}

int Outside(PitchClassesAboveC notes, PitchClassesAboveC collection) {
    return PitchClassesAboveC::FromBits(notes.Bits() & ~collection.Bits()).Count();
}

// A dominant seventh, or a major chord without a major seventh (V as a
// triad).
bool ActsAsDominant(const Sounding& chord) {
    return chord.quality == ChordQuality::Dominant ||
           (chord.quality == ChordQuality::Major && !HasPosition(chord.tones, 11));
}

bool Resolves(const Sounding& chord, const Sounding& next) {
    return (ActsAsDominant(chord) && chord.root.Up(5) == next.root) ||
           (chord.quality == ChordQuality::Dominant && chord.root.Up(-1) == next.root);
}

class KeyScore {
  public:
    KeyScore(std::span<const Sounding> chords, double totalBeats)
        : chords_(chords), totalBeats_(totalBeats) {}

    double Of(PitchClass tonic, KeyMode mode) const {
        const PitchClassesAboveC collection = NotesOn(Key{{}, mode}.Collection(), tonic);
        if (mode == KeyMode::Blues && !BluesChords(tonic)) {
            return -1e9;
        }
        double fit = 0;
        double tonicTime = 0;
        double cadences = 0;
        for (std::size_t i = 0; i < chords_.size(); ++i) {
            const Sounding& chord = chords_[i];
            PitchClassesAboveC allowed = collection;
            if (mode == KeyMode::Minor) {
                allowed |= MinorRaised(chord.root, tonic);
            }
            fit += chord.beats * Fit(i, allowed);
            const double strength = chord.root == tonic ? TonicStrength(mode, chord.quality) : 0.0;
            tonicTime += chord.beats * strength;
            if (strength > 0) {
                cadences += Cadence(i, tonic);
            }
        }
        const auto endStrength = [&](const Sounding& chord) {
            return chord.root == tonic ? TonicStrength(mode, chord.quality) : 0.0;
        };
        double score = kFitWeight * fit / totalBeats_ + kTonicTimeWeight * tonicTime / totalBeats_ +
                       kFirstChord * endStrength(chords_.front()) +
                       kLastChord * endStrength(chords_.back()) + std::min(cadences, kMostCadences);
        if (mode == KeyMode::Blues) {
            score += kBlues;
        } else if (mode == KeyMode::Dorian || mode == KeyMode::Mixolydian) {
            // Unheard, their sixth or seventh leaves the key major or minor.
            const int characteristic = mode == KeyMode::Dorian ? 9 : 10;
            score +=
                Heard(tonic.Up(characteristic)) ? kDorianOrMixolydianHeard : kDorianOrMixolydian;
        } else if (mode == KeyMode::Lydian || mode == KeyMode::Phrygian) {
            score += kLydianOrPhrygian;
        }
        return score;
    }

  private:
    bool Heard(PitchClass note) const {
        return std::any_of(chords_.begin(), chords_.end(),
                           [note](const Sounding& chord) { return chord.notes.Has(note); });
    }

    // A minor key's raised notes a chord on `root` may take: the leading
    // tone on V and vii (E7 in A minor), the raised sixth and seventh on i
    // (Am6, Am(maj7)).
    static PitchClassesAboveC MinorRaised(PitchClass root, PitchClass tonic) {
        PitchClassesAboveC raised;
        const int degree = tonic.SemitonesUpTo(root);
        if (degree == 0 || degree == 7 || degree == 11) {
            raised.Add(tonic.Up(11));
        }
        if (degree == 0) {
            raised.Add(tonic.Up(9));
        }
        return raised;
    }

    bool BluesChords(PitchClass tonic) const {
        const auto dominantOn = [this](PitchClass root) {
            return std::any_of(chords_.begin(), chords_.end(), [root](const Sounding& chord) {
                return chord.root == root && chord.quality == ChordQuality::Dominant;
            });
        };
        return dominantOn(tonic) && dominantOn(tonic.Up(5));
    }

    // The share of chord i's notes the key explains, outside notes counting
    // twice against it, from -2 to 1.
    double Fit(std::size_t i, PitchClassesAboveC collection) const {
        const Sounding& chord = chords_[i];
        if (i + 1 < chords_.size() && Resolves(chord, chords_[i + 1]) &&
            Outside(chords_[i + 1].notes, collection) == 0) {
            return 1;
        }
        const int size = chord.notes.Count();
        const int outside = Outside(chord.notes, collection);
        return static_cast<double>(size - 3 * outside) / size;
    }

    // The cadence that ends on chord i, a tonic chord. The first chord is
    // reached from the last where the last turns back to it; an arrival
    // that goes on to its own dominant is heard as a ii (Cm7 F7 after G7)
    // and counts less.
    double Cadence(std::size_t i, PitchClass tonic) const {
        const std::size_t count = chords_.size();
        if (count < 2 || (i == 0 && !Resolves(chords_.back(), chords_.front()))) {
            return 0;
        }
        const Sounding& before = chords_[(i + count - 1) % count];
        double cadence = 0;
        if (ActsAsDominant(before) && before.root == tonic.Up(7)) {
            cadence = kCadence;
        } else if (before.quality == ChordQuality::Dominant && before.root == tonic.Up(1)) {
            cadence = kTritoneCadence;
        } else {
            return 0;
        }
        if (count >= 3) {
            const Sounding& two = chords_[(i + count - 2) % count];
            if (two.root == tonic.Up(2) && (two.quality == ChordQuality::Minor ||
                                            two.quality == ChordQuality::HalfDiminished)) {
                cadence += kTwoFiveOne;
            }
        }
        const bool goesOnAsTwo = i + 1 < count &&
                                 chords_[i + 1].quality == ChordQuality::Dominant &&
                                 chords_[i + 1].root == tonic.Up(5);
        return goesOnAsTwo ? cadence * kGoesOnAsTwo : cadence;
    }

    std::span<const Sounding> chords_;
    double totalBeats_;
};

NoteName TonicName(std::span<const Sounding> chords, const Key& key, PitchClass tonic) {
    for (const Sounding& chord : chords) {
        if (chord.root == tonic) {
            return chord.chord->root;
        }
    }
    return SpellScale(key.Collection(), tonic).root;
}

}  // namespace

std::vector<Key> FindKeys(const Progression& progression) {
    std::vector<Sounding> chords;
    double totalBeats = 0;
    for (const PlayedItem& played : progression.played) {
        const ProgressionItem& item = progression.items[played.item];
        if (!item.chord) {
            continue;
        }
        chords.push_back({&*item.chord, item.chord->root.PitchClass(), item.chord->tones,
                          item.chord->Notes(), QualityOf(item.chord->tones), played.beats});
        totalBeats += played.beats;
    }
    if (chords.empty()) {
        return {};
    }
    const KeyScore score(chords, totalBeats);
    struct Scored {
        PitchClass tonic;
        KeyMode mode;
        double score;
    };
    std::vector<Scored> scored;
    for (int tonic = 0; tonic < kPositionCount; ++tonic) {
        for (const KeyMode mode : kKeyModes) {
            scored.push_back({PitchClass(tonic), mode, score.Of(PitchClass(tonic), mode)});
        }
    }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const Scored& a, const Scored& b) { return a.score > b.score; });
    std::vector<Key> keys;
    for (const Scored& candidate : scored) {
        const bool tonicTaken = std::any_of(keys.begin(), keys.end(), [&](const Key& key) {
            return key.tonic.PitchClass() == candidate.tonic;
        });
        if (tonicTaken) {
            continue;
        }
        if (!keys.empty() &&
            (candidate.score < scored.front().score - kClose || keys.size() > kMostAlternatives)) {
            break;
        }
        Key key{{}, candidate.mode};
        if (!keys.empty() &&
            !IsRelativeKey(Key{NamedBy(candidate.tonic, 0), candidate.mode}, keys.front())) {
            continue;
        }
        key.tonic = TonicName(chords, key, candidate.tonic);
        keys.push_back(key);
    }
    return keys;
}

}  // namespace orvel
