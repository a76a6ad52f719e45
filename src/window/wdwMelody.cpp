// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/wdwMelody.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMimeData>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include "midi/MidiKeyboard.h"
#include "musicfiles/MusicFileError.h"
#include "musicfiles/ReadMusicFile.h"
#include "platform/Contrast.h"
#include "platform/ReadableAccidentals.h"
#include "theory/RootName.h"
#include "window/RankedScaleRows.h"

namespace orvel {

namespace {

constexpr int kMostThresholdPercent = 50;
constexpr int kMostBarsPerSection = 64;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QString BarsText(const MelodySection& section) {
    return section.firstBar == section.lastBar
               ? QString("Bar %1").arg(section.firstBar)
               : QString("Bars %1\u2013%2").arg(section.firstBar).arg(section.lastBar);
}

}  // namespace

wdwMelody::wdwMelody(const std::vector<TScale>& catalogue, MidiKeyboard* midi, QWidget* parent)
    : ToolWindow("wdwMelody", "Scales for a Melody", parent),
      catalogue_(catalogue),
      open_(new QPushButton("&Open\u2026", this)),
      record_(new QPushButton("&Record", this)),
      source_(new QLabel("Open a MIDI or MusicXML file, drop one here, or record a phrase", this)),
      busy_(new QProgressBar(this)),
      status_(new QLabel(this)),
      parts_(new QListWidget(this)),
      threshold_(new QSpinBox(this)),
      barsPerSection_(new QSpinBox(this)),
      profile_(new ProfileBars(this)),
      key_(MakeKeyLabel(this)),
      sections_(new QListWidget(this)),
      bestModel_({"Scale", "Notes", "Left Out", "Also"}, this),
      fitsModel_({"Bank", "Scale", "Root", "Added Notes"}, this),
      bestCaption_(new QLabel(this)),
      best_(MakeScaleTable("Best Fits", bestModel_, this)),
      fitsCaption_(new QLabel(this)),
      fits_(MakeScaleTable("Holds Every Kept Note", fitsModel_, this)),
      showInMain_(new QPushButton("&Show in Main Window", this)) {
    setAcceptDrops(true);
    open_->setToolTip("Open a MIDI file (.mid) or a MusicXML score (.musicxml, .xml, .mxl)");
    record_->setCheckable(true);
    record_->setEnabled(midi != nullptr);
    record_->setToolTip(midi != nullptr
                            ? "Play a phrase on the MIDI keyboard (Tools > MIDI Input), then Stop"
                            : "No MIDI keyboard can be listened to");
    source_->setAccessibleName("Melody");
    source_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    busy_->setRange(0, 0);  // busy: how long a file takes is not known
    busy_->setMaximumHeight(12);
    busy_->setTextVisible(false);
    busy_->hide();
    status_->setAccessibleName("Status");
    status_->setWordWrap(true);
    parts_->setAccessibleName("Tracks and parts");
    parts_->setToolTip("The tracks or parts to hear");
    parts_->setFlow(QListView::LeftToRight);
    parts_->setWrapping(true);
    parts_->setMaximumHeight(56);
    threshold_->setRange(0, kMostThresholdPercent);
    threshold_->setSuffix(" %");
    threshold_->setValue(static_cast<int>(MelodyQuery::kDefaultThreshold * 100 + 0.5));
    threshold_->setAccessibleName("Threshold");
    threshold_->setToolTip("Notes with less of the weight than this are passing notes, left out");
    barsPerSection_->setRange(1, kMostBarsPerSection);
    barsPerSection_->setValue(MelodyQuery::kDefaultBarsPerSection);
    barsPerSection_->setSuffix(" bars");
    barsPerSection_->setAccessibleName("Bars per section");
    sections_->setAccessibleName("Sections");
    sections_->setToolTip("Click a section for its answer; Whole Piece for the whole");
    sections_->setFlow(QListView::LeftToRight);
    sections_->setWrapping(true);
    sections_->setMaximumHeight(64);
    showInMain_->setToolTip("Tick the kept notes in the main window, the key's tonic as root");
    showInMain_->setEnabled(false);

    auto* top = new QHBoxLayout;
    top->addWidget(open_);
    top->addWidget(record_);
    top->addWidget(source_, 1);
    auto* choices = new QHBoxLayout;
    auto* partsCaption = new QLabel("&Tracks:", this);
    partsCaption->setBuddy(parts_);
    auto* thresholdCaption = new QLabel("Leave out &under:", this);
    thresholdCaption->setBuddy(threshold_);
    auto* barsCaption = new QLabel("Sections &of:", this);
    barsCaption->setBuddy(barsPerSection_);
    choices->addWidget(partsCaption);
    choices->addWidget(parts_, 1);
    choices->addWidget(thresholdCaption);
    choices->addWidget(threshold_);
    choices->addWidget(barsCaption);
    choices->addWidget(barsPerSection_);
    auto* sectionsCaption = new QLabel("S&ections:", this);
    sectionsCaption->setBuddy(sections_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(busy_);
    layout->addWidget(status_);
    layout->addLayout(choices);
    layout->addWidget(profile_, 1);
    layout->addWidget(key_);
    layout->addWidget(sectionsCaption);
    layout->addWidget(sections_);
    layout->addWidget(bestCaption_);
    layout->addWidget(best_, 2);
    layout->addWidget(fitsCaption_);
    layout->addWidget(fits_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(showInMain_);
    layout->addLayout(buttons);
    bestCaption_->setBuddy(best_);
    fitsCaption_->setBuddy(fits_);
    resize(860, 780);

    connect(open_, &QPushButton::clicked, this, &wdwMelody::ChooseFile);
    connect(record_, &QPushButton::toggled, this, &wdwMelody::ToggleRecording);
    if (midi != nullptr) {
        connect(midi, &MidiKeyboard::eventsTaken, this, &wdwMelody::TakeMidi);
    }
    connect(&watcher_, &QFutureWatcher<ReadResult>::finished, this, &wdwMelody::Read);
    connect(parts_, &QListWidget::itemChanged, this, &wdwMelody::Rank);
    connect(threshold_, &QSpinBox::valueChanged, this, &wdwMelody::Rank);
    connect(barsPerSection_, &QSpinBox::valueChanged, this, [this] {
        section_.reset();
        Rank();
    });
    connect(sections_, &QListWidget::currentRowChanged, this, [this](int row) {
        const std::optional<std::size_t> chosen =
            row > 0 ? std::optional(static_cast<std::size_t>(row - 1)) : std::nullopt;
        if (chosen == section_ || !melody_) {
            return;
        }
        section_ = chosen;
        answer_ = section_ ? RankMelody(catalogue_, *melody_, Query(false)) : whole_;
        ShowAnswer();
    });
    for (QTableView* table : {best_, fits_}) {
        connect(table, &QTableView::activated, this, [this, table] { OpenDetails(*table); });
        connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this, table] { lastTable_ = table; });
    }
    connect(showInMain_, &QPushButton::clicked, this, [this] {
        if (!answer_.scales.keys.empty()) {
            emit notesRequested(answer_.kept, answer_.scales.keys.front().tonic.PitchClass());
        }
    });
    ShowAnswer();
}

wdwMelody::~wdwMelody() {
    watcher_.waitForFinished();
}

void wdwMelody::ChooseFile() {
    const QString path = QFileDialog::getOpenFileName(
        this, "Open a Melody", {}, QString("Melodies (%1);;All files (*)").arg(kMusicFilePatterns));
    if (!path.isEmpty()) {
        Open(path);
    }
}

void wdwMelody::Open(const QString& path) {
    pendingSource_ = QFileInfo(path).fileName();
    status_->setText("Reading " + pendingSource_ + "\u2026");
    status_->setStyleSheet({});
    busy_->show();
    reading_ = true;
    MelodyQuery query;  // every part, as a file newly read is heard
    query.threshold = threshold_->value() / 100.0;
    query.barsPerSection = barsPerSection_->value();
    watcher_.setFuture(
        QtConcurrent::run([file = path.toStdString(), catalogue = &catalogue_, query] {
            try {
                auto melody = std::make_shared<const Melody>(ReadMusicFile(file));
                MelodyAnswer whole = RankMelody(*catalogue, *melody, query);
                return ReadResult{std::move(melody), {}, query, std::move(whole)};
            } catch (const MusicFileError& error) {
                return ReadResult{nullptr, error.what(), query, {}};
            } catch (const std::bad_alloc&) {
                return ReadResult{nullptr, "there is not enough memory to read it", query, {}};
            }
        }));
}

void wdwMelody::Read() {
    busy_->hide();
    reading_ = false;
    const ReadResult result = watcher_.result();
    if (!result.melody) {
        status_->setText("Cannot read " + pendingSource_ + ": " + Text(result.error));
        status_->setStyleSheet(
            QString("color: %1").arg(ErrorRedOn(palette().color(QPalette::Window)).name()));
        return;
    }
    Present(result.melody, pendingSource_, std::pair(result.query, result.whole));
}

void wdwMelody::Present(std::shared_ptr<const Melody> melody, const QString& source,
                        std::optional<std::pair<MelodyQuery, MelodyAnswer>> whole) {
    status_->setStyleSheet({});
    status_->setText(melody->truncated
                         ? QString("Only the first %1 notes were read").arg(Melody::kMostNotes)
                         : QString());
    melody_ = std::move(melody);
    source_->setText(source);
    section_.reset();
    parts_->blockSignals(true);
    parts_->clear();
    for (const MelodyPart& part : melody_->parts) {
        auto* item = new QListWidgetItem(
            QString("%1 (%2 notes)").arg(Text(part.name)).arg(part.noteCount), parts_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    parts_->blockSignals(false);
    const MelodyQuery now = Query(true);
    if (whole && whole->first.threshold == now.threshold &&
        whole->first.barsPerSection == now.barsPerSection) {
        whole_ = std::move(whole->second);
        ShowRanked();
    } else {
        Rank();
    }
}

void wdwMelody::ShowMelody(Melody melody, const QString& source) {
    Present(std::make_shared<const Melody>(std::move(melody)), source);
}

void wdwMelody::ToggleRecording(bool on) {
    if (on) {
        phrase_ = {};
        clock_.restart();
        record_->setText("&Stop");
        status_->setStyleSheet({});
        status_->setText("Recording: play on the MIDI keyboard, then Stop");
        return;
    }
    record_->setText("&Record");
    Melody played = phrase_.Take(clock_.nsecsElapsed() / 1e9);
    if (played.notes.empty()) {
        status_->setText("Nothing was played");
        return;
    }
    ShowMelody(std::move(played), "Played phrase");
}

void wdwMelody::TakeMidi(const std::vector<MidiEvent>& events) {
    if (!record_->isChecked()) {
        return;
    }
    const double seconds = clock_.nsecsElapsed() / 1e9;
    for (const MidiEvent& event : events) {
        if (event.kind == MidiEvent::Kind::KeyDown) {
            phrase_.Press(event.key, seconds);
        } else if (event.kind == MidiEvent::Kind::KeyUp) {
            phrase_.Release(event.key, seconds);
        }
    }
}

MelodyQuery wdwMelody::Query(bool wholePiece) const {
    MelodyQuery query;
    bool all = true;
    for (int row = 0; row < parts_->count(); ++row) {
        if (parts_->item(row)->checkState() == Qt::Checked) {
            query.span.parts.push_back(static_cast<std::size_t>(row));
        } else {
            all = false;
        }
    }
    if (all) {
        query.span.parts.clear();
    } else if (query.span.parts.empty()) {
        query.span.parts.push_back(melody_ ? melody_->parts.size() : 0);  // none: nothing to hear
    }
    query.threshold = threshold_->value() / 100.0;
    query.barsPerSection = barsPerSection_->value();
    if (!wholePiece && section_ && *section_ < whole_.sections.size()) {
        query.span.firstBar = whole_.sections[*section_].firstBar;
        query.span.lastBar = whole_.sections[*section_].lastBar;
    }
    return query;
}

void wdwMelody::Rank() {
    if (!melody_) {
        return;
    }
    whole_ = RankMelody(catalogue_, *melody_, Query(true));
    ShowRanked();
}

void wdwMelody::ShowRanked() {
    if (section_ && *section_ >= whole_.sections.size()) {
        section_.reset();
    }
    answer_ = section_ ? RankMelody(catalogue_, *melody_, Query(false)) : whole_;
    sections_->blockSignals(true);
    sections_->clear();
    new QListWidgetItem("Whole Piece", sections_);
    for (const MelodySection& section : whole_.sections) {
        new QListWidgetItem(BarsText(section) + ": " + KeysText(section.keys, "no notes"),
                            sections_);
    }
    sections_->setCurrentRow(section_ ? static_cast<int>(*section_) + 1 : 0);
    sections_->blockSignals(false);
    ShowAnswer();
}

void wdwMelody::ShowAnswer() {
    kept_ = KeptNotesLine(answer_);
    std::array<QString, 12> names;
    for (int c = 0; c < 12; ++c) {
        names[static_cast<std::size_t>(c)] =
            Text(RootName(PitchClass(c), kept_, answer_.scales.keys).Display());
    }
    profile_->Show(answer_.profile.weights, answer_.kept, threshold_->value() / 100.0, names);
    const QString where =
        section_ ? BarsText(whole_.sections[*section_]) + ", key: " : QString("Key: ");
    key_->SetPlainText(where + KeysText(answer_.scales.keys, "none without notes"));
    FillScaleTable(
        *best_, *bestCaption_, "Best Fits",
        std::make_shared<BestRows>(catalogue_, answer_.scales.best, kept_, answer_.scales.keys));
    FillScaleTable(*fits_, *fitsCaption_, "Holds Every Kept Note",
                   std::make_shared<RankedRows>(catalogue_, answer_.scales.fits, kept_,
                                                answer_.scales.keys, answer_.kept, std::nullopt));
    showInMain_->setEnabled(!answer_.scales.keys.empty());
}

std::optional<ScaleRow> wdwMelody::SelectedRow(QTableView& table) const {
    if (!table.selectionModel()->hasSelection()) {
        return std::nullopt;
    }
    const auto index = static_cast<std::size_t>(table.currentIndex().row());
    const auto& best = answer_.scales.best;
    const auto& fits = answer_.scales.fits;
    std::uint32_t entry = 0;
    PitchClass root;
    if (&table == best_ && index < best.size()) {
        entry = best[index].entry;
        root = best[index].root;
    } else if (&table == fits_ && index < fits.size()) {
        entry = fits[index].entry;
        root = fits[index].root;
    } else {
        return std::nullopt;
    }
    const NoteName name = RootName(root, kept_, answer_.scales.keys);
    return ScaleRow{.entry = catalogue_[entry],
                    .root = root,
                    .ticks = Ticks{.notes = answer_.kept, .chosenRoot = root},
                    .rootLetter = name.letter};
}

void wdwMelody::OpenDetails(QTableView& table) {
    if (const auto row = SelectedRow(table)) {
        emit detailsRequested(*row);
    }
}

void wdwMelody::dragEnterEvent(QDragEnterEvent* event) {
    const QMimeData* data = event->mimeData();
    if (data->hasUrls() && !data->urls().isEmpty() && data->urls().front().isLocalFile()) {
        event->acceptProposedAction();
    }
}

void wdwMelody::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.front().isLocalFile()) {
        event->acceptProposedAction();
        Open(urls.front().toLocalFile());
    }
}

}  // namespace orvel
