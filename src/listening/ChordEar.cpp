// SPDX-License-Identifier: GPL-3.0-or-later
#include "listening/ChordEar.h"

#include <aubio/aubio.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "listening/Hops.h"
#include "listening/ListenError.h"

namespace orvel {

namespace {

constexpr double kLowestHz = 50;
constexpr double kHighestHz = 5000;
constexpr double kBassBelowHz = 260;
constexpr double kSilenceDb = -50;
constexpr double kPeakShare = 0.05;  // of the frame's strongest, to count as a peak
constexpr int kHighestHarmonic = 8;
constexpr double kHarmonicWithin = 0.3;  // semitones
constexpr double kSegmentSeconds = 1 / Heard::kBeatsPerSecond;
constexpr int kBinsPerSemitone = 4;
constexpr int kBins = 12 * kBinsPerSemitone;
constexpr double kStandsOut = 2;    // the strongest over the mean, in a clear segment
constexpr double kNoteShare = 0.3;  // of the strongest, to be one of the notes
constexpr std::size_t kMostSegments = Melody::kMostNotes / 12;

struct Deleter {
    void operator()(aubio_pvoc_t* vocoder) const { del_aubio_pvoc(vocoder); }
    void operator()(fvec_t* vector) const { del_fvec(vector); }
    void operator()(cvec_t* vector) const { del_cvec(vector); }
};

// A window of about 0.15 to 0.3 s, a power of two, and a hop a quarter of it.
uint_t WindowFor(int rate) {
    uint_t window = 1024;
    while (window < static_cast<uint_t>(rate * 0.15)) {
        window *= 2;
    }
    return window;
}

using Bins = std::array<float, kBins>;

struct Segment {
    Bins all{};
    Bins bass{};
    bool sounding = false;
};

struct Peak {
    double hz;
    double pitch;  // a MIDI key with its fraction
    double strength;
};

std::size_t BinOf(double pitch) {
    const double withinOctave = pitch - 12 * std::floor(pitch / 12);
    return std::min(static_cast<std::size_t>(withinOctave * kBinsPerSemitone),
                    static_cast<std::size_t>(kBins - 1));
}

// The pitch class a bin's middle names, the tuning (in semitones) taken out.
int PitchClassOf(std::size_t bin, double tuning) {
    const double middle = (static_cast<double>(bin) + 0.5) / kBinsPerSemitone;
    const long rounded = std::lround(middle - tuning);
    return static_cast<int>(((rounded % 12) + 12) % 12);
}

std::array<double, 12> Fold(const Bins& bins, double tuning) {
    std::array<double, 12> chroma{};
    for (std::size_t bin = 0; bin < bins.size(); ++bin) {
        chroma[static_cast<std::size_t>(PitchClassOf(bin, tuning))] += bins[bin];
    }
    return chroma;
}

}  // namespace

struct ChordEar::Workings {
    std::unique_ptr<aubio_pvoc_t, Deleter> vocoder;
    std::unique_ptr<fvec_t, Deleter> input;
    std::unique_ptr<cvec_t, Deleter> spectrum;
    int rate;
    uint_t window;
    double hopSeconds;
    double delay;
    Hops hops;
    std::size_t frames = 0;
    std::vector<Segment> segments;
    double tuningSine = 0;
    double tuningCosine = 0;
    HeardNow now;
    std::vector<Peak> peaks;

    Workings(int sampleRate, uint_t windowSize)
        : vocoder(new_aubio_pvoc(windowSize, windowSize / 4)),
          input(new_fvec(windowSize / 4)),
          spectrum(new_cvec(windowSize)),
          rate(sampleRate),
          window(windowSize),
          hopSeconds(static_cast<double>(windowSize / 4) / sampleRate),
          delay(static_cast<double>(windowSize * 3 / 8) / sampleRate),
          hops(windowSize / 4) {}

    void Frame() {
        aubio_pvoc_do(vocoder.get(), input.get(), spectrum.get());
        const double time = std::max(0.0, static_cast<double>(frames) * hopSeconds - delay);
        ++frames;
        now.seconds = static_cast<double>(frames) * hopSeconds;
        now.level = aubio_level_lin(input.get());
        const auto index = static_cast<std::size_t>(time / kSegmentSeconds);
        if (index >= kMostSegments) {
            return;
        }
        if (segments.size() <= index) {
            segments.resize(index + 1);
        }
        if (aubio_silence_detection(input.get(), static_cast<smpl_t>(kSilenceDb)) != 0) {
            return;
        }
        Segment& segment = segments[index];
        segment.sounding = true;
        FindPeaks();
        for (std::size_t i = 0; i < peaks.size(); ++i) {
            const Peak& peak = peaks[i];
            // What the lower peaks' harmonics would bring here: a harmonic
            // h times a note's pitch is taken to be 1/h of its strength.
            double harmonics = 0;
            for (std::size_t j = 0; j < i; ++j) {
                const double ratio = peak.hz / peaks[j].hz;
                const double whole = std::round(ratio);
                if (whole >= 2 && whole <= kHighestHarmonic &&
                    std::abs(12 * std::log2(ratio / whole)) < kHarmonicWithin) {
                    harmonics = std::max(harmonics, peaks[j].strength / whole);
                }
            }
            const double weight = std::max(0.0, peak.strength - harmonics);
            const std::size_t bin = BinOf(peak.pitch);
            segment.all[bin] += static_cast<float>(weight);
            if (weight > 0 && peak.hz < kBassBelowHz) {
                segment.bass[bin] += static_cast<float>(weight);
            }
            const double angle = 2 * std::numbers::pi * (peak.pitch - std::round(peak.pitch));
            tuningSine += weight * std::sin(angle);
            tuningCosine += weight * std::cos(angle);
        }
    }

    // The peaks of the spectrum, lowest first, each placed between its bins
    // by the parabola through the log magnitudes around it.
    void FindPeaks() {
        peaks.clear();
        const smpl_t* magnitude = spectrum->norm;
        const double binHz = static_cast<double>(rate) / window;
        const auto first = static_cast<std::size_t>(std::ceil(kLowestHz / binHz));
        const auto last = std::min(static_cast<std::size_t>(kHighestHz / binHz),
                                   static_cast<std::size_t>(spectrum->length - 2));
        double strongest = 0;
        for (std::size_t k = first; k <= last; ++k) {
            strongest = std::max(strongest, static_cast<double>(magnitude[k]));
        }
        for (std::size_t k = std::max<std::size_t>(first, 1); k <= last; ++k) {
            if (magnitude[k] <= magnitude[k - 1] || magnitude[k] < magnitude[k + 1] ||
                magnitude[k] < kPeakShare * strongest) {
                continue;
            }
            const double before = std::log(magnitude[k - 1] + 1e-9);
            const double at = std::log(magnitude[k] + 1e-9);
            const double after = std::log(magnitude[k + 1] + 1e-9);
            const double bend = before - 2 * at + after;
            const double shift = bend < 0 ? 0.5 * (before - after) / bend : 0;
            const double hz = (static_cast<double>(k) + shift) * binHz;
            peaks.push_back({hz, 69 + 12 * std::log2(hz / 440), magnitude[k]});
        }
    }
};

ChordEar::ChordEar(int sampleRate)
    : workings_(std::make_unique<Workings>(sampleRate, WindowFor(sampleRate))) {
    if (!workings_->vocoder || !workings_->input || !workings_->spectrum) {
        throw ListenError("the spectrum could not be taken at " + std::to_string(sampleRate) +
                          " Hz");
    }
}

ChordEar::~ChordEar() = default;

void ChordEar::Hear(std::span<const float> mono) {
    Workings& w = *workings_;
    w.hops.Cut(mono, [&](std::span<const float> hop) {
        std::copy(hop.begin(), hop.end(), w.input->data);
        w.Frame();
    });
}

HeardNow ChordEar::Now() const {
    return workings_->now;
}

Heard ChordEar::SoFar() const {
    const Workings& w = *workings_;
    Heard heard;
    heard.mode = ListenMode::Chords;
    heard.seconds = static_cast<double>(w.frames) * w.hopSeconds;
    const double tuning = std::atan2(w.tuningSine, w.tuningCosine) / (2 * std::numbers::pi);
    heard.tuningCents = tuning * 100;
    int sounding = 0;
    int clear = 0;
    for (std::size_t index = 0; index < w.segments.size(); ++index) {
        const Segment& segment = w.segments[index];
        if (!segment.sounding) {
            continue;
        }
        ++sounding;
        const std::array<double, 12> chroma = Fold(segment.all, tuning);
        const double strongest = *std::max_element(chroma.begin(), chroma.end());
        double total = 0;
        for (const double share : chroma) {
            total += share;
        }
        if (strongest <= 0 || strongest < kStandsOut * total / 12) {
            continue;
        }
        ++clear;
        const std::array<double, 12> bass = Fold(segment.bass, tuning);
        const auto bassNote = std::max_element(bass.begin(), bass.end()) - bass.begin();
        const bool hasBass = bass[static_cast<std::size_t>(bassNote)] > 0;
        for (int pitchClass = 0; pitchClass < 12; ++pitchClass) {
            const double share = chroma[static_cast<std::size_t>(pitchClass)] / strongest;
            if (share < kNoteShare) {
                continue;
            }
            const bool isBass = hasBass && pitchClass == bassNote;
            heard.notes.push_back({(isBass ? 48 : 60) + pitchClass,
                                   static_cast<double>(index) * kSegmentSeconds,
                                   share * kSegmentSeconds});
        }
    }
    heard.clearShare = sounding == 0 ? 0 : static_cast<double>(clear) / sounding;
    return heard;
}

}  // namespace orvel
