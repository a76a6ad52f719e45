// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ProfileBars.h"

#include <QPainter>
#include <algorithm>

namespace orvel {

namespace {

constexpr int kMargin = 4;
constexpr int kGap = 3;

}  // namespace

ProfileBars::ProfileBars(QWidget* parent) : QWidget(parent) {
    setAccessibleName("Profile");
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void ProfileBars::Show(const NoteWeights& weights, PitchClassesAboveC kept, double threshold,
                       const std::array<QString, 12>& names) {
    weights_ = weights;
    kept_ = kept;
    threshold_ = threshold;
    names_ = names;
    QStringList shares;
    const double total = weights.Total();
    for (int c = 0; c < 12; ++c) {
        if (total > 0 && weights.Of(PitchClass(c)) > 0) {
            shares << QString("%1 %2 %")
                          .arg(names[static_cast<std::size_t>(c)])
                          .arg(100 * weights.Of(PitchClass(c)) / total, 0, 'f', 1);
        }
    }
    setToolTip(shares.isEmpty() ? QString("No notes")
                                : "How much each note counts: " + shares.join(", "));
    update();
}

int ProfileBars::KeyHeight() const {
    return fontMetrics().height() + 10;
}

double ProfileBars::Highest() const {
    return *std::max_element(weights_.ofPitchClass.begin(), weights_.ofPitchClass.end());
}

QRect ProfileBars::KeyRect(int c) const {
    const int width = (this->width() - 2 * kMargin) / 12;
    return {kMargin + c * width, height() - kMargin - KeyHeight(), width, KeyHeight()};
}

QRect ProfileBars::BarRect(int c) const {
    const double highest = Highest();
    const QRect key = KeyRect(c);
    const int room = key.top() - kMargin - kGap;
    const double weight = weights_.Of(PitchClass(c));
    if (highest <= 0 || weight <= 0) {
        return {};
    }
    const int tall = std::max(1, static_cast<int>(room * weight / highest + 0.5));
    return {key.left() + kGap, key.top() - kGap - tall, key.width() - 2 * kGap, tall};
}

int ProfileBars::ThresholdY() const {
    const double highest = Highest();
    const QRect key = KeyRect(0);
    const int room = key.top() - kMargin - kGap;
    const double line = highest > 0 ? std::min(1.0, threshold_ * weights_.Total() / highest) : 0;
    return key.top() - kGap - static_cast<int>(room * line + 0.5);
}

void ProfileBars::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int c = 0; c < 12; ++c) {
        const QRect key = KeyRect(c);
        const bool black = PitchClass(c).IsBlackKey();
        painter.setPen(QPen(QColor(90, 90, 90), 1));
        painter.setBrush(black ? QColor(40, 40, 40) : QColor(250, 250, 250));
        painter.drawRect(key.adjusted(0, 0, -1, -1));
        painter.setPen(black ? Qt::white : Qt::black);
        painter.drawText(key, Qt::AlignCenter, names_[static_cast<std::size_t>(c)]);
        const QRect bar = BarRect(c);
        if (!bar.isEmpty()) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(kept_.Has(PitchClass(c)) ? kKept : kLeftOut);
            painter.drawRect(bar);
        }
    }
    if (threshold_ > 0 && Highest() > 0) {
        painter.setPen(QPen(QColor(200, 40, 40), 1, Qt::DashLine));
        const int y = ThresholdY();
        painter.drawLine(kMargin, y, width() - kMargin, y);
    }
}

}  // namespace orvel
