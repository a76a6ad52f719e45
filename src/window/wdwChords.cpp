// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/wdwChords.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QRadioButton>
#include <QVBoxLayout>

#include "audio/Tempo.h"
#include "musicfiles/ScaleFiles.h"
#include "platform/AccidentalsDelegate.h"
#include "platform/AccidentalsLabel.h"
#include "platform/Contrast.h"
#include "platform/MessageBox.h"
#include "platform/ReadableAccidentals.h"
#include "theory/KeySignature.h"
#include "theory/RootName.h"
#include "theory/SpelledScale.h"
#include "theory/Staff.h"
#include "window/RankedScaleRows.h"

namespace orvel {

namespace {

// How long typing rests before the scales are ranked again.
constexpr int kPauseMs = 150;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

wdwChords::wdwChords(const std::vector<TScale>& catalogue, QWidget* parent)
    : ToolWindow("wdwChords", "Scales for Chords", parent),
      catalogue_(catalogue),
      line_(new QPlainTextEdit(this)),
      readAs_(new QButtonGroup(this)),
      chords_(new QListWidget(this)),
      key_(MakeKeyLabel(this)),
      bestModel_({"Scale", "Notes", "Left Out", "Also"}, this),
      fitsModel_({"Bank", "Scale", "Root", "Added Notes"}, this),
      nearlyModel_({"Bank", "Scale", "Root", "Missing"}, this),
      chordScalesModel_({"Bank", "Scale", "Root", "Added Notes", "Fits All"}, this),
      bestCaption_(new QLabel(this)),
      best_(MakeScaleTable("Best Fits", bestModel_, this)),
      fitsCaption_(new QLabel(this)),
      fits_(MakeScaleTable("Fits the Whole Progression", fitsModel_, this)),
      nearlyCaption_(new QLabel(this)),
      nearly_(MakeScaleTable("Missing One Note", nearlyModel_, this)),
      chordScalesCaption_(new QLabel("Chord-Scales", this)),
      chordScales_(MakeScaleTable("Chord-Scales", chordScalesModel_, this)),
      showInMain_(new QPushButton("&Show in Main Window", this)),
      export_(new QPushButton("E&xport\u2026", this)) {
    line_->setPlaceholderText("Dm7 G7 Cmaj7   or a lead sheet:   | Am | F | C | G7 % |");
    line_->setAccessibleName("Chords");
    line_->setToolTip(
        "Chord symbols, separated by spaces, commas, bar lines or line breaks, "
        "% repeating the bar before; or, read as notes, the notes of a melody");
    line_->setTabChangesFocus(true);
    line_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Three lines of a lead sheet show at once; more scroll.
    line_->setFixedHeight(
        line_->fontMetrics().lineSpacing() * 3 +
        2 * (line_->frameWidth() + static_cast<int>(line_->document()->documentMargin())));
    auto* lineCaption = new QLabel("&Chords:", this);
    lineCaption->setBuddy(line_);

    auto* chordsButton = new QRadioButton("C&hords", this);
    auto* notesButton = new QRadioButton("&Notes", this);
    chordsButton->setChecked(true);
    readAs_->addButton(chordsButton, static_cast<int>(ReadAs::Chords));
    readAs_->addButton(notesButton, static_cast<int>(ReadAs::Notes));
    chordsButton->setToolTip("Each word is a chord symbol: C F G are the I, IV and V chords");
    notesButton->setToolTip("The whole line is one set of notes: C F G are three notes");

    chords_->setAccessibleName("Chords of the progression");
    chords_->setFlow(QListView::LeftToRight);
    chords_->setWrapping(true);
    chords_->setMaximumHeight(64);
    chords_->setToolTip("Select a chord for its chord-scales");
    chords_->setItemDelegate(new AccidentalsDelegate(chords_));
    showInMain_->setToolTip("Choose this scale's root in the main window and tick the notes");
    showInMain_->setEnabled(false);

    auto* top = new QHBoxLayout;
    top->addWidget(lineCaption);
    top->addWidget(line_, 1);
    top->addWidget(new QLabel("Read as:", this));
    top->addWidget(chordsButton);
    top->addWidget(notesButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(chords_);
    layout->addWidget(key_);
    layout->addWidget(bestCaption_);
    layout->addWidget(best_, 2);
    auto* lists = new QGridLayout;
    lists->addWidget(fitsCaption_, 0, 0);
    lists->addWidget(fits_, 1, 0);
    lists->addWidget(nearlyCaption_, 0, 1);
    lists->addWidget(nearly_, 1, 1);
    layout->addLayout(lists, 2);
    layout->addWidget(chordScalesCaption_);
    layout->addWidget(chordScales_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(export_);
    buttons->addStretch();
    buttons->addWidget(showInMain_);
    layout->addLayout(buttons);
    for (auto [caption, table] : {std::pair{bestCaption_, best_},
                                  {fitsCaption_, fits_},
                                  {nearlyCaption_, nearly_},
                                  {chordScalesCaption_, chordScales_}}) {
        caption->setBuddy(table);
    }
    // Placed where room is short, a progression still reads whole.
    line_->setMinimumWidth(line_->fontMetrics().horizontalAdvance("| Dm7 | G7 | Cmaj7 | A7 |"));
    resize(900, 760);

    pause_.setSingleShot(true);
    pause_.setInterval(kPauseMs);
    connect(&pause_, &QTimer::timeout, this, &wdwChords::Refresh);
    connect(line_, &QPlainTextEdit::textChanged, &pause_, qOverload<>(&QTimer::start));
    connect(readAs_, &QButtonGroup::idClicked, this, &wdwChords::Refresh);
    connect(chords_, &QListWidget::currentRowChanged, this, &wdwChords::ShowChordScales);
    for (QTableView* table : {best_, fits_, nearly_, chordScales_}) {
        connect(table, &QTableView::activated, this, [this, table] { OpenDetails(*table); });
        connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this, table] {
                    lastTable_ = table;
                    showInMain_->setEnabled(SelectedScale().has_value());
                });
    }
    export_->setToolTip(
        "Write the progression as a MIDI file, or the first best fit as MusicXML or MIDI");
    connect(export_, &QPushButton::clicked, this, &wdwChords::ChooseExport);
    connect(showInMain_, &QPushButton::clicked, this, [this] {
        if (const auto scale = SelectedScale()) {
            emit notesRequested(progression_.Notes(), scale->root.PitchClass());
        }
    });
    setTabOrder(line_, chordsButton);
    setTabOrder(chordsButton, notesButton);
    setTabOrder(notesButton, chords_);
    setTabOrder(chords_, best_);
    setTabOrder(best_, fits_);
    setTabOrder(fits_, nearly_);
    setTabOrder(nearly_, chordScales_);
    setTabOrder(chordScales_, export_);
    setTabOrder(export_, showInMain_);
    Refresh();
}

void wdwChords::Refresh() {
    pause_.stop();
    const auto as = static_cast<ReadAs>(readAs_->checkedId());
    progression_ = ReadProgression(line_->toPlainText().toStdString(), as);
    const PitchClassesAboveC notes = progression_.Notes();
    ranked_ = RankProgression(catalogue_, progression_);

    const int selected = std::max(0, chords_->currentRow());
    chords_->clear();
    for (const ProgressionItem& item : progression_.items) {
        QString text = Text(item.text);
        if (item.chord) {
            text += ":  " + NoteList(item.chord->Sounding().notes);
        } else if (item.rest) {
            text += ":  no chord";
        } else if (!item.Read()) {
            text += ":  " + Text(item.error);
        }
        auto* entry = new QListWidgetItem(text, chords_);
        if (!item.Read()) {
            entry->setForeground(ErrorRedOn(palette().color(QPalette::Base)));
            entry->setToolTip(ReadableToolTip("Cannot be read: " + Text(item.error)));
            entry->setFlags(entry->flags() & ~Qt::ItemIsSelectable);
        }
    }
    ShowKeyAndBestFits();
    export_->setEnabled(!progression_.played.empty());
    const auto rows = [&](const std::vector<RankedScale>& ranked) {
        return std::make_shared<RankedRows>(catalogue_, ranked, progression_, ranked_.keys, notes,
                                            std::nullopt);
    };
    FillScaleTable(*fits_, *fitsCaption_, "Fits the Whole Progression", rows(ranked_.fits));
    FillScaleTable(*nearly_, *nearlyCaption_, "Missing One Note", rows(ranked_.nearly));
    // The same place in the row of chords as before, or else the first chord.
    std::optional<int> first;
    std::optional<int> again;
    for (int i = 0; i < chords_->count(); ++i) {
        if (progression_.items[static_cast<std::size_t>(i)].chord) {
            first = first.value_or(i);
            again = !again && i >= selected ? std::optional(i) : again;
        }
    }
    if (const auto row = again ? again : first) {
        chords_->setCurrentRow(*row);
    }
    ShowChordScales();
}

std::optional<std::size_t> wdwChords::SelectedChord() const {
    const int current = chords_->currentRow();
    if (current < 0 || current >= static_cast<int>(progression_.items.size()) ||
        !progression_.items[static_cast<std::size_t>(current)].chord) {
        return std::nullopt;
    }
    std::size_t read = 0;
    for (int i = 0; i < current; ++i) {
        read += progression_.items[static_cast<std::size_t>(i)].chord ? 1 : 0;
    }
    return read < ranked_.perChord.size() ? std::optional(read) : std::nullopt;
}

void wdwChords::ShowKeyAndBestFits() {
    const std::vector<Key>& keys = ranked_.keys;
    key_->SetPlainText("Key: " + KeysText(keys, "none without chords"));
    FillScaleTable(*best_, *bestCaption_, "Best Fits",
                   std::make_shared<BestRows>(catalogue_, ranked_.best, progression_, keys));
}

void wdwChords::ShowChordScales() {
    const auto chord = SelectedChord();
    if (!chord) {
        FillScaleTable(*chordScales_, *chordScalesCaption_, "Chord-Scales", nullptr);
        return;
    }
    const ProgressionItem& item =
        progression_.items[static_cast<std::size_t>(chords_->currentRow())];
    FillScaleTable(*chordScales_, *chordScalesCaption_, "Chord-Scales of " + Text(item.text),
                   std::make_shared<RankedRows>(catalogue_, ranked_.perChord[*chord], progression_,
                                                ranked_.keys, item.chord->Notes(),
                                                ChordScaleRoot(*item.chord)));
}

std::optional<wdwChords::Chosen> wdwChords::SelectedScale() const {
    if (lastTable_ == nullptr || !lastTable_->selectionModel()->hasSelection()) {
        return std::nullopt;
    }
    const auto index = static_cast<std::size_t>(lastTable_->currentIndex().row());
    if (lastTable_ == best_) {
        if (index >= ranked_.best.size()) {
            return std::nullopt;
        }
        const BestFit& row = ranked_.best[index];
        return Chosen{row.entry, RootName(row.root, progression_, ranked_.keys)};
    }
    const std::vector<RankedScale>* rows = lastTable_ == fits_     ? &ranked_.fits
                                           : lastTable_ == nearly_ ? &ranked_.nearly
                                                                   : nullptr;
    std::optional<NoteName> chordRoot;
    if (rows == nullptr) {
        const auto chord = SelectedChord();
        if (!chord) {
            return std::nullopt;
        }
        rows = &ranked_.perChord[*chord];
        chordRoot = ChordScaleRoot(
            *progression_.items[static_cast<std::size_t>(chords_->currentRow())].chord);
    }
    if (index >= rows->size()) {
        return std::nullopt;
    }
    const RankedScale& row = (*rows)[index];
    return Chosen{row.entry, chordRoot.value_or(RootName(row.root, progression_, ranked_.keys))};
}

ScaleRow wdwChords::RowOf(const Chosen& scale) const {
    const PitchClass root = scale.root.PitchClass();
    return {.entry = catalogue_[scale.entry],
            .root = root,
            .ticks = Ticks{.notes = progression_.Notes(), .chosenRoot = root},
            .rootLetter = scale.root.letter};
}

std::optional<QString> wdwChords::ExportTo(const QString& path, ExportFormat format) const {
    std::string bytes;
    if (format == ExportFormat::ProgressionMidi) {
        if (progression_.played.empty()) {
            return QString("There are no chords to export");
        }
        const std::vector<std::uint8_t> midi =
            MidiClip(ProgressionClip(progression_), kDefaultTempo, "Progression");
        bytes.assign(midi.begin(), midi.end());
    } else {
        if (ranked_.best.empty()) {
            return QString("There is no best fit to export");
        }
        const BestFit& first = ranked_.best.front();
        const TScale& entry = catalogue_[first.entry];
        const SpelledScale spelled = SpellScale(
            entry.Notes, RootName(first.root, progression_, ranked_.keys), SpellAsFor(entry.Bank));
        const std::vector<Pitch> pitches = ScalePitches(spelled, Clef::Treble, false);
        const std::string name = spelled.root.Ascii() + " " + entry.Scale;
        if (format == ExportFormat::BestFitMusicXml) {
            bytes = ScaleMusicXml(pitches, Clef::Treble, SignatureOf(entry.Notes, spelled), name);
        } else {
            const std::vector<std::uint8_t> midi =
                MidiClip(ScaleClip(pitches, {}), kDefaultTempo, name);
            bytes.assign(midi.begin(), midi.end());
        }
    }
    return SaveExport(path, bytes);
}

void wdwChords::ChooseExport() {
    constexpr ExportFormat kFormats[] = {ExportFormat::ProgressionMidi,
                                         ExportFormat::BestFitMusicXml, ExportFormat::BestFitMidi};
    const auto file =
        AskExportFile(this, "Export", "Progression",
                      {"Progression as MIDI (*.mid)", "First best fit as MusicXML (*.musicxml)",
                       "First best fit as MIDI (*.mid)"});
    if (!file) {
        return;
    }
    if (const auto error = ExportTo(file->path, kFormats[file->format])) {
        ShowMessageBox(this, *error);
    }
}

void wdwChords::OpenDetails(QTableView& table) {
    lastTable_ = &table;
    if (const auto scale = SelectedScale()) {
        emit detailsRequested(RowOf(*scale));
    }
}

}  // namespace orvel
