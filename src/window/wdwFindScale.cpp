// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/wdwFindScale.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "matching/NoteNameTable.h"
#include "matching/RankScales.h"
#include "window/ToolWindows.h"

namespace orvel {

wdwFindScale::wdwFindScale(const std::vector<TScale>& catalogue, QWidget* parent)
    : QWidget(parent, Qt::Window),
      catalogue_(catalogue),
      line_(new QLineEdit(this)),
      root_(new QComboBox(this)),
      caption_(new QLabel(this)),
      found_(MakeScaleTable("Scales found", {"Bank", "Scale", "Also Called"}, this)),
      showInMain_(new QPushButton("&Show in Main Window", this)) {
    setObjectName("wdwFindScale");
    setWindowTitle("Find Scale");
    for (const TScale& entry : catalogue_) {
        aliases_[{entry.Bank, entry.Notes}].push_back(entry.Scale);
    }
    line_->setPlaceholderText("Part of a name or bank: hira, blues, bebop");
    line_->setAccessibleName("Name or bank");
    auto* lineCaption = new QLabel("&Find:", this);
    lineCaption->setBuddy(line_);
    for (const std::string_view name : kNoteNameTable) {
        root_->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
    root_->setCurrentIndex(kDefaultRootIndex);
    root_->setToolTip("The root the scale is shown and ticked from");
    auto* rootCaption = new QLabel("&Root:", this);
    rootCaption->setBuddy(root_);
    caption_->setBuddy(found_);
    showInMain_->setToolTip("Choose the root in the main window and tick the scale's notes");

    auto* top = new QHBoxLayout;
    top->addWidget(lineCaption);
    top->addWidget(line_, 1);
    top->addWidget(rootCaption);
    top->addWidget(root_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(caption_);
    layout->addWidget(found_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(showInMain_);
    layout->addLayout(buttons);
    resize(620, 420);
    CloseOnEscapeOrCtrlW(*this);

    connect(line_, &QLineEdit::textChanged, this, &wdwFindScale::Search);
    connect(found_, &QTableWidget::activated, this, &wdwFindScale::OpenDetails);
    // Enter in the line opens the first scale found.
    connect(line_, &QLineEdit::returnPressed, this, &wdwFindScale::OpenDetails);
    connect(found_, &QTableWidget::itemSelectionChanged, this,
            [this] { showInMain_->setEnabled(Selected() != nullptr); });
    connect(showInMain_, &QPushButton::clicked, this, [this] {
        if (const TScale* entry = Selected()) {
            emit notesRequested(NotesOn(entry->Notes, RootPitchClass()), RootPitchClass());
        }
    });
    setTabOrder(line_, root_);
    setTabOrder(root_, found_);
    setTabOrder(found_, showInMain_);
    Search();
}

void wdwFindScale::Search() {
    const QString wanted = line_->text().trimmed();
    shown_.clear();
    std::size_t matches = 0;
    if (!wanted.isEmpty()) {
        for (std::size_t i = 0; i < catalogue_.size(); ++i) {
            const TScale& entry = catalogue_[i];
            if (QString::fromStdString(entry.Scale).contains(wanted, Qt::CaseInsensitive) ||
                QString::fromStdString(entry.Bank).contains(wanted, Qt::CaseInsensitive)) {
                if (shown_.size() < static_cast<std::size_t>(kShownRows)) {
                    shown_.push_back(i);
                }
                ++matches;
            }
        }
    }
    caption_->setText(matches > shown_.size()
                          ? QString("Scales (the first %1 of %2)").arg(shown_.size()).arg(matches)
                          : QString("Scales (%1)").arg(matches));
    found_->setRowCount(static_cast<int>(shown_.size()));
    for (std::size_t row = 0; row < shown_.size(); ++row) {
        const TScale& entry = catalogue_[shown_[row]];
        QStringList others;
        for (const std::string& name : aliases_.at({entry.Bank, entry.Notes})) {
            if (name != entry.Scale) {
                others << QString::fromStdString(name);
            }
        }
        const QStringList cells = {QString::fromStdString(entry.Bank),
                                   QString::fromStdString(entry.Scale), others.join(", ")};
        for (int column = 0; column < 3; ++column) {
            found_->setItem(static_cast<int>(row), column, new QTableWidgetItem(cells[column]));
        }
    }
    // The aliases take the room that is left.
    found_->resizeColumnToContents(0);
    found_->resizeColumnToContents(1);
    if (!shown_.empty()) {
        found_->selectRow(0);
    }
    showInMain_->setEnabled(Selected() != nullptr);
}

const TScale* wdwFindScale::Selected() const {
    const int row = found_->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= shown_.size() ||
        found_->selectedItems().isEmpty()) {
        return nullptr;
    }
    return &catalogue_[shown_[static_cast<std::size_t>(row)]];
}

void wdwFindScale::OpenDetails() {
    if (const TScale* entry = Selected()) {
        // No ticked notes: the main window shows it against its own.
        emit detailsRequested({QString::fromStdString(entry->Bank),
                               QString::fromStdString(entry->Scale),
                               entry->Notes,
                               RootPitchClass(),
                               {},
                               RootPitchClass()});
    }
}

int wdwFindScale::RootPitchClass() const {
    return PitchClassAboveC(root_->currentIndex());
}

}  // namespace orvel
