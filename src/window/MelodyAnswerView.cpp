// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/MelodyAnswerView.h"

#include <QVBoxLayout>
#include <algorithm>

#include "theory/RootName.h"
#include "window/RankedScaleRows.h"
#include "window/ToolWindow.h"

namespace orvel {

namespace {

constexpr int kMostThresholdPercent = 50;
constexpr int kMostBarsPerSection = 64;

QString BarsText(const MelodySection& section) {
    return section.firstBar == section.lastBar
               ? QString("Bar %1").arg(section.firstBar)
               : QString("Bars %1\u2013%2").arg(section.firstBar).arg(section.lastBar);
}

// The two answers list the same scales under the same keys: the tables
// need not be filled again (and lose what is selected in them).
bool SameRows(const MelodyAnswer& one, const MelodyAnswer& other) {
    const auto sameKeys =
        std::equal(one.scales.keys.begin(), one.scales.keys.end(), other.scales.keys.begin(),
                   other.scales.keys.end(),
                   [](const Key& a, const Key& b) { return a.Display() == b.Display(); });
    const auto sameBest =
        std::equal(one.scales.best.begin(), one.scales.best.end(), other.scales.best.begin(),
                   other.scales.best.end(), [](const BestFit& a, const BestFit& b) {
                       return a.entry == b.entry && a.root == b.root && a.also == b.also;
                   });
    return one.kept == other.kept && sameKeys && sameBest && one.scales.fits == other.scales.fits;
}

}  // namespace

MelodyAnswerView::MelodyAnswerView(const std::vector<TScale>& catalogue, QWidget* parent)
    : QWidget(parent),
      catalogue_(catalogue),
      choices_(new QHBoxLayout),
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

    auto* thresholdCaption = new QLabel("Leave out &under:", this);
    thresholdCaption->setBuddy(threshold_);
    auto* barsCaption = new QLabel("Sections o&f:", this);
    barsCaption->setBuddy(barsPerSection_);
    choices_->addStretch();
    choices_->addWidget(thresholdCaption);
    choices_->addWidget(threshold_);
    choices_->addWidget(barsCaption);
    choices_->addWidget(barsPerSection_);
    auto* sectionsCaption = new QLabel("S&ections:", this);
    sectionsCaption->setBuddy(sections_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(choices_);
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

    connect(threshold_, &QSpinBox::valueChanged, this, &MelodyAnswerView::Rank);
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
    }
    connect(showInMain_, &QPushButton::clicked, this, [this] {
        if (!answer_.scales.keys.empty()) {
            emit notesRequested(answer_.kept, answer_.scales.keys.front().tonic.PitchClass());
        }
    });
    ShowAnswer();
}

void MelodyAnswerView::Show(std::shared_ptr<const Melody> melody,
                            std::optional<std::pair<MelodyQuery, MelodyAnswer>> whole,
                            bool keepSection) {
    melody_ = std::move(melody);
    if (!keepSection) {
        section_.reset();
    }
    const MelodyQuery now = Query(true);
    if (whole && whole->first.threshold == now.threshold &&
        whole->first.barsPerSection == now.barsPerSection && whole->first.span.parts == parts_) {
        whole_ = std::move(whole->second);
        ShowRanked();
    } else {
        Rank();
    }
}

void MelodyAnswerView::SetParts(std::vector<std::size_t> parts) {
    parts_ = std::move(parts);
    Rank();
}

MelodyQuery MelodyAnswerView::Query(bool wholePiece) const {
    MelodyQuery query;
    query.span.parts = parts_;
    query.threshold = threshold_->value() / 100.0;
    query.barsPerSection = barsPerSection_->value();
    if (!wholePiece && section_ && *section_ < whole_.sections.size()) {
        query.span.firstBar = whole_.sections[*section_].firstBar;
        query.span.lastBar = whole_.sections[*section_].lastBar;
    }
    return query;
}

void MelodyAnswerView::Rank() {
    if (!melody_) {
        return;
    }
    whole_ = RankMelody(catalogue_, *melody_, Query(true));
    ShowRanked();
}

void MelodyAnswerView::ShowRanked() {
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

void MelodyAnswerView::ShowAnswer() {
    const bool sameRows = best_->model() != nullptr && SameRows(answer_, shownRows_);
    kept_ = KeptNotesLine(answer_);
    std::array<QString, 12> names;
    for (int c = 0; c < 12; ++c) {
        names[static_cast<std::size_t>(c)] =
            QString::fromStdString(RootName(PitchClass(c), kept_, answer_.scales.keys).Display());
    }
    profile_->Show(answer_.profile.weights, answer_.kept, threshold_->value() / 100.0, names);
    const QString where =
        section_ ? BarsText(whole_.sections[*section_]) + ", key: " : QString("Key: ");
    key_->SetPlainText(where + KeysText(answer_.scales.keys, "none without notes"));
    showInMain_->setEnabled(!answer_.scales.keys.empty());
    if (sameRows) {
        return;
    }
    shownRows_ = answer_;
    FillScaleTable(
        *best_, *bestCaption_, "Best Fits",
        std::make_shared<BestRows>(catalogue_, answer_.scales.best, kept_, answer_.scales.keys));
    FillScaleTable(*fits_, *fitsCaption_, "Holds Every Kept Note",
                   std::make_shared<RankedRows>(catalogue_, answer_.scales.fits, kept_,
                                                answer_.scales.keys, answer_.kept, std::nullopt));
}

std::optional<ScaleRow> MelodyAnswerView::SelectedRow(QTableView& table) const {
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

void MelodyAnswerView::OpenDetails(QTableView& table) {
    if (const auto row = SelectedRow(table)) {
        emit detailsRequested(*row);
    }
}

}  // namespace orvel
