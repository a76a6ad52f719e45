// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/FretboardPanel.h"

#include <QHBoxLayout>
#include <QScrollBar>
#include <QVBoxLayout>

#include "platform/Contrast.h"

namespace orvel {

namespace {

// The label popup's items, in the order of Fretboard::Labels.
constexpr const char* kLabelChoices[] = {"Note Names", "Intervals", "None"};

QLabel* Caption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* caption = new QLabel(text, parent);
    caption->setBuddy(buddy);
    return caption;
}

}  // namespace

FretboardPanel::FretboardPanel(QWidget* parent)
    : QWidget(parent),
      board_(new Fretboard),
      scroller_(new QScrollArea(this)),
      instrument_(new QComboBox(this)),
      custom_(new QLineEdit(this)),
      error_(new QLabel(this)),
      frets_(new QSpinBox(this)),
      labels_(new QComboBox(this)),
      leftHanded_(new QCheckBox("&Left-handed", this)) {
    scroller_->setWidget(board_);
    scroller_->setWidgetResizable(true);
    scroller_->setFrameShape(QFrame::NoFrame);
    scroller_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    for (const Tuning& preset : TuningPresets()) {
        instrument_->addItem(QString::fromStdString(preset.label));
    }
    instrument_->addItem("Custom");
    custom_->setPlaceholderText("Pitches, bass side first: D2 A2 D3 G3 A3 D4");
    custom_->setAccessibleName("Custom tuning");
    custom_->setVisible(false);
    custom_->setText(QString::fromStdString(TuningPresets().front().AsciiPitches()));
    error_->setWordWrap(true);
    QPalette red = error_->palette();
    red.setColor(QPalette::WindowText, ErrorRedOn(red.color(QPalette::Window)));
    error_->setPalette(red);
    error_->setVisible(false);
    frets_->setRange(kFewestFrets, kMostFrets);
    frets_->setValue(kDefaultFrets);
    frets_->setAccessibleName("Frets");
    for (const char* choice : kLabelChoices) {
        labels_->addItem(choice);
    }
    connect(instrument_, &QComboBox::currentIndexChanged, this, [this] {
        custom_->setVisible(instrument_->currentIndex() ==
                            static_cast<int>(TuningPresets().size()));
        Apply();
    });
    connect(custom_, &QLineEdit::editingFinished, this, &FretboardPanel::Apply);
    connect(frets_, &QSpinBox::valueChanged, this, &FretboardPanel::Apply);
    connect(labels_, &QComboBox::currentIndexChanged, this, &FretboardPanel::Apply);
    connect(leftHanded_, &QCheckBox::toggled, this, &FretboardPanel::Apply);

    auto* controls = new QHBoxLayout;
    controls->addWidget(Caption("I&nstrument:", instrument_, this));
    controls->addWidget(instrument_);
    controls->addWidget(custom_, 1);
    controls->addWidget(Caption("&Frets:", frets_, this));
    controls->addWidget(frets_);
    controls->addWidget(Caption("L&abels:", labels_, this));
    controls->addWidget(labels_);
    controls->addWidget(leftHanded_);
    controls->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroller_);
    layout->addLayout(controls);
    layout->addWidget(error_);
    Apply();
}

void FretboardPanel::Apply() {
    const auto preset = static_cast<std::size_t>(instrument_->currentIndex());
    Tuning tuning = board_->CurrentTuning();
    if (preset < TuningPresets().size()) {
        tuning = TuningPresets()[preset];
        error_->clear();
    } else {
        try {
            tuning = ParseTuning(custom_->text().toStdString());
            error_->clear();
        } catch (const orvel::TuningError& error) {
            error_->setText(QString::fromStdString(error.what()));
        }
    }
    error_->setVisible(!error_->text().isEmpty());
    board_->SetTuning(tuning, frets_->value());
    board_->SetLabels(static_cast<Fretboard::Labels>(labels_->currentIndex()));
    board_->SetLeftHanded(leftHanded_->isChecked());
    const int scrollBar = scroller_->horizontalScrollBar()->sizeHint().height();
    scroller_->setFixedHeight(board_->minimumSizeHint().height() + scrollBar);
}

}  // namespace orvel
