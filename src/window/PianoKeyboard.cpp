// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/PianoKeyboard.h"

#include <QPainter>

#include "audio/Performance.h"

namespace orvel {

PianoKeyboard::PianoKeyboard(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void PianoKeyboard::Show(PitchClass root, PitchClasses scale, PitchClasses ticked) {
    root_ = root;
    scale_ = scale;
    ticked_ = ticked;
    updateGeometry();
    update();
}

void PianoKeyboard::SetSounding(const QList<int>& midiKeys) {
    const int first = KeyNearMiddleC(root_);
    QList<int> lit;
    for (const int midiKey : midiKeys) {
        lit.append(OctavesInto(midiKey, first, first + kKeys - 1) - first);
    }
    if (lit != lit_) {
        lit_ = lit;
        update();
    }
}

int PianoKeyboard::Lead() const {
    return root_.IsBlackKey() ? 1 : 0;
}

int PianoKeyboard::DrawnKeys() const {
    const int last = Lead() + kKeys - 1;
    return last + 1 + (IsBlack(last) ? 1 : 0);
}

bool PianoKeyboard::IsBlack(int drawn) const {
    return root_.Up(drawn - Lead()).IsBlackKey();
}

QRect PianoKeyboard::DrawnKeyRect(int drawn) const {
    int whitesBefore = 0;
    for (int k = 0; k < drawn; ++k) {
        whitesBefore += IsBlack(k) ? 0 : 1;
    }
    if (!IsBlack(drawn)) {
        return {whitesBefore * kWhiteWidth, 0, kWhiteWidth, kWhiteHeight};
    }
    return {whitesBefore * kWhiteWidth - kBlackWidth / 2, 0, kBlackWidth, kBlackHeight};
}

QRect PianoKeyboard::KeyRect(int key) const {
    return DrawnKeyRect(key + Lead());
}

QRect PianoKeyboard::DotRect(int key) const {
    const QRect rect = KeyRect(key);
    const int size = kBlackWidth - 6;
    return {rect.center().x() - size / 2, rect.bottom() - size - 6, size, size};
}

QString PianoKeyboard::KeyName(int key) const {
    if (root_.Up(key) != kC) {
        return {};
    }
    // Middle C is C4; the root sounds in the octave from it.
    return QString("C%1").arg(4 + (root_.SemitonesAboveC() + key) / 12);
}

QRect PianoKeyboard::NameRect(int key) const {
    const QRect rect = KeyRect(key);
    const QRect dot = DotRect(key);
    return {rect.left() + 1, dot.top() - 16, rect.width() - 2, 14};
}

QSize PianoKeyboard::sizeHint() const {
    const QRect last = DrawnKeyRect(DrawnKeys() - 1);
    return {last.right() + 1, kWhiteHeight};
}

void PianoKeyboard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Black between the keys under any theme: a light theme colour would
    // run white keys together on a dark palette.
    QPen outline(Qt::black);
    outline.setCosmetic(true);  // one device pixel at any scale
    painter.setPen(outline);
    const auto draw = [&](bool black) {
        for (int drawn = 0; drawn < DrawnKeys(); ++drawn) {
            if (IsBlack(drawn) != black) {
                continue;
            }
            const int key = drawn - Lead();
            const bool inRange = key >= 0 && key < kKeys;
            const PitchClass pitchClass = root_.Up(key);
            const bool inScale = inRange && scale_.Has(pitchClass);
            const QColor plain = black ? QColor(Qt::black) : QColor(Qt::white);
            const QColor scale = black ? kScaleBlack : kScaleWhite;
            painter.setBrush(inRange && IsLit(key) ? kSounding : inScale ? scale : plain);
            painter.drawRect(DrawnKeyRect(drawn).adjusted(0, 0, -1, -1));
            if (pitchClass == kC) {  // the C before a root on C sharp too
                painter.save();
                QFont small = font();
                small.setPixelSize(10);
                painter.setFont(small);
                painter.setPen(Qt::black);  // on a white or light green key, whatever the theme
                painter.drawText(NameRect(key), Qt::AlignHCenter | Qt::AlignBottom, KeyName(key));
                painter.restore();
            }
            if (inRange && ticked_.Has(pitchClass)) {
                painter.save();
                painter.setRenderHint(QPainter::Antialiasing);
                painter.setPen(Qt::NoPen);
                painter.setBrush(kTicked);
                painter.drawEllipse(DotRect(key));
                painter.restore();
            }
        }
    };
    draw(false);
    draw(true);
}

}  // namespace orvel
