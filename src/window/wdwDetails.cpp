// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/wdwDetails.h"

#include <QBuffer>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QVBoxLayout>

#include "audio/Performance.h"
#include "audio/Tempo.h"
#include "musicfiles/ScaleFiles.h"
#include "platform/MessageBox.h"
#include "theory/KeySignature.h"
#include "theory/Triad.h"

namespace orvel {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// The popup's items, in the order of RootSpelling.
constexpr const char* kSpellings[] = {"Automatic", "Sharps", "Flats"};

constexpr Clef kClefs[] = {Clef::Treble, Clef::Bass, Clef::Alto, Clef::Tenor,
                           Clef::TrebleOctaveDown};

// The export dialog's choices, in the order of ExportFormat.
struct ExportChoice {
    wdwDetails::ExportFormat format;
    const char* filter;
};
constexpr ExportChoice kExports[] = {
    {wdwDetails::ExportFormat::MusicXml, "MusicXML score (*.musicxml)"},
    {wdwDetails::ExportFormat::Midi, "MIDI file (*.mid)"},
    {wdwDetails::ExportFormat::Svg, "SVG picture (*.svg)"},
    {wdwDetails::ExportFormat::Png, "PNG picture (*.png)"},
    {wdwDetails::ExportFormat::Pdf, "PDF document (*.pdf)"},
    {wdwDetails::ExportFormat::Text, "Plain text (*.txt)"},
};

// A degree's name for screen readers: "root", "third", "octave".
QString DegreeName(const Interval& interval, bool octave) {
    static const char* kNames[] = {"",       "root",  "second", "third",
                                   "fourth", "fifth", "sixth",  "seventh"};
    if (octave) {
        return "octave";
    }
    const QString name = kNames[std::clamp(interval.degree, 1, 7)];
    return interval.alteration < 0   ? "flat " + name
           : interval.alteration > 0 ? "sharp " + name
                                     : name;
}

}  // namespace

wdwDetails::wdwDetails(Playback& playback, const std::vector<TScale>& catalogue, QWidget* parent)
    : ToolWindow("wdwDetails", "Scale Details", parent),
      playback_(playback),
      catalogue_(catalogue),
      title_(new AccidentalsLabel(this)),
      notes_(new AccidentalsLabel(this)),
      intervalsCaption_(new QLabel(this)),
      intervals_(new AccidentalsLabel(this)),
      triadsCaption_(new QLabel("Triads:", this)),
      triads_(new AccidentalsLabel(this)),
      added_(new AccidentalsLabel(this)),
      staff_(new StaffView(this)),
      keyboard_(new PianoKeyboard(this)),
      fretboard_(new FretboardPanel(this)),
      play_(new QPushButton("&Play", this)),
      playChord_(new QPushButton("Play C&hord", this)),
      tempo_(new QSpinBox(this)),
      spelling_(new QComboBox(this)),
      clef_(new QComboBox(this)),
      signature_(new QCheckBox("&Key Signature", this)),
      descending_(new QCheckBox("&Descending", this)),
      export_(new QPushButton("E&xport\u2026", this)),
      showRelations_(new QPushButton("&Relations", this)),
      relations_(new RelationsPanel(catalogue, this)) {
    QFont large = title_->font();
    large.setPointSizeF(large.pointSizeF() * 1.3);
    large.setBold(true);
    title_->setFont(large);
    for (AccidentalsLabel* label : {title_, notes_, intervals_, triads_, added_}) {
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setWordWrap(true);
    }
    auto* facts = new QFormLayout;
    // Some styles (Adwaita) keep fields at their size hint, and a wrapped
    // line of triads then loses its end.
    facts->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    facts->addRow("Notes:", notes_);
    facts->addRow(intervalsCaption_, intervals_);
    facts->addRow(triadsCaption_, triads_);
    facts->addRow("Beyond the ticked notes:", added_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addLayout(facts);
    auto* writing = new QHBoxLayout;
    auto* clefCaption = new QLabel("C&lef:", this);
    clefCaption->setBuddy(clef_);
    for (const Clef clef : kClefs) {
        clef_->addItem(QString::fromStdString(std::string(ClefName(clef))));
    }
    clef_->setAccessibleName("Clef");
    signature_->setChecked(true);
    signature_->setToolTip(
        "Write the key signature of the key the scale belongs to, where it has one");
    writing->addWidget(clefCaption);
    writing->addWidget(clef_);
    writing->addWidget(signature_);
    writing->addWidget(descending_);
    writing->addStretch();
    writing->addWidget(showRelations_);
    writing->addWidget(export_);
    layout->addLayout(writing);
    layout->addWidget(staff_);
    layout->addWidget(keyboard_);
    layout->addWidget(fretboard_);
    relations_->hide();
    showRelations_->setCheckable(true);
    showRelations_->setToolTip(
        "Modes, neighbours, parallels, chords on each degree and set-class facts");
    connect(showRelations_, &QPushButton::toggled, this, [this](bool shown) {
        relations_->setVisible(shown);
        adjustSize();
    });
    connect(relations_, &RelationsPanel::scaleChosen, this, [this](const RelatedScale& related) {
        if (related.entries.empty()) {
            return;
        }
        Show(ScaleRow{.entry = catalogue_[related.entries.front()],
                      .root = related.root.PitchClass(),
                      .ticks = row_.ticks,
                      .rootLetter = related.root.letter});
    });
    connect(relations_, &RelationsPanel::chordChosen, this,
            [this](const std::vector<PitchClass>& notes) {
                PitchClassSet positions = 0;
                for (const PitchClass note : notes) {
                    positions |= PositionBit(notes.front().SemitonesUpTo(note));
                }
                playback_.PlayOrStop(Chord(positions, KeyNearMiddleC(notes.front())));
                ownPlay_ = playback_.CurrentPlay();
            });
    layout->addWidget(
        new QLabel("Green: the scale; on the neck, red squares are its root.   "
                   "Orange dots: the notes you ticked.",
                   this));
    layout->addWidget(relations_);
    tempo_->setRange(kMinTempo, kMaxTempo);
    tempo_->setValue(playback_.Tempo());
    tempo_->setSuffix(" BPM");
    tempo_->setAccessibleName("Tempo");
    connect(tempo_, &QSpinBox::valueChanged, &playback_, &Playback::SetTempo);
    connect(&playback_, &Playback::tempoChanged, tempo_, &QSpinBox::setValue);
    play_->setCheckable(true);
    play_->setChecked(playback_.IsPlaying());
    connect(&playback_, &Playback::playingChanged, this, [this](bool playing) {
        play_->setChecked(playing);
        // "p" stays the mnemonic, so that Alt+P also stops.
        play_->setText(playing ? "Sto&p" : "&Play");
    });
    connect(&playback_, &Playback::soundingChanged, this, [this](const QList<int>& keys) {
        const QList<int> own = StartedLatestPlay() ? keys : QList<int>{};
        keyboard_->SetSounding(own);
        staff_->SetSounding(own);
        fretboard_->Board().SetSounding(own);
    });
    connect(play_, &QPushButton::clicked, this, &wdwDetails::PlayScale);
    connect(staff_, &StaffView::notePressed, this, [this](int key) {
        playback_.PlayOrStop(Chord(PositionBit(0), key));
        ownPlay_ = playback_.CurrentPlay();
    });
    for (QCheckBox* choice : {signature_, descending_}) {
        connect(choice, &QCheckBox::toggled, this, &wdwDetails::Fill);
    }
    connect(clef_, &QComboBox::currentIndexChanged, this, &wdwDetails::Fill);
    // A guitar's or a bass's music is written in treble 8vb.
    const auto clefForNeck = [this](const QString& instrument) {
        if (instrument.contains("guitar", Qt::CaseInsensitive) ||
            instrument.contains("bass", Qt::CaseInsensitive)) {
            clef_->setCurrentIndex(static_cast<int>(std::size(kClefs)) - 1);
        }
    };
    clefForNeck(fretboard_->Instrument().currentText());
    connect(&fretboard_->Instrument(), &QComboBox::currentTextChanged, this, clefForNeck);
    connect(export_, &QPushButton::clicked, this, &wdwDetails::ChooseExport);
    staff_->SetDragFile([this]() -> QString {
        if (!dragFolder_.isValid()) {
            return {};
        }
        const QString path = dragFolder_.filePath(
            QString::fromStdString(spelled_.root.Ascii() + " " + row_.entry.Scale) + ".mid");
        return ExportTo(path, ExportFormat::Midi) ? QString() : path;
    });
    connect(playChord_, &QPushButton::clicked, this, &wdwDetails::PlayChord);
    auto* sound = new QHBoxLayout;
    sound->addWidget(play_);
    sound->addWidget(playChord_);
    sound->addStretch();
    for (const char* spelling : kSpellings) {
        spelling_->addItem(spelling);
    }
    connect(spelling_, &QComboBox::currentIndexChanged, this, [this] {
        Fill();
        emit spellingChanged(Spelling());
    });
    auto* spellingCaption = new QLabel("&Spelling:", this);
    spellingCaption->setBuddy(spelling_);
    sound->addWidget(spellingCaption);
    sound->addWidget(spelling_);
    auto* tempoCaption = new QLabel("&Tempo:", this);
    tempoCaption->setBuddy(tempo_);
    sound->addWidget(tempoCaption);
    sound->addWidget(tempo_);
    layout->addLayout(sound);
    // One width for every row: long names wrap rather than widen it.
    setFixedWidth(kWidth);
}

RootSpelling wdwDetails::Spelling() const {
    return static_cast<RootSpelling>(spelling_->currentIndex());
}

void wdwDetails::PlayScale() {
    playback_.PlayOrStop(ScaleRunOf(row_, playback_.Tempo()));
    ownPlay_ = playback_.CurrentPlay();
}

void wdwDetails::PlayChord() {
    const Ticks ticks = row_.ticks.value_or(Ticks{});
    if (playback_.IsPlaying() || !ticks.notes.Empty()) {
        playback_.PlayOrStop(Chord(ticks.Positions(), KeyNearMiddleC(ticks.chosenRoot)));
        ownPlay_ = playback_.CurrentPlay();
    }
}

std::vector<std::uint8_t> wdwDetails::MidiFile() const {
    const Ticks ticks = row_.ticks.value_or(Ticks{});
    std::vector<int> chord;
    for (const TimedNote& note : Chord(ticks.Positions(), KeyNearMiddleC(ticks.chosenRoot))) {
        chord.push_back(note.key);
    }
    const std::string name = spelled_.root.Ascii() + " " + row_.entry.Scale;
    return MidiClip(ScaleClip(staff_->Pitches(), chord), playback_.Tempo(), name);
}

QByteArray wdwDetails::Picture(ExportFormat format) const {
    const QList<QWidget*> parts{staff_, keyboard_, &fretboard_->Board()};
    QSize size(0, 0);
    for (const QWidget* part : parts) {
        size = QSize(std::max(size.width(), part->width()), size.height() + part->height());
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const auto paint = [&](QPainter& painter) {
        painter.fillRect(QRect(QPoint(0, 0), size), palette().color(QPalette::Window));
        int y = 0;
        for (QWidget* part : parts) {
            part->render(&painter, QPoint(0, y), QRegion(), QWidget::DrawChildren);
            y += part->height();
        }
    };
    if (format == ExportFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(QString::fromStdString(spelled_.root.Ascii() + " " + row_.entry.Scale));
        QPainter painter(&svg);
        paint(painter);
    } else if (format == ExportFormat::Pdf) {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(96);
        pdf.setPageSize(QPageSize(QSizeF(size) * 25.4 / 96, QPageSize::Millimeter));
        pdf.setPageMargins(QMarginsF());
        pdf.setTitle(QString::fromStdString(spelled_.root.Ascii() + " " + row_.entry.Scale));
        QPainter painter(&pdf);
        paint(painter);
    } else {
        // At the screen's scale, as shown: SVG and PDF are for any size.
        const qreal scale = devicePixelRatioF();
        QImage image((QSizeF(size) * scale).toSize(), QImage::Format_ARGB32);
        image.setDevicePixelRatio(scale);
        QPainter painter(&image);
        paint(painter);
        painter.end();
        image.save(&buffer, "PNG");
    }
    return bytes;
}

std::optional<QString> wdwDetails::ExportTo(const QString& path, ExportFormat format) const {
    std::string bytes;
    switch (format) {
        case ExportFormat::MusicXml:
            bytes = ScaleMusicXml(
                staff_->Pitches(), kClefs[clef_->currentIndex()],
                signature_->isChecked() ? SignatureOf(row_.entry.Notes, spelled_) : std::nullopt,
                spelled_.root.Ascii() + " " + row_.entry.Scale);
            break;
        case ExportFormat::Midi: {
            const std::vector<std::uint8_t> midi = MidiFile();
            bytes.assign(midi.begin(), midi.end());
            break;
        }
        case ExportFormat::Svg:
        case ExportFormat::Png:
        case ExportFormat::Pdf: {
            const QByteArray picture = Picture(format);
            bytes.assign(picture.begin(), picture.end());
            break;
        }
        case ExportFormat::Text:
            bytes = ScaleText(row_.entry.Scale, row_.entry.Bank, spelled_);
            break;
    }
    return SaveExport(path, bytes);
}

void wdwDetails::ChooseExport() {
    QStringList filters;
    for (const ExportChoice& choice : kExports) {
        filters << choice.filter;
    }
    const auto file = AskExportFile(
        this, "Export the Scale",
        QString::fromStdString(spelled_.root.Ascii() + " " + row_.entry.Scale), filters);
    if (!file) {
        return;
    }
    if (const auto error = ExportTo(file->path, kExports[file->format].format)) {
        ShowMessageBox(this, *error);
    }
}

void wdwDetails::SetTicked(const Ticks& ticks) {
    if (row_.ticks == ticks) {
        return;
    }
    row_.ticks = ticks;
    if (isVisible()) {
        Fill();  // in place: the user is working in another window
    }
}

void wdwDetails::closeEvent(QCloseEvent* event) {
    playback_.Stop();
    QWidget::closeEvent(event);
}

void wdwDetails::Show(const ScaleRow& row) {
    row_ = row;
    Fill();
    show();
    raise();
}

void wdwDetails::Fill() {
    const ScaleRow& row = row_;
    spelled_ = row.rootLetter && Spelling() == RootSpelling::Automatic
                   ? SpellScale(row.entry.Notes, NamedBy(row.root, *row.rootLetter),
                                SpellAsFor(row.entry.Bank))
                   : SpellEntry(row.entry, row.root, Spelling());
    title_->SetPlainText(Text(row.entry.Scale) + "  \u00B7  " + Text(row.entry.Bank) +
                         "  \u00B7  root " + Text(spelled_.root.Display()));
    notes_->SetPlainText(Text(spelled_.DisplayNotes()));
    const bool chord = spelled_.kind == SpellAs::Chord;
    intervalsCaption_->setText(chord ? "Chord tones:" : "Intervals:");
    intervals_->SetPlainText(Text(spelled_.DisplayIntervals()));

    QStringList triads;  // none for a chord, nor a scale of other than seven notes
    for (const Triad& triad : DegreeTriads(spelled_)) {
        triads << Text(triad.Symbol());
    }
    triads_->SetPlainText(triads.join("   "));
    triadsCaption_->setVisible(!triads.isEmpty());
    triads_->setVisible(!triads.isEmpty());

    const PitchClassesAboveC ticked = row.ticks ? row.ticks->notes : PitchClassesAboveC{};
    QStringList added;
    for (const NoteName& note : NotesBeyond(spelled_, ticked)) {
        added << Text(note.Display());
    }
    added_->SetPlainText(added.isEmpty() ? "none" : added.join(" "));
    const Clef clef = kClefs[clef_->currentIndex()];
    const std::vector<Pitch> pitches = ScalePitches(spelled_, clef, descending_->isChecked());
    std::vector<QString> degrees;
    for (const Pitch& pitch : pitches) {
        const auto degree = spelled_.DegreeOf(pitch.note.PitchClass());
        degrees.push_back(degree ? DegreeName(spelled_.intervals[*degree],
                                              pitch.note == spelled_.root &&
                                                  pitch.octave > pitches.front().octave)
                                 : QString());
    }
    staff_->Show(pitches, clef,
                 signature_->isChecked() ? SignatureOf(row.entry.Notes, spelled_) : std::nullopt,
                 degrees);
    keyboard_->Show(row.root, spelled_.PitchClasses(), ticked);
    showRelations_->setVisible(!chord);
    relations_->setVisible(!chord && showRelations_->isChecked());
    if (!chord) {
        relations_->Show(RelationsOf(catalogue_, spelled_, row.entry.Notes));
    }
    fretboard_->Board().Show(spelled_, ticked);
    adjustSize();
}

}  // namespace orvel
