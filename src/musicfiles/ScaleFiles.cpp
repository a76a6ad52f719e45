// SPDX-License-Identifier: GPL-3.0-or-later
#include "musicfiles/ScaleFiles.h"

#include <QString>
#include <QXmlStreamWriter>
#include <algorithm>
#include <cmath>

namespace orvel {

namespace {

constexpr int kTicksPerBeat = 480;
constexpr std::uint8_t kVelocity = 90;

void AppendBig(std::vector<std::uint8_t>& bytes, std::uint32_t value, int count) {
    for (int i = count - 1; i >= 0; --i) {
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void AppendQuantity(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    std::vector<std::uint8_t> quantity{static_cast<std::uint8_t>(value & 0x7F)};
    while (value >>= 7) {
        quantity.insert(quantity.begin(), static_cast<std::uint8_t>(0x80 | (value & 0x7F)));
    }
    bytes.insert(bytes.end(), quantity.begin(), quantity.end());
}

void AppendMeta(std::vector<std::uint8_t>& track, std::uint8_t type,
                const std::vector<std::uint8_t>& data) {
    track.insert(track.end(), {0x00, 0xFF, type});
    AppendQuantity(track, static_cast<std::uint32_t>(data.size()));
    track.insert(track.end(), data.begin(), data.end());
}

std::uint32_t Ticks(double beats) {
    return static_cast<std::uint32_t>(std::lround(std::max(0.0, beats) * kTicksPerBeat));
}

const char* AccidentalName(int accidental) {
    switch (accidental) {
        case -2:
            return "flat-flat";
        case -1:
            return "flat";
        case 0:
            return "natural";
        case 1:
            return "sharp";
        case 2:
            return "double-sharp";
        default:
            return "";
    }
}

struct ClefSign {
    const char* sign;
    int line;
    int octaveChange;
};

ClefSign SignOf(Clef clef) {
    switch (clef) {
        case Clef::Treble:
            return {"G", 2, 0};
        case Clef::Bass:
            return {"F", 4, 0};
        case Clef::Alto:
            return {"C", 3, 0};
        case Clef::Tenor:
            return {"C", 4, 0};
        case Clef::TrebleOctaveDown:
            return {"G", 2, -1};
    }
    return {"G", 2, 0};
}

}  // namespace

std::vector<ClipNote> ScaleClip(std::span<const Pitch> run, std::span<const int> chordKeys) {
    constexpr double kEighth = 0.5;
    constexpr double kBar = 4;
    std::vector<ClipNote> clip;
    for (const Pitch& pitch : run) {
        clip.push_back({pitch.Key(), static_cast<double>(clip.size()) * kEighth, kEighth});
    }
    const double chordStart = static_cast<double>(run.size()) * kEighth;
    for (const int key : chordKeys) {
        clip.push_back({key, chordStart, kBar});
    }
    return clip;
}

std::vector<ClipNote> ProgressionClip(const Progression& progression) {
    constexpr int kBelowMiddleC = 48;
    std::vector<ClipNote> clip;
    double at = 0;
    for (const PlayedItem& played : progression.played) {
        const std::optional<ChordSymbol>& chord = progression.items[played.item].chord;
        if (chord) {
            int key = -1;
            for (const NoteName& note : chord->Sounding().notes) {
                if (key < 0) {
                    key = kBelowMiddleC + note.PitchClass().SemitonesAboveC();
                } else {
                    const int up = PitchClass::OfKey(key).SemitonesUpTo(note.PitchClass());
                    key += up == 0 ? 12 : up;
                }
                clip.push_back({key, at, played.beats});
            }
        }
        at += played.beats;
    }
    return clip;
}

std::vector<std::uint8_t> MidiClip(std::span<const ClipNote> notes, double quartersPerMinute,
                                   const std::string& name) {
    std::vector<std::uint8_t> track;
    AppendMeta(track, 0x03, {name.begin(), name.end()});
    const auto microseconds =
        static_cast<std::uint32_t>(std::lround(60'000'000 / quartersPerMinute));
    AppendMeta(
        track, 0x51,
        {static_cast<std::uint8_t>(microseconds >> 16),
         static_cast<std::uint8_t>(microseconds >> 8), static_cast<std::uint8_t>(microseconds)});
    AppendMeta(track, 0x58, {4, 2, 24, 8});
    struct Edge {
        std::uint32_t tick;
        bool on;
        int key;
    };
    std::vector<Edge> edges;
    for (const ClipNote& note : notes) {
        edges.push_back({Ticks(note.start), true, note.midiKey});
        edges.push_back({Ticks(note.start + note.length), false, note.midiKey});
    }
    // Offs before ons at the same tick, so that a key struck again sounds.
    std::stable_sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) {
        return a.tick != b.tick ? a.tick < b.tick : (!a.on && b.on);
    });
    std::uint32_t at = 0;
    for (const Edge& edge : edges) {
        AppendQuantity(track, edge.tick - at);
        at = edge.tick;
        track.insert(track.end(), {static_cast<std::uint8_t>(edge.on ? 0x90 : 0x80),
                                   static_cast<std::uint8_t>(std::clamp(edge.key, 0, 127)),
                                   edge.on ? kVelocity : std::uint8_t{0}});
    }
    track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});

    std::vector<std::uint8_t> file{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1};
    AppendBig(file, kTicksPerBeat, 2);
    file.insert(file.end(), {'M', 'T', 'r', 'k'});
    AppendBig(file, static_cast<std::uint32_t>(track.size()), 4);
    file.insert(file.end(), track.begin(), track.end());
    return file;
}

std::string ScaleMusicXml(std::span<const Pitch> pitches, Clef clef,
                          const std::optional<KeySignature>& signature, const std::string& title) {
    QString text;
    QXmlStreamWriter xml(&text);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDTD(
        "<!DOCTYPE score-partwise PUBLIC \"-//Recordare//DTD MusicXML 4.0 Partwise//EN\" "
        "\"http://www.musicxml.org/dtds/partwise.dtd\">");
    xml.writeStartElement("score-partwise");
    xml.writeAttribute("version", "4.0");
    xml.writeStartElement("work");
    xml.writeTextElement("work-title", QString::fromStdString(title));
    xml.writeEndElement();
    xml.writeStartElement("part-list");
    xml.writeStartElement("score-part");
    xml.writeAttribute("id", "P1");
    xml.writeTextElement("part-name", QString::fromStdString(title));
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeStartElement("part");
    xml.writeAttribute("id", "P1");
    xml.writeStartElement("measure");
    xml.writeAttribute("number", "1");
    xml.writeStartElement("attributes");
    xml.writeTextElement("divisions", "1");
    xml.writeStartElement("key");
    xml.writeTextElement("fifths", QString::number(signature ? signature->fifths : 0));
    xml.writeEndElement();
    xml.writeStartElement("time");
    xml.writeTextElement("beats", QString::number(pitches.size()));
    xml.writeTextElement("beat-type", "4");
    xml.writeEndElement();
    const ClefSign sign = SignOf(clef);
    xml.writeStartElement("clef");
    xml.writeTextElement("sign", sign.sign);
    xml.writeTextElement("line", QString::number(sign.line));
    if (sign.octaveChange != 0) {
        xml.writeTextElement("clef-octave-change", QString::number(sign.octaveChange));
    }
    xml.writeEndElement();
    xml.writeEndElement();  // attributes
    for (const Pitch& pitch : pitches) {
        xml.writeStartElement("note");
        xml.writeStartElement("pitch");
        xml.writeTextElement("step", QString("CDEFGAB").at(pitch.note.letter));
        if (pitch.note.accidental != 0) {
            xml.writeTextElement("alter", QString::number(pitch.note.accidental));
        }
        xml.writeTextElement("octave", QString::number(pitch.octave));
        xml.writeEndElement();
        xml.writeTextElement("duration", "1");
        xml.writeTextElement("type", "quarter");
        if (const auto written = WrittenAccidental(pitch.note, signature)) {
            xml.writeTextElement("accidental", AccidentalName(*written));
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();  // measure
    xml.writeEndElement();  // part
    xml.writeEndElement();  // score-partwise
    xml.writeEndDocument();
    return text.toStdString();
}

std::string ScaleText(const std::string& name, const std::string& bank, const SpelledScale& scale) {
    return scale.root.Ascii() + " " + name + " (" + bank + ")\nRoot: " + scale.root.Ascii() +
           "\nNotes: " + scale.AsciiNotes() + "\nIntervals: " + scale.IntervalsText() + "\n";
}

}  // namespace orvel
