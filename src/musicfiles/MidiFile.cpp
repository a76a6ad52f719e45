// SPDX-License-Identifier: GPL-3.0-or-later
#include "musicfiles/MidiFile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "musicfiles/MusicFileError.h"
#include "musicfiles/TempoMap.h"

namespace orvel {

namespace {

constexpr int kDrumChannel = 9;             // channel 10 as players count
constexpr std::size_t kMostMarks = 10'000;  // tempo, meter and key changes each

// The bytes of one chunk, read from the front; running out is an error that
// names the chunk.
class ByteReader {
  public:
    ByteReader(std::span<const std::uint8_t> bytes, std::string where)
        : bytes_(bytes), where_(std::move(where)) {}

    bool AtEnd() const { return position_ >= bytes_.size(); }
    std::size_t Left() const { return bytes_.size() - position_; }

    std::uint8_t Peek() const {
        Need(1);
        return bytes_[position_];
    }
    std::uint8_t Byte() {
        Need(1);
        return bytes_[position_++];
    }
    std::uint32_t Big(int count) {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i) {
            value = (value << 8) | Byte();
        }
        return value;
    }
    // A variable-length quantity: seven bits a byte, four bytes at most.
    std::uint32_t Quantity(const char* what) {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t byte = Byte();
            value = (value << 7) | (byte & 0x7F);
            if ((byte & 0x80) == 0) {
                return value;
            }
        }
        throw MusicFileError(std::string(what) + " longer than four bytes in " + where_);
    }
    std::span<const std::uint8_t> Take(std::size_t count) {
        Need(count);
        const std::span<const std::uint8_t> taken = bytes_.subspan(position_, count);
        position_ += count;
        return taken;
    }

  private:
    void Need(std::size_t count) const {
        if (count > Left()) {
            throw MusicFileError(where_ + " ends too soon");
        }
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
    std::string where_;
};

struct TempoMark {
    std::uint64_t tick;
    std::uint32_t microsecondsPerBeat;
};
struct MeterMark {
    std::uint64_t tick;
    double beatsPerBar;
};
struct KeyMark {
    std::uint64_t tick;
    WrittenKey key;
};
struct RawNote {
    std::uint64_t on;
    std::uint64_t off;
    int key;
    std::size_t part;
};

// Everything read from the tracks, in ticks.
struct Events {
    std::vector<RawNote> notes;
    std::vector<TempoMark> tempi;
    std::vector<MeterMark> meters;
    std::vector<KeyMark> keys;
    std::vector<MelodyPart> parts;
    bool truncated = false;
};

class TrackReader {
  public:
    TrackReader(Events& events, int trackNumber) : events_(events), trackNumber_(trackNumber) {}

    void Read(ByteReader track) {
        std::uint64_t tick = 0;
        std::uint8_t runningStatus = 0;
        while (!track.AtEnd()) {
            tick += track.Quantity("a delta time");
            std::uint8_t status = track.Peek();
            if (status & 0x80) {
                track.Byte();
            } else if (runningStatus != 0) {
                status = runningStatus;
            } else {
                throw MusicFileError("a data byte without a status in " + Where());
            }
            if (status < 0xF0) {
                runningStatus = status;
                const std::uint8_t first = track.Byte() & 0x7F;
                const int kind = status & 0xF0;
                const std::uint8_t second =
                    (kind == 0xC0 || kind == 0xD0) ? 0 : track.Byte() & 0x7F;
                ChannelMessage(tick, kind, status & 0x0F, first, second);
            } else if (status == 0xF0 || status == 0xF7) {
                runningStatus = 0;
                track.Take(track.Quantity("a system exclusive length"));
            } else if (status == 0xFF) {
                runningStatus = 0;
                const std::uint8_t type = track.Byte();
                const std::span<const std::uint8_t> data =
                    track.Take(track.Quantity("a meta event length"));
                if (type == 0x2F) {
                    break;
                }
                MetaEvent(tick, type, data);
            } else {
                throw MusicFileError("an unexpected status byte " + std::to_string(status) +
                                     " in " + Where());
            }
        }
        // A note still sounding ends with its track.
        for (auto& [channelKey, starts] : sounding_) {
            for (const std::uint64_t start : starts) {
                AddNote(start, tick, channelKey.second, PartOf(channelKey.first));
            }
        }
    }

  private:
    std::string Where() const { return "track " + std::to_string(trackNumber_); }

    void ChannelMessage(std::uint64_t tick, int kind, int channel, int key, int velocity) {
        if (channel == kDrumChannel || (kind != 0x90 && kind != 0x80)) {
            return;
        }
        std::deque<std::uint64_t>& starts = sounding_[{channel, key}];
        if (kind == 0x90 && velocity > 0) {
            starts.push_back(tick);
        } else if (!starts.empty()) {
            AddNote(starts.front(), tick, key, PartOf(channel));
            starts.pop_front();
        }
    }

    void MetaEvent(std::uint64_t tick, std::uint8_t type, std::span<const std::uint8_t> data) {
        if (type == 0x03) {
            name_.assign(data.begin(), data.end());
        } else if (type == 0x51 && data.size() == 3 && events_.tempi.size() < kMostMarks) {
            const std::uint32_t microseconds = (data[0] << 16) | (data[1] << 8) | data[2];
            if (microseconds > 0) {
                events_.tempi.push_back({tick, microseconds});
            }
        } else if (type == 0x58 && data.size() >= 2 && data[0] > 0 && data[1] <= 6 &&
                   events_.meters.size() < kMostMarks) {
            events_.meters.push_back({tick, data[0] * 4.0 / (1 << data[1])});
        } else if (type == 0x59 && data.size() == 2 && events_.keys.size() < kMostMarks) {
            const int fifths = static_cast<std::int8_t>(data[0]);
            if (fifths >= -7 && fifths <= 7 && data[1] <= 1) {
                events_.keys.push_back(
                    {tick, {0, fifths, data[1] == 1 ? KeyMode::Minor : KeyMode::Major}});
            }
        }
    }

    std::size_t PartOf(int channel) {
        const auto [found, added] = partOfChannel_.try_emplace(channel, events_.parts.size());
        if (added) {
            events_.parts.push_back({});
            channels_.push_back(channel);
        }
        return found->second;
    }

    void AddNote(std::uint64_t on, std::uint64_t off, int key, std::size_t part) {
        if (events_.notes.size() >= Melody::kMostNotes) {
            events_.truncated = true;
            return;
        }
        events_.notes.push_back({on, off, key, part});
        ++events_.parts[part].noteCount;
    }

  public:
    // The parts of this track named, once its name is known.
    void NameParts() {
        const std::string track = name_.empty() ? "Track " + std::to_string(trackNumber_) : name_;
        for (std::size_t i = 0; i < channels_.size(); ++i) {
            std::string& name = events_.parts[partOfChannel_[channels_[i]]].name;
            name = channels_.size() == 1 ? track
                                         : track + ", channel " + std::to_string(channels_[i] + 1);
        }
    }

  private:
    Events& events_;
    int trackNumber_;
    std::string name_;
    std::map<std::pair<int, int>, std::deque<std::uint64_t>> sounding_;  // by channel and key
    std::map<int, std::size_t> partOfChannel_;
    std::vector<int> channels_;  // in order of appearance
};

std::vector<MeterChange> Meter(std::vector<MeterMark> marks, double ticksPerBeat) {
    std::stable_sort(marks.begin(), marks.end(),
                     [](const MeterMark& a, const MeterMark& b) { return a.tick < b.tick; });
    Melody meter;  // its bars so far
    meter.meter.push_back({});
    for (const MeterMark& mark : marks) {
        const double start = static_cast<double>(mark.tick) / ticksPerBeat;
        MeterChange& last = meter.meter.back();
        if (start <= last.start + 1e-9) {
            last.beatsPerBar = mark.beatsPerBar;
            continue;
        }
        // A change inside a bar starts a bar of its own.
        const int bar = meter.BarAt(start);
        const bool onBarLine = std::abs(meter.BarStart(bar) - start) < 1e-6;
        meter.meter.push_back({start, mark.beatsPerBar, onBarLine ? bar : bar + 1});
    }
    return meter.meter;
}

}  // namespace

Melody ReadMidiFile(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) {
        throw MusicFileError("the file is empty");
    }
    static constexpr std::array<std::uint8_t, 4> kHeader{'M', 'T', 'h', 'd'};
    if (bytes.size() < 4 || !std::equal(kHeader.begin(), kHeader.end(), bytes.begin())) {
        throw MusicFileError("it is not a MIDI file (it does not start with \"MThd\")");
    }
    ByteReader file(bytes, "the header");
    file.Take(4);
    const std::uint32_t headerLength = file.Big(4);
    if (headerLength < 6) {
        throw MusicFileError("its header is too short");
    }
    ByteReader header(file.Take(headerLength), "the header");
    const std::uint32_t format = header.Big(2);
    header.Big(2);  // the track count, which the chunks themselves tell
    const std::uint32_t division = header.Big(2);
    if (format > 1) {
        throw MusicFileError("it is a MIDI file of format " + std::to_string(format) +
                             ", and only formats 0 and 1 are read");
    }
    // Ticks per beat; SMPTE timing counts frames a second, at 120 beats a minute.
    double ticksPerBeat = division & 0x7FFF;
    if (division & 0x8000) {
        const int framesPerSecond = -static_cast<std::int8_t>(division >> 8);
        ticksPerBeat = (framesPerSecond == 29 ? 29.97 : framesPerSecond) * (division & 0xFF) / 2.0;
    }
    if (ticksPerBeat <= 0) {
        throw MusicFileError("its header gives no ticks per beat");
    }

    Events events;
    int trackNumber = 0;
    while (!file.AtEnd()) {
        ByteReader chunkHeader(file.Take(std::min<std::size_t>(8, file.Left())),
                               "a chunk's header");
        const std::span<const std::uint8_t> type = chunkHeader.Take(4);
        const std::uint32_t length = chunkHeader.Big(4);
        const bool isTrack = std::equal(type.begin(), type.end(), "MTrk");
        const std::string where = isTrack ? "track " + std::to_string(trackNumber + 1) : "a chunk";
        if (length > file.Left()) {
            throw MusicFileError(where + " claims " + std::to_string(length) +
                                 " bytes, past the end of the file");
        }
        ByteReader chunk(file.Take(length), where);
        if (!isTrack) {
            continue;  // chunks of other kinds are skipped, as the format asks
        }
        TrackReader track(events, ++trackNumber);
        track.Read(chunk);
        track.NameParts();
    }
    if (trackNumber == 0) {
        throw MusicFileError("it has no tracks");
    }

    Melody melody;
    melody.parts = std::move(events.parts);
    melody.truncated = events.truncated;
    melody.meter = Meter(std::move(events.meters), ticksPerBeat);
    std::vector<TempoMap::Change> changes;
    for (const TempoMark& mark : events.tempi) {
        changes.push_back(
            {static_cast<double>(mark.tick) / ticksPerBeat, 60e6 / mark.microsecondsPerBeat});
    }
    const TempoMap tempo(std::move(changes));
    std::stable_sort(events.notes.begin(), events.notes.end(),
                     [](const RawNote& a, const RawNote& b) { return a.on < b.on; });
    melody.notes.reserve(events.notes.size());
    for (const RawNote& raw : events.notes) {
        MelodyNote note;
        note.midiKey = raw.key;
        note.start = static_cast<double>(raw.on) / ticksPerBeat;
        note.length = static_cast<double>(raw.off - raw.on) / ticksPerBeat;
        note.startSeconds = tempo.Seconds(note.start);
        note.lengthSeconds = tempo.Seconds(note.start + note.length) - note.startSeconds;
        note.part = raw.part;
        melody.notes.push_back(note);
    }
    std::stable_sort(events.keys.begin(), events.keys.end(),
                     [](const KeyMark& a, const KeyMark& b) { return a.tick < b.tick; });
    for (KeyMark& mark : events.keys) {
        mark.key.start = static_cast<double>(mark.tick) / ticksPerBeat;
        melody.keys.push_back(mark.key);
    }
    return melody;
}

}  // namespace orvel
