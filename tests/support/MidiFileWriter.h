// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Standard MIDI Files written byte by byte in tests: the events of each
// track as given (delta time and bytes), so that a test can write running
// status, a note-on of velocity 0 or a broken file on purpose.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "theory/Melody.h"

namespace orvel::testing_support {

using Bytes = std::vector<std::uint8_t>;

struct TrackEvent {
    std::uint32_t delta = 0;
    Bytes bytes;
};
using Track = std::vector<TrackEvent>;

inline Bytes Quantity(std::uint32_t value) {
    Bytes bytes{static_cast<std::uint8_t>(value & 0x7F)};
    while (value >>= 7) {
        bytes.insert(bytes.begin(), static_cast<std::uint8_t>(0x80 | (value & 0x7F)));
    }
    return bytes;
}

inline void AppendBig(Bytes& bytes, std::uint32_t value, int count) {
    for (int i = count - 1; i >= 0; --i) {
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

// A track's chunk; `endOfTrack` adds the meta event that closes it.
inline Bytes TrackChunk(const Track& track, bool endOfTrack = true) {
    Bytes body;
    for (const TrackEvent& event : track) {
        const Bytes delta = Quantity(event.delta);
        body.insert(body.end(), delta.begin(), delta.end());
        body.insert(body.end(), event.bytes.begin(), event.bytes.end());
    }
    if (endOfTrack) {
        body.insert(body.end(), {0x00, 0xFF, 0x2F, 0x00});
    }
    Bytes chunk{'M', 'T', 'r', 'k'};
    AppendBig(chunk, static_cast<std::uint32_t>(body.size()), 4);
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

inline Bytes MidiFile(const std::vector<Track>& tracks, int format = 1, int division = 480) {
    Bytes file{'M', 'T', 'h', 'd', 0, 0, 0, 6};
    AppendBig(file, static_cast<std::uint32_t>(format), 2);
    AppendBig(file, static_cast<std::uint32_t>(tracks.size()), 2);
    AppendBig(file, static_cast<std::uint32_t>(division), 2);
    for (const Track& track : tracks) {
        const Bytes chunk = TrackChunk(track);
        file.insert(file.end(), chunk.begin(), chunk.end());
    }
    return file;
}

inline TrackEvent Meta(std::uint32_t delta, std::uint8_t type, const Bytes& data) {
    Bytes bytes{0xFF, type};
    const Bytes length = Quantity(static_cast<std::uint32_t>(data.size()));
    bytes.insert(bytes.end(), length.begin(), length.end());
    bytes.insert(bytes.end(), data.begin(), data.end());
    return {delta, bytes};
}

inline TrackEvent TempoEvent(std::uint32_t delta, std::uint32_t microsecondsPerBeat) {
    return Meta(delta, 0x51,
                {static_cast<std::uint8_t>(microsecondsPerBeat >> 16),
                 static_cast<std::uint8_t>(microsecondsPerBeat >> 8),
                 static_cast<std::uint8_t>(microsecondsPerBeat)});
}

// A melody's notes as note-on and note-off events on `channel`, each note
// ending before the next starts where they touch.
inline Track NoteTrack(const Melody& melody, int channel = 0, int ticksPerBeat = 480) {
    struct Edge {
        std::uint64_t tick;
        bool on;
        int key;
    };
    std::vector<Edge> edges;
    for (const MelodyNote& note : melody.notes) {
        const auto on = static_cast<std::uint64_t>(note.start * ticksPerBeat + 0.5);
        const auto off =
            static_cast<std::uint64_t>((note.start + note.length) * ticksPerBeat + 0.5);
        edges.push_back({on, true, note.midiKey});
        edges.push_back({off, false, note.midiKey});
    }
    std::stable_sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) {
        return a.tick != b.tick ? a.tick < b.tick : (!a.on && b.on);
    });
    Track track;
    std::uint64_t last = 0;
    for (const Edge& edge : edges) {
        const auto status = static_cast<std::uint8_t>((edge.on ? 0x90 : 0x80) | channel);
        track.push_back({static_cast<std::uint32_t>(edge.tick - last),
                         {status, static_cast<std::uint8_t>(edge.key),
                          static_cast<std::uint8_t>(edge.on ? 90 : 0)}});
        last = edge.tick;
    }
    return track;
}

}  // namespace orvel::testing_support
