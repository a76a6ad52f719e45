// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/Fretboard.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cmath>

#include "audio/Performance.h"
#include "matching/NoteNameTable.h"
#include "platform/ReadableAccidentals.h"

namespace orvel {

namespace {

// Fretwork that reads on a light or a dark desktop alike: a rosewood
// board, nickel frets, a bone nut.
const QColor kWood{72, 50, 38};
const QColor kWire{200, 200, 196};
const QColor kNut{236, 230, 214};
const QColor kString{222, 220, 208};
const QColor kInlay{214, 206, 186};

constexpr std::array kInlayFrets{3, 5, 7, 9, 12, 15, 17, 19, 21, 24};

bool HasInlay(int fret) {
    return std::find(kInlayFrets.begin(), kInlayFrets.end(), fret) != kInlayFrets.end();
}

// How far along a string of length 1 wire `fret` lies.
double WireFraction(int fret) {
    return 1.0 - std::pow(2.0, -fret / 12.0);
}

}  // namespace

Fretboard::Fretboard(QWidget* parent) : QWidget(parent), tuning_(TuningPresets().front()) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAccessibleName("Fretboard");
}

void Fretboard::SetTuning(const Tuning& tuning, int frets) {
    if (tuning.strings != tuning_.strings) {
        marked_.clear();  // another instrument: the places played are not on it
    }
    tuning_ = tuning;
    frets_ = std::clamp(frets, kFewestFrets, kMostFrets);
    focus_.string = std::min(focus_.string, tuning_.StringCount());
    focus_.fret = std::min(focus_.fret, frets_);
    updateGeometry();
    update();
}

void Fretboard::SetLeftHanded(bool leftHanded) {
    leftHanded_ = leftHanded;
    update();
}

void Fretboard::SetLabels(Labels labels) {
    labels_ = labels;
    update();
}

void Fretboard::SetPlayable(bool playable) {
    playable_ = playable;
    setFocusPolicy(playable ? Qt::StrongFocus : Qt::NoFocus);
    setCursor(playable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void Fretboard::Show(const SpelledScale& scale, PitchClassesAboveC ticked) {
    scale_ = scale;
    ticked_ = ticked;
    std::erase_if(marked_, [&](const FretPosition& place) {
        return !ticked.Has(PitchClass::OfKey(place.key));
    });
    if (hasFocus()) {
        Announce();  // a note ticked from here says so
    }
    update();
}

void Fretboard::SetSounding(const QList<int>& midiKeys) {
    int lowest = tuning_.KeyAt(1, 0);
    int highest = lowest;
    for (int string = 1; string <= tuning_.StringCount(); ++string) {
        lowest = std::min(lowest, tuning_.KeyAt(string, 0));
        highest = std::max(highest, tuning_.KeyAt(string, frets_));
    }
    QList<int> lit;
    for (const int key : midiKeys) {
        lit.append(OctavesInto(key, lowest, highest));
    }
    if (lit != lit_) {
        lit_ = lit;
        update();
    }
}

bool Fretboard::IsLit(int string, int fret) const {
    return lit_.contains(tuning_.KeyAt(string, fret));
}

int Fretboard::WidthFor(int narrowest) const {
    const double length = narrowest / (WireFraction(frets_) - WireFraction(frets_ - 1));
    return static_cast<int>(std::ceil(NutX() + length * WireFraction(frets_) + kSide));
}

QSize Fretboard::sizeHint() const {
    return {WidthFor(30), minimumSizeHint().height()};
}

QSize Fretboard::minimumSizeHint() const {
    return {WidthFor(20), kTop + (tuning_.StringCount() - 1) * kStringGap + kBottom};
}

double Fretboard::NutX() const {
    return kSide + kNameWidth + kOpenWidth;
}

double Fretboard::WireX(int fret) const {
    const double length = (width() - kSide - NutX()) / WireFraction(frets_);
    return NutX() + length * WireFraction(fret);
}

int Fretboard::StringY(int string) const {
    return kTop + (string - 1) * kStringGap;
}

QRectF Fretboard::Across(double left, double right, double top, double bottom) const {
    if (leftHanded_) {
        return QRectF(QPointF(width() - right, top), QPointF(width() - left, bottom));
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

QRect Fretboard::NameRect(int string) const {
    const int y = StringY(string);
    return Across(kSide, kSide + kNameWidth - 2, y - kStringGap / 2, y + kStringGap / 2)
        .toAlignedRect();
}

QRect Fretboard::PlaceRect(int string, int fret) const {
    const double left = fret == 0 ? kSide + kNameWidth : WireX(fret - 1);
    const double right = fret == 0 ? NutX() - 5 : WireX(fret);
    const int y = StringY(string);
    return Across(left, right, y - kStringGap / 2, y + kStringGap / 2).toAlignedRect();
}

int Fretboard::MarkSize() const {
    const double narrowest = WireX(frets_) - WireX(frets_ - 1);
    return std::clamp(static_cast<int>(narrowest) - 4, 14, 22);
}

QRect Fretboard::MarkRect(int string, int fret) const {
    const QPoint centre = PlaceRect(string, fret).center();
    const int size = MarkSize();
    return {centre.x() - size / 2, StringY(string) - size / 2, size, size};
}

std::optional<FretPosition> Fretboard::PlaceAt(QPoint point) const {
    const double x = leftHanded_ ? width() - point.x() : point.x();
    const int string = static_cast<int>(std::lround(double(point.y() - kTop) / kStringGap)) + 1;
    if (string < 1 || string > tuning_.StringCount() || x < kSide + kNameWidth ||
        x >= WireX(frets_)) {
        return std::nullopt;
    }
    int fret = 0;
    while (fret < frets_ && x >= (fret == 0 ? NutX() - 5 : WireX(fret))) {
        ++fret;
    }
    return FretPosition{string, fret, tuning_.KeyAt(string, fret)};
}

QString Fretboard::MarkLabel(PitchClass note) const {
    const auto degree = scale_.DegreeOf(note);
    if (!degree || labels_ == Labels::None) {
        return {};
    }
    return QString::fromStdString(labels_ == Labels::Notes ? scale_.notes[*degree].Display()
                                                           : scale_.intervals[*degree].Display());
}

FretPosition Fretboard::Focus() const {
    return {focus_.string, focus_.fret, tuning_.KeyAt(focus_.string, focus_.fret)};
}

QString Fretboard::Announcement(const FretPosition& place) const {
    const PitchClass note = PitchClass::OfKey(place.key);
    const auto degree = scale_.DegreeOf(note);
    QString text = QString("String %1, %2, %3")
                       .arg(place.string)
                       .arg(place.fret == 0 ? QString("open") : QString("fret %1").arg(place.fret))
                       .arg(degree ? QString::fromStdString(scale_.notes[*degree].Display())
                                   : QString::fromUtf8(TableName(note).data()));
    if (std::find(marked_.begin(), marked_.end(), place) != marked_.end()) {
        text += ", played";
    }
    if (ticked_.Has(note)) {
        text += ", ticked";
    }
    return text;
}

void Fretboard::Announce() {
    setAccessibleDescription(Announcement(Focus()));
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
    update();
}

void Fretboard::MoveFocus(int strings, int frets) {
    focus_.string = std::clamp(focus_.string + strings, 1, tuning_.StringCount());
    focus_.fret = std::clamp(focus_.fret + frets, 0, frets_);
    Announce();
}

void Fretboard::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    Announce();
}

void Fretboard::keyPressEvent(QKeyEvent* event) {
    const int towardsBody = leftHanded_ ? -1 : 1;  // Right moves up the neck, when right-handed
    switch (event->key()) {
        case Qt::Key_Left:
            MoveFocus(0, -towardsBody);
            break;
        case Qt::Key_Right:
            MoveFocus(0, towardsBody);
            break;
        case Qt::Key_Up:
            MoveFocus(-1, 0);
            break;
        case Qt::Key_Down:
            MoveFocus(1, 0);
            break;
        case Qt::Key_Space:
            if (playable_) {
                TogglePlace(Focus());
            }
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

void Fretboard::mousePressEvent(QMouseEvent* event) {
    if (!playable_ || event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (const auto place = PlaceAt(event->position().toPoint())) {
        focus_ = *place;
        setFocus(Qt::MouseFocusReason);
        TogglePlace(*place);
    }
}

void Fretboard::TogglePlace(const FretPosition& place) {
    if (const auto found = std::find(marked_.begin(), marked_.end(), place);
        found != marked_.end()) {
        marked_.erase(found);
    } else {
        marked_.push_back(place);
    }
    const PitchClass note = PitchClass::OfKey(place.key);
    const bool stillPlayed = std::any_of(marked_.begin(), marked_.end(), [&](const auto& marked) {
        return PitchClass::OfKey(marked.key) == note;
    });
    Announce();
    emit placeToggled(note, stillPlayed);
}

void Fretboard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const double pixel = 1.0 / devicePixelRatioF();
    // Whole device pixels, so that wires and strings stay sharp at any scale.
    const auto snap = [pixel](double x) { return std::round(x / pixel) * pixel; };
    const double neckTop = StringY(1) - kStringGap / 2.0 + 3;
    const double neckBottom = StringY(tuning_.StringCount()) + kStringGap / 2.0 - 3;
    painter.fillRect(Across(NutX(), snap(WireX(frets_)), neckTop, neckBottom), kWood);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInlay);
    // Between strings, as on a real neck: one dot in the middle, the
    // octaves' two a quarter of the way in from either edge.
    const int strings = tuning_.StringCount();
    const auto between = [&](double gaps) { return StringY(1) + gaps * kStringGap; };
    const double quarter = std::floor((strings - 1) / 4.0) + 0.5;
    for (const int fret : kInlayFrets) {
        if (fret > frets_) {
            continue;
        }
        const double x = (WireX(fret - 1) + WireX(fret)) / 2;
        for (const double y : fret % 12 == 0
                                  ? std::vector{between(quarter), between(strings - 1 - quarter)}
                                  : std::vector{between((strings - 1) / 2.0)}) {
            painter.drawEllipse(Across(x - 5, x + 5, y - 5, y + 5));
        }
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int fret = 1; fret <= frets_; ++fret) {
        const double x = snap(WireX(fret));
        painter.fillRect(Across(x - snap(2), x, neckTop, neckBottom), kWire);
    }
    painter.fillRect(Across(snap(NutX() - 5), snap(NutX()), neckTop, neckBottom), kNut);
    for (int string = 1; string <= strings; ++string) {
        // Thicker towards the bass side, as strings are.
        const double thickness = snap(1 + 2.0 * (string - 1) / std::max(1, strings - 1));
        const double y = snap(StringY(string) - thickness / 2);
        painter.fillRect(
            Across(kSide + kNameWidth + 4, snap(WireX(frets_)), y, y + std::max(thickness, pixel)),
            kString);
    }

    QFont numbers = font();
    numbers.setPixelSize(10);
    painter.setFont(numbers);
    painter.setPen(palette().color(QPalette::WindowText));
    // Each string's name, as the tuning has it, beside the open string.
    QFont names = font();
    names.setPixelSize(11);
    names.setBold(true);
    painter.setFont(names);
    for (int string = 1; string <= strings; ++string) {
        DrawWithReadableAccidentals(
            painter, NameRect(string), Qt::AlignCenter,
            QString::fromStdString(tuning_.OpenString(string).note.Display()));
    }
    painter.setFont(numbers);
    for (int fret = 1; fret <= frets_; ++fret) {
        if (HasInlay(fret)) {
            const QRect place = PlaceRect(strings, fret);
            painter.drawText(QRect(place.left(), int(neckBottom) + 3, place.width(), 14),
                             Qt::AlignHCenter | Qt::AlignTop, QString::number(fret));
        }
    }

    // Each kind of mark drawn once a paint, then stamped on every place it
    // stands: a neck repeats them, and smooth shapes are slow to draw.
    const int size = MarkSize();
    const auto sprite = [this](QSizeF area, const auto& draw) {
        QPixmap pixmap((area * devicePixelRatioF()).toSize());
        pixmap.setDevicePixelRatio(devicePixelRatioF());
        pixmap.fill(Qt::transparent);
        QPainter shape(&pixmap);
        shape.setRenderHint(QPainter::Antialiasing);
        draw(shape, QRectF(QPointF(0, 0), area));
        return pixmap;
    };
    const auto markSprite = [&](const QColor& fill, bool square) {
        return sprite(QSizeF(size, size), [&](QPainter& shape, QRectF area) {
            shape.setPen(QPen(Qt::white, 1.2));
            shape.setBrush(fill);
            const QRectF inside = area.adjusted(0.6, 0.6, -0.6, -0.6);
            square ? shape.drawRoundedRect(inside, 3, 3) : shape.drawEllipse(inside);
        });
    };
    const QPixmap scaleMark = markSprite(kScaleMark, false);
    const QPixmap rootMark = markSprite(kRootMark, true);
    const QPixmap tickedDot = sprite(QSizeF(8, 8), [](QPainter& shape, QRectF area) {
        shape.setPen(QPen(Qt::black, 0.8));
        shape.setBrush(kTicked);
        shape.drawEllipse(area.adjusted(0.4, 0.4, -0.4, -0.4));
    });

    const QPixmap soundingRing =
        sprite(QSizeF(size + 6, size + 6), [](QPainter& shape, QRectF area) {
            shape.setPen(QPen(kSounding, 2.5));
            shape.setBrush(Qt::NoBrush);
            shape.drawEllipse(area.adjusted(1.25, 1.25, -1.25, -1.25));
        });

    QFont labels = font();
    labels.setPixelSize(size >= 20 ? 11 : 9);
    labels.setBold(true);
    painter.setFont(labels);
    painter.setPen(Qt::white);
    // No notes, no root mark.
    const PitchClassesAboveC root = scale_.notes.empty()
                                        ? PitchClassesAboveC{}
                                        : NotesOn(PositionBit(0), scale_.root.PitchClass());
    for (int string = 1; string <= strings; ++string) {
        for (int fret = 0; fret <= frets_; ++fret) {
            const PitchClass note = PitchClass::OfKey(tuning_.KeyAt(string, fret));
            if (!IsMarked(note)) {
                continue;
            }
            const QRect mark = MarkRect(string, fret);
            painter.drawPixmap(mark.topLeft(), root.Has(note) ? rootMark : scaleMark);
            DrawWithReadableAccidentals(painter, mark, Qt::AlignCenter, MarkLabel(note));
            if (ticked_.Has(note)) {
                painter.drawPixmap(QPoint(mark.right() - 6, mark.top() - 2), tickedDot);
            }
            if (IsLit(string, fret)) {
                painter.drawPixmap(mark.topLeft() - QPoint(3, 3), soundingRing);
            }
        }
    }
    painter.setRenderHint(QPainter::Antialiasing);
    // The places played by hand: a ring in the ticked notes' colour, where
    // the finger is.
    painter.setPen(QPen(kTicked, 3));
    painter.setBrush(Qt::NoBrush);
    for (const FretPosition& place : marked_) {
        painter.drawEllipse(QRectF(MarkRect(place.string, place.fret)).adjusted(-3, -3, 3, 3));
    }
    if (playable_ && hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(
            QRectF(PlaceRect(focus_.string, focus_.fret)).adjusted(1, 1, -1, -1), 4, 4);
    }
}

}  // namespace orvel
