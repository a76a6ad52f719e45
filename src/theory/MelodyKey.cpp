// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/MelodyKey.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <optional>

#include "theory/SpelledScale.h"

namespace orvel {

namespace {

using Profile = std::array<double, 12>;

constexpr Profile kMajor{17.7661,  0.145624, 14.9265,  0.160186, 19.8049,  11.3587,
                         0.291248, 22.062,   0.145624, 8.15494,  0.232998, 4.95122};
constexpr Profile kMinor{18.2648,  0.737619, 14.0499, 16.8599, 0.702494, 14.4362,
                         0.702494, 18.6161,  4.56621, 1.93186, 7.37619,  1.75623};
// Tonic and fifth, both thirds, the fourth, the flat fifth and seventh.
constexpr Profile kBlues{17.7661, 0.3, 6, 12, 12, 11.3587, 6, 22.062, 0.3, 6, 10, 0.3};

constexpr double kTonicLast = 0.1;
constexpr double kSignature = 0.05;
constexpr double kModeNamed = 0.1;
constexpr double kClose = 0.05;
constexpr double kNearMode = -0.03;
constexpr double kFarMode = -0.05;
constexpr double kOwnDegreeHeard = 0.02;
constexpr double kOwnDegreeShare = 0.02;
// The blues is heard only where both thirds and the flat seventh are.
constexpr double kBlueNoteShare = 0.04;

// A profile with the degrees `a` and `b` swapped: a mode's own degree takes
// the rating of the one it alters.
constexpr Profile Swapped(Profile profile, std::size_t a, std::size_t b) {
    std::swap(profile[a], profile[b]);
    return profile;
}

Profile ProfileOf(KeyMode mode) {
    switch (mode) {
        case KeyMode::Major:
            return kMajor;
        case KeyMode::Minor:
            return kMinor;
        case KeyMode::Dorian:
            return Swapped(kMinor, 8, 9);
        case KeyMode::Phrygian:
            return Swapped(kMinor, 1, 2);
        case KeyMode::Lydian:
            return Swapped(kMajor, 5, 6);
        case KeyMode::Mixolydian:
            return Swapped(kMajor, 10, 11);
        case KeyMode::Blues:
            return kBlues;
    }
    return kMajor;
}

// Dorian's and Mixolydian's own degree, and the degree of minor or major
// each alters.
struct Alteration {
    int own;
    int altered;
};

std::optional<Alteration> AlterationOf(KeyMode mode) {
    if (mode == KeyMode::Dorian) {
        return Alteration{9, 8};
    }
    if (mode == KeyMode::Mixolydian) {
        return Alteration{10, 11};
    }
    return std::nullopt;
}

// What a mode other than major and minor must overcome, unless it is Dorian
// or Mixolydian and its own degree is plainly heard and the one it alters
// hardly at all. The blues is a candidate only where its blue notes are
// heard.
double Prior(KeyMode mode, const NoteWeights& weights, PitchClass tonic) {
    if (mode == KeyMode::Major || mode == KeyMode::Minor || mode == KeyMode::Blues) {
        return 0;
    }
    if (const std::optional<Alteration> alteration = AlterationOf(mode)) {
        const double own = weights.Of(tonic.Up(alteration->own));
        if (own >= kOwnDegreeShare * weights.Total() &&
            weights.Of(tonic.Up(alteration->altered)) * 4 <= own) {
            return kOwnDegreeHeard;
        }
        return kNearMode;
    }
    return kFarMode;
}

// Pearson's correlation of the melody's weights, read from `tonic` up,
// with a key profile; 0 where either is flat.
double Correlation(const NoteWeights& weights, PitchClass tonic, const Profile& profile) {
    Profile heard{};
    for (int degree = 0; degree < 12; ++degree) {
        heard[static_cast<std::size_t>(degree)] = weights.Of(tonic.Up(degree));
    }
    const double heardMean = std::accumulate(heard.begin(), heard.end(), 0.0) / 12;
    const double profileMean = std::accumulate(profile.begin(), profile.end(), 0.0) / 12;
    double product = 0;
    double heardSquares = 0;
    double profileSquares = 0;
    for (std::size_t degree = 0; degree < 12; ++degree) {
        const double h = heard[degree] - heardMean;
        const double p = profile[degree] - profileMean;
        product += h * p;
        heardSquares += h * h;
        profileSquares += p * p;
    }
    const double spread = std::sqrt(heardSquares * profileSquares);
    return spread > 0 ? product / spread : 0;
}

bool BlueNotesHeard(const NoteWeights& weights, PitchClass tonic) {
    const double least = kBlueNoteShare * weights.Total();
    return weights.Of(tonic.Up(3)) >= least && weights.Of(tonic.Up(4)) >= least &&
           weights.Of(tonic.Up(10)) >= least;
}

// The major key a signature of `fifths` sharps (or flats) is written for.
NoteName MajorTonicOf(int fifths) {
    return {((4 * fifths) % 7 + 7) % 7, static_cast<int>(std::floor((fifths + 1) / 7.0))};
}

// The key signatures in force over the span.
std::vector<WrittenKey> SignaturesOver(const Melody& melody, const MelodySpan& span) {
    std::vector<WrittenKey> inForce;
    for (const WrittenKey& written : melody.keys) {
        const int bar = melody.BarAt(written.start);
        if (bar <= span.firstBar) {
            inForce.assign(1, written);
        } else if (bar <= span.lastBar) {
            inForce.push_back(written);
        }
    }
    return inForce;
}

double SignatureEvidence(const Key& key, std::span<const WrittenKey> signatures) {
    double evidence = 0;
    for (const WrittenKey& written : signatures) {
        const Key signatureKey{MajorTonicOf(written.fifths), KeyMode::Major};
        if (key.mode == KeyMode::Blues ||
            NotesOn(key.Collection(), key.tonic.PitchClass()) !=
                NotesOn(signatureKey.Collection(), signatureKey.tonic.PitchClass())) {
            continue;
        }
        evidence = std::max(evidence, kSignature + (written.mode == key.mode ? kModeNamed : 0));
    }
    return evidence;
}

NoteName TonicName(const Melody& melody, const MelodySpan& span,
                   std::span<const WrittenKey> signatures, const Key& key) {
    const PitchClass tonic = key.tonic.PitchClass();
    for (const MelodyNote& note : melody.NotesIn(span.firstBar, span.lastBar)) {
        if (note.written && note.written->PitchClass() == tonic && span.Holds(melody, note)) {
            return *note.written;
        }
    }
    for (const WrittenKey& written : signatures) {
        const NoteName major = MajorTonicOf(written.fifths);
        const SpelledScale scale = SpellScale(Key{}.Collection(), major);
        for (const NoteName& name : scale.notes) {
            if (name.PitchClass() == tonic) {
                return name;
            }
        }
    }
    return SpellScale(key.Collection(), tonic).root;
}

}  // namespace

std::vector<Key> FindMelodyKeys(const Melody& melody, const MelodySpan& span,
                                const MelodyProfile& profile) {
    if (profile.weights.Total() <= 0) {
        return {};
    }
    const std::vector<WrittenKey> signatures = SignaturesOver(melody, span);
    struct Scored {
        Key key;
        double score;
    };
    std::vector<Scored> scored;
    for (int tonic = 0; tonic < 12; ++tonic) {
        for (const KeyMode mode : kKeyModes) {
            if (mode == KeyMode::Blues && !BlueNotesHeard(profile.weights, PitchClass(tonic))) {
                continue;
            }
            const Key key{NamedBy(PitchClass(tonic), 0), mode};
            double score = Correlation(profile.weights, PitchClass(tonic), ProfileOf(mode)) +
                           Prior(mode, profile.weights, PitchClass(tonic)) +
                           SignatureEvidence(key, signatures);
            if (profile.lastNote == PitchClass(tonic)) {
                score += kTonicLast;
            }
            scored.push_back({key, score});
        }
    }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const Scored& a, const Scored& b) { return a.score > b.score; });
    std::vector<Key> keys{scored.front().key};
    for (const Scored& candidate : scored) {
        if (candidate.score < scored.front().score - kClose) {
            break;
        }
        if (IsRelativeKey(candidate.key, keys.front())) {
            keys.push_back(candidate.key);
            break;
        }
    }
    for (Key& key : keys) {
        key.tonic = TonicName(melody, span, signatures, key);
    }
    return keys;
}

}  // namespace orvel
