// SPDX-License-Identifier: GPL-3.0-or-later
#include "musicfiles/MusicXml.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "musicfiles/MusicFileError.h"
#include "musicfiles/TempoMap.h"

namespace orvel {

namespace {

constexpr std::size_t kMostTempi = 1000;

std::optional<KeyMode> ModeNamed(const QString& mode) {
    static const std::map<QString, KeyMode> kModes{
        {"major", KeyMode::Major},   {"ionian", KeyMode::Major},
        {"minor", KeyMode::Minor},   {"aeolian", KeyMode::Minor},
        {"dorian", KeyMode::Dorian}, {"phrygian", KeyMode::Phrygian},
        {"lydian", KeyMode::Lydian}, {"mixolydian", KeyMode::Mixolydian}};
    const auto found = kModes.find(mode.trimmed().toLower());
    return found == kModes.end() ? std::nullopt : std::optional(found->second);
}

// Reads one partwise score; its state is where the reading stands.
class ScoreReader {
  public:
    explicit ScoreReader(const QByteArray& bytes) : xml_(bytes) {}

    Melody Read() {
        while (!xml_.atEnd()) {
            xml_.readNext();
            if (xml_.tokenType() == QXmlStreamReader::DTD && !xml_.entityDeclarations().isEmpty()) {
                throw MusicFileError(
                    "it declares XML entities, which a MusicXML score never needs");
            }
            if (xml_.isStartElement()) {
                break;
            }
        }
        CheckXml();
        if (xml_.name() == u"score-timewise") {
            throw MusicFileError("it is a timewise MusicXML score; save it as partwise");
        }
        if (xml_.name() != u"score-partwise") {
            throw MusicFileError("it is XML but not a MusicXML score (it starts with <" +
                                 xml_.name().toString().toStdString() + ">)");
        }
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"part-list") {
                ReadPartList();
            } else if (xml_.name() == u"part") {
                ReadPart();
            } else {
                xml_.skipCurrentElement();
            }
        }
        CheckXml();
        return Finish();
    }

  private:
    void CheckXml() {
        if (xml_.hasError()) {
            throw MusicFileError("it is not well-formed XML: " + xml_.errorString().toStdString() +
                                 " (line " + std::to_string(xml_.lineNumber()) + ")");
        }
    }

    [[noreturn]] void Fail(const std::string& what) {
        throw MusicFileError(what + " in measure " + measureNumber_.toStdString() + " of part \"" +
                             melody_.parts[part_].name + "\"");
    }

    void ReadPartList() {
        while (xml_.readNextStartElement()) {
            if (xml_.name() != u"score-part") {
                xml_.skipCurrentElement();
                continue;
            }
            const QString id = xml_.attributes().value("id").toString();
            std::string name = "Part " + std::to_string(melody_.parts.size() + 1);
            while (xml_.readNextStartElement()) {
                if (xml_.name() == u"part-name") {
                    const QString text = xml_.readElementText().simplified();
                    if (!text.isEmpty()) {
                        name = text.toStdString();
                    }
                } else {
                    xml_.skipCurrentElement();
                }
            }
            partOfId_.insert(id, melody_.parts.size());
            melody_.parts.push_back({name, 0});
        }
    }

    void ReadPart() {
        const QString id = xml_.attributes().value("id").toString();
        if (!partOfId_.contains(id)) {
            partOfId_.insert(id, melody_.parts.size());
            melody_.parts.push_back({"Part " + std::to_string(melody_.parts.size() + 1), 0});
        }
        part_ = partOfId_.value(id);
        firstPart_ = !anyPartRead_;
        anyPartRead_ = true;
        divisions_ = 1;
        position_ = 0;
        transpose_ = {};
        tied_.clear();
        int measureIndex = 0;
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"measure") {
                ReadMeasure(++measureIndex);
            } else {
                xml_.skipCurrentElement();
            }
        }
    }

    void ReadMeasure(int bar) {
        measureNumber_ = xml_.attributes().value("number").toString();
        const double start = position_;
        double end = start;
        lastNoteStart_ = start;
        while (xml_.readNextStartElement()) {
            const auto name = xml_.name();
            if (name == u"attributes") {
                ReadAttributes();
            } else if (name == u"note") {
                ReadNote();
            } else if (name == u"backup") {
                position_ = std::max(start, position_ - ReadDuration());
            } else if (name == u"forward") {
                position_ += ReadDuration();
            } else if (name == u"direction" || name == u"sound") {
                ReadTempo(name == u"sound");
            } else {
                xml_.skipCurrentElement();
            }
            end = std::max(end, position_);
        }
        const double length = end > start ? end - start : timeSignatureBeats_;
        if (firstPart_) {
            melody_.meter.push_back({start, length, bar});
        }
        position_ = start + length;
    }

    // A <direction> holding a <sound tempo="...">, or a <sound> itself.
    void ReadTempo(bool isSound) {
        if (isSound) {
            AddTempo(xml_.attributes().value("tempo").toDouble());
            xml_.skipCurrentElement();
            return;
        }
        int depth = 1;
        while (depth > 0 && !xml_.atEnd()) {
            xml_.readNext();
            if (xml_.isStartElement()) {
                ++depth;
                if (xml_.name() == u"sound") {
                    AddTempo(xml_.attributes().value("tempo").toDouble());
                }
            } else if (xml_.isEndElement()) {
                --depth;
            }
        }
    }

    void AddTempo(double beatsPerMinute) {
        if (firstPart_ && beatsPerMinute > 0 && std::isfinite(beatsPerMinute) &&
            tempi_.size() < kMostTempi) {
            tempi_.push_back({position_, beatsPerMinute});
        }
    }

    double ReadDuration() {
        double duration = 0;
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"duration") {
                duration = Beats(xml_.readElementText());
            } else {
                xml_.skipCurrentElement();
            }
        }
        return duration;
    }

    double Beats(const QString& divisionsText) {
        bool ok = false;
        const double divisions = divisionsText.trimmed().toDouble(&ok);
        if (!ok || divisions < 0 || !std::isfinite(divisions)) {
            Fail("a duration \"" + divisionsText.toStdString() +
                 "\" that is not a number of divisions");
        }
        const double beats = divisions / divisions_;
        if (beats > kLongestNoteBeats) {
            Fail("a duration of " + divisionsText.trimmed().toStdString() + " divisions (" +
                 std::to_string(static_cast<long long>(std::min(beats, 1e18))) + " beats)");
        }
        return beats;
    }

    void ReadAttributes() {
        while (xml_.readNextStartElement()) {
            const auto name = xml_.name();
            if (name == u"divisions") {
                const double divisions = xml_.readElementText().trimmed().toDouble();
                if (!(divisions > 0) || !std::isfinite(divisions)) {
                    Fail("divisions that are not a positive number");
                }
                divisions_ = divisions;
            } else if (name == u"key") {
                ReadKey();
            } else if (name == u"time") {
                ReadTime();
            } else if (name == u"transpose") {
                ReadTranspose();
            } else {
                xml_.skipCurrentElement();
            }
        }
    }

    void ReadKey() {
        std::optional<int> fifths;
        std::optional<KeyMode> mode;
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"fifths") {
                bool ok = false;
                const int value = xml_.readElementText().trimmed().toInt(&ok);
                if (ok && value >= -7 && value <= 7) {
                    fifths = value;
                }
            } else if (xml_.name() == u"mode") {
                mode = ModeNamed(xml_.readElementText());
            } else {
                xml_.skipCurrentElement();
            }
        }
        if (fifths && transpose_.chromatic == 0) {
            melody_.keys.push_back({position_, *fifths, mode});
        }
    }

    void ReadTime() {
        double beats = 0;
        double beatType = 0;
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"beats") {
                // Compound signatures such as "3+2" add up.
                for (const QString& term : xml_.readElementText().split('+')) {
                    beats += term.trimmed().toDouble();
                }
            } else if (xml_.name() == u"beat-type") {
                beatType = xml_.readElementText().trimmed().toDouble();
            } else {
                xml_.skipCurrentElement();
            }
        }
        if (beats > 0 && beatType > 0 && beats * 4 / beatType <= 64) {
            timeSignatureBeats_ = beats * 4 / beatType;
        }
    }

    void ReadTranspose() {
        transpose_ = {};
        while (xml_.readNextStartElement()) {
            const QString element = xml_.name().toString();
            const int value = xml_.readElementText().trimmed().toInt();
            if (element == u"chromatic") {
                transpose_.chromatic = std::clamp(value, -24, 24);
            } else if (element == u"diatonic") {
                transpose_.diatonic = std::clamp(value, -14, 14);
            } else if (element == u"octave-change") {
                transpose_.octaves = std::clamp(value, -4, 4);
            }
        }
    }

    void ReadNote() {
        bool grace = false;
        bool chord = false;
        bool rest = false;
        bool tieStart = false;
        bool tieStop = false;
        std::optional<NoteName> written;
        int octave = 4;
        double duration = 0;
        while (xml_.readNextStartElement()) {
            const auto name = xml_.name();
            if (name == u"grace") {
                grace = true;
                xml_.skipCurrentElement();
            } else if (name == u"chord") {
                chord = true;
                xml_.skipCurrentElement();
            } else if (name == u"rest" || name == u"unpitched") {
                rest = true;
                xml_.skipCurrentElement();
            } else if (name == u"pitch") {
                written = ReadPitch(octave);
            } else if (name == u"duration") {
                duration = Beats(xml_.readElementText());
            } else if (name == u"tie") {
                const auto type = xml_.attributes().value("type");
                tieStart |= type == u"start";
                tieStop |= type == u"stop";
                xml_.skipCurrentElement();
            } else {
                xml_.skipCurrentElement();
            }
        }
        const double start = chord ? lastNoteStart_ : position_;
        if (!chord && !grace) {
            position_ += duration;
        }
        lastNoteStart_ = start;
        if (rest || !written) {
            return;
        }
        const int writtenKey =
            (octave + 1) * 12 + NaturalPitchClass(written->letter) + written->accidental;
        const int midiKey = writtenKey + transpose_.chromatic + 12 * transpose_.octaves;
        if (transpose_.chromatic != 0) {
            written = NamedBy(PitchClass::OfKey(midiKey),
                              ((written->letter + transpose_.diatonic) % 7 + 7) % 7);
        }
        AddNote(midiKey, *written, start, grace ? 0 : duration, grace, tieStart, tieStop);
    }

    std::optional<NoteName> ReadPitch(int& octave) {
        NoteName name;
        bool hasStep = false;
        while (xml_.readNextStartElement()) {
            const QString element = xml_.name().toString();
            const QString text = xml_.readElementText().trimmed();
            if (element == u"step" && text.size() == 1 && QString("CDEFGAB").contains(text)) {
                name.letter = static_cast<int>(QString("CDEFGAB").indexOf(text));
                hasStep = true;
            } else if (element == u"alter") {
                name.accidental = std::clamp(static_cast<int>(std::lround(text.toDouble())), -3, 3);
            } else if (element == u"octave") {
                octave = std::clamp(text.toInt(), 0, 9);
            }
        }
        return hasStep ? std::optional(name) : std::nullopt;
    }

    void AddNote(int midiKey, NoteName written, double start, double length, bool grace,
                 bool tieStart, bool tieStop) {
        const auto tied = tied_.find(midiKey);
        if (tieStop && tied != tied_.end()) {
            MelodyNote& first = melody_.notes[tied->second];
            first.length = std::max(first.length, start + length - first.start);
            if (!tieStart) {
                tied_.erase(tied);
            }
            return;
        }
        if (melody_.notes.size() >= Melody::kMostNotes) {
            melody_.truncated = true;
            return;
        }
        MelodyNote note;
        note.midiKey = std::clamp(midiKey, 0, 127);
        note.written = written;
        note.start = start;
        note.length = length;
        note.part = part_;
        note.grace = grace;
        if (tieStart) {
            tied_[midiKey] = melody_.notes.size();
        }
        melody_.notes.push_back(note);
        ++melody_.parts[part_].noteCount;
    }

    Melody Finish() {
        std::stable_sort(
            melody_.notes.begin(), melody_.notes.end(),
            [](const MelodyNote& a, const MelodyNote& b) { return a.start < b.start; });
        std::stable_sort(
            melody_.keys.begin(), melody_.keys.end(),
            [](const WrittenKey& a, const WrittenKey& b) { return a.start < b.start; });
        const TempoMap tempo(std::move(tempi_));
        for (MelodyNote& note : melody_.notes) {
            note.startSeconds = tempo.Seconds(note.start);
            note.lengthSeconds = tempo.Seconds(note.start + note.length) - note.startSeconds;
        }
        return std::move(melody_);
    }

    struct Transpose {
        int chromatic = 0;
        int diatonic = 0;
        int octaves = 0;
    };

    QXmlStreamReader xml_;
    Melody melody_;
    QHash<QString, std::size_t> partOfId_;
    std::size_t part_ = 0;
    bool firstPart_ = false;
    bool anyPartRead_ = false;
    QString measureNumber_;
    double divisions_ = 1;
    double position_ = 0;  // beats
    double lastNoteStart_ = 0;
    double timeSignatureBeats_ = 4;
    Transpose transpose_;
    std::map<int, std::size_t> tied_;  // an open tie's first note, by key
    std::vector<TempoMap::Change> tempi_;
};

}  // namespace

Melody ReadMusicXml(std::span<const char> bytes) {
    if (bytes.empty()) {
        throw MusicFileError("the file is empty");
    }
    ScoreReader reader(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return reader.Read();
}

}  // namespace orvel
