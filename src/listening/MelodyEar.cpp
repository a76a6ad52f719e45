// SPDX-License-Identifier: GPL-3.0-or-later
#include "listening/MelodyEar.h"

#include <aubio/aubio.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "listening/Hops.h"
#include "listening/ListenError.h"

namespace orvel {

namespace {

constexpr double kConfidence = 0.8;
constexpr double kLowestHz = 50;
constexpr double kHighestHz = 2000;
constexpr double kSilenceDb = -50;
constexpr double kShortestNote = 0.06;  // seconds
constexpr double kLongestGap = 0.03;    // seconds of no pitch that end a note
constexpr double kHeldWithin = 0.7;     // semitones from the note's pitch
constexpr int kFramesToChange = 2;      // frames off the note that make a new one
constexpr double kOnsetReach = 0.1;     // seconds an onset may lead a note's start
// A note's sound falling below this share of its peak, then rising past
// the second, strikes it again.
constexpr double kDip = 0.35;
constexpr double kRise = 0.7;

struct Deleter {
    void operator()(aubio_pitch_t* pitch) const { del_aubio_pitch(pitch); }
    void operator()(aubio_onset_t* onset) const { del_aubio_onset(onset); }
    void operator()(fvec_t* vector) const { del_fvec(vector); }
};

// A hop of about 12 ms at any rate, a power of two, and a window four hops long.
uint_t HopFor(int rate) {
    uint_t hop = 32;
    while (hop * 2 <= static_cast<uint_t>(rate * 0.012 * 1.41)) {
        hop *= 2;
    }
    return hop;
}

// A note being heard: its start, its last voiced frame, its mean pitch.
struct Sounding {
    double start = 0;
    double last = 0;
    double pitchSum = 0;
    int frames = 0;
    int offFrames = 0;    // frames in a row off its pitch
    double offSince = 0;  // the first of them
    double offPitchSum = 0;
    double peak = 0;  // its loudest frame
    bool dipped = false;
    double Pitch() const { return pitchSum / frames; }
};

struct RawNote {
    double pitch;  // fractional MIDI key
    double start;
    double length;
};

class Hearer {
  public:
    explicit Hearer(double hopSeconds) : hopSeconds_(hopSeconds) {}

    void Frame(double time, std::optional<double> pitch, bool onset, double level) {
        // An onset places the start of the next note; a note held is struck
        // again only where its sound dipped and rose again (a spectral onset
        // alone also fires on vibrato).
        if (onset) {
            lastOnset_ = time;
        }
        if (note_) {
            note_->peak = std::max(note_->peak, level);
            note_->dipped = note_->dipped || level < kDip * note_->peak;
            if (note_->dipped && level > kRise * note_->peak &&
                time - note_->start > kShortestNote) {
                Close(time);
                lastOnset_ = time;
            }
        }
        if (!pitch) {
            if (note_ && time - note_->last > kLongestGap) {
                // An onset while the note still sounded was its release (a
                // lossy codec's smear fires one), not the next note's start.
                if (lastOnset_ && *lastOnset_ <= note_->last) {
                    lastOnset_.reset();
                }
                Close(note_->last + hopSeconds_);
            }
            return;
        }
        ++voiced_;
        if (!note_) {
            Open(time, *pitch);
            note_->peak = level;
            return;
        }
        const double off = *pitch - note_->Pitch();
        if (std::abs(off) <= kHeldWithin) {
            note_->pitchSum += *pitch;
            ++note_->frames;
            note_->last = time;
            note_->offFrames = 0;
            note_->offPitchSum = 0;
            return;
        }
        if (note_->offFrames == 0) {
            note_->offSince = time;
        }
        ++note_->offFrames;
        note_->offPitchSum += *pitch;
        if (note_->offFrames >= kFramesToChange) {
            const double since = note_->offSince;
            const double newPitch = note_->offPitchSum / note_->offFrames;
            const int frames = note_->offFrames;
            Close(since);
            Open(since, newPitch);
            note_->pitchSum = newPitch * frames;
            note_->frames = frames;
            note_->last = time;
        }
    }

    void Finish(double time) {
        if (note_) {
            Close(std::min(time, note_->last + hopSeconds_));
        }
    }

    const std::vector<RawNote>& Notes() const { return notes_; }
    int Voiced() const { return voiced_; }

  private:
    void Open(double time, double pitch) {
        const double start = lastOnset_ && time - *lastOnset_ < kOnsetReach ? *lastOnset_ : time;
        note_ = Sounding{start, time, pitch, 1, 0, 0, 0, 0, false};
    }

    void Close(double end) {
        const double length = end - note_->start;
        if (length >= kShortestNote && notes_.size() < Melody::kMostNotes) {
            notes_.push_back({note_->Pitch(), note_->start, length});
        }
        note_.reset();
    }

    double hopSeconds_;
    std::optional<Sounding> note_;
    std::optional<double> lastOnset_;
    std::vector<RawNote> notes_;
    int voiced_ = 0;
};

// How far the notes sit from equal temperament on A = 440, in semitones
// (−0.5 to 0.5): their deviations averaged round the circle, by length.
double TuningOf(const std::vector<RawNote>& notes) {
    double sine = 0;
    double cosine = 0;
    for (const RawNote& note : notes) {
        const double angle = 2 * std::numbers::pi * (note.pitch - std::round(note.pitch));
        sine += note.length * std::sin(angle);
        cosine += note.length * std::cos(angle);
    }
    return notes.empty() ? 0 : std::atan2(sine, cosine) / (2 * std::numbers::pi);
}

}  // namespace

struct MelodyEar::Workings {
    std::unique_ptr<aubio_pitch_t, Deleter> pitch;
    std::unique_ptr<aubio_onset_t, Deleter> onset;
    std::unique_ptr<fvec_t, Deleter> input;
    std::unique_ptr<fvec_t, Deleter> pitchOut;
    std::unique_ptr<fvec_t, Deleter> onsetOut;
    int rate;
    double hopSeconds;
    double delay;  // the detectors answer for a window that ends now: its middle is when
    Hops hops;
    std::size_t frames = 0;
    int sounding = 0;  // frames with sound
    HeardNow now;
    Hearer hearer;

    Workings(int sampleRate, uint_t hop)
        : pitch(new_aubio_pitch("yinfast", hop * 4, hop, static_cast<uint_t>(sampleRate))),
          onset(new_aubio_onset("specflux", hop * 4, hop, static_cast<uint_t>(sampleRate))),
          input(new_fvec(hop)),
          pitchOut(new_fvec(1)),
          onsetOut(new_fvec(1)),
          rate(sampleRate),
          hopSeconds(static_cast<double>(hop) / sampleRate),
          delay(hop * 3 / 2.0 / sampleRate),
          hops(hop),
          hearer(hopSeconds) {}

    void Frame() {
        aubio_pitch_do(pitch.get(), input.get(), pitchOut.get());
        aubio_onset_do(onset.get(), input.get(), onsetOut.get());
        const double time = std::max(0.0, static_cast<double>(frames) * hopSeconds - delay);
        const double hz = pitchOut->data[0];
        const bool loud =
            aubio_silence_detection(input.get(), static_cast<smpl_t>(kSilenceDb)) == 0;
        sounding += loud ? 1 : 0;
        now.level = aubio_level_lin(input.get());
        now.pitch.reset();
        if (loud && hz >= kLowestHz && hz <= kHighestHz &&
            aubio_pitch_get_confidence(pitch.get()) >= kConfidence) {
            now.pitch = 69 + 12 * std::log2(hz / 440);
        }
        hearer.Frame(time, now.pitch, onsetOut->data[0] > 0, now.level);
        ++frames;
        now.seconds = static_cast<double>(frames) * hopSeconds;
    }
};

MelodyEar::MelodyEar(int sampleRate) {
    const uint_t hop = HopFor(sampleRate);
    workings_ = std::make_unique<Workings>(sampleRate, hop);
    Workings& w = *workings_;
    if (!w.pitch || !w.onset || !w.input || !w.pitchOut || !w.onsetOut) {
        throw ListenError("the pitch detector could not be made at " + std::to_string(sampleRate) +
                          " Hz");
    }
    aubio_pitch_set_unit(w.pitch.get(), "Hz");
    aubio_pitch_set_silence(w.pitch.get(), static_cast<smpl_t>(kSilenceDb));
    aubio_onset_set_silence(w.onset.get(), static_cast<smpl_t>(kSilenceDb));
}

MelodyEar::~MelodyEar() = default;

void MelodyEar::Hear(std::span<const float> mono) {
    Workings& w = *workings_;
    w.hops.Cut(mono, [&](std::span<const float> hop) {
        std::copy(hop.begin(), hop.end(), w.input->data);
        w.Frame();
    });
}

HeardNow MelodyEar::Now() const {
    return workings_->now;
}

Heard MelodyEar::SoFar() const {
    const Workings& w = *workings_;
    Hearer hearer = w.hearer;
    const double seconds = static_cast<double>(w.frames) * w.hopSeconds;
    hearer.Finish(seconds);

    Heard heard;
    heard.mode = ListenMode::Melody;
    heard.seconds = seconds;
    heard.clearShare = w.sounding == 0 ? 0 : static_cast<double>(hearer.Voiced()) / w.sounding;
    const double tuning = TuningOf(hearer.Notes());
    heard.tuningCents = tuning * 100;
    for (const RawNote& raw : hearer.Notes()) {
        heard.notes.push_back(
            {static_cast<int>(std::lround(raw.pitch - tuning)), raw.start, raw.length});
    }
    return heard;
}

}  // namespace orvel
