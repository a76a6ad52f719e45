// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/StaffView.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QUrl>

#include "window/MarkColours.h"

namespace orvel {

namespace {

constexpr double kSpace = 10;  // between two lines, in logical pixels
constexpr double kMargin = kSpace;
// Room for two ledger lines and a high accidental above, and below.
constexpr int kLowestStep = -7;
constexpr int kHighestStep = kTopLineStep + 7;
constexpr double kClefWidth = 3.4 * kSpace;
constexpr double kSignatureSign = 1.1 * kSpace;
constexpr double kAccidentalRoom = 1.6 * kSpace;
constexpr double kNoteStep = 3.4 * kSpace;

const QString kMusicFont = "Noto Music";

QString ClefGlyph(Clef clef) {
    switch (clef) {
        case Clef::Treble:
        case Clef::TrebleOctaveDown:
            return QString::fromUcs4(U"\U0001D11E");
        case Clef::Bass:
            return QString::fromUcs4(U"\U0001D122");
        case Clef::Alto:
        case Clef::Tenor:
            return QString::fromUcs4(U"\U0001D121");
    }
    return {};
}

QString AccidentalGlyph(int accidental) {
    switch (accidental) {
        case -2:
            return QString::fromUcs4(U"\U0001D12B");
        case -1:
            return QString::fromUtf8("\u266D");
        case 0:
            return QString::fromUtf8("\u266E");
        case 1:
            return QString::fromUtf8("\u266F");
        case 2:
            return QString::fromUcs4(U"\U0001D12A");
        default:
            return {};
    }
}

// A glyph of the music font drawn as tall as `box` and centred in it,
// whatever the font's own metrics: the staff, not the font, decides where
// a sign sits.
void DrawFitted(QPainter& painter, const QString& glyph, const QRectF& box) {
    QFont font(kMusicFont);
    font.setPixelSize(100);
    QPainterPath path;
    path.addText(0, 0, font, glyph);
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty()) {
        return;
    }
    const double scale = box.height() / bounds.height();
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(scale, scale);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    painter.fillPath(fit.map(path), painter.pen().color());
}

// The box a clef fills: the G clef from below the staff to above it, its
// curl round the second line; the F clef the top three lines; the C clef
// the staff, centred on its line.
QRectF ClefBox(Clef clef, const StaffView& staff) {
    const double x = kMargin;
    const auto span = [&](double lowStep, double highStep) {
        return QRectF(QPointF(x, staff.StepY(0) - highStep * kSpace / 2),
                      QPointF(x + kClefWidth - kSpace / 2, staff.StepY(0) - lowStep * kSpace / 2));
    };
    switch (clef) {
        case Clef::Treble:
        case Clef::TrebleOctaveDown:
            return span(-2.6, 10.6);
        case Clef::Bass:
            return span(1.8, 8.3);
        case Clef::Alto:
            return span(0, 8);
        case Clef::Tenor:
            return span(2, 10);
    }
    return {};
}

// An accidental's box beside a note on `y`: a flat's bowl sits on the note,
// a sharp and a natural centre on it.
QRectF AccidentalBox(int accidental, double x, double y) {
    const double width = kSpace * (std::abs(accidental) == 2 ? 1.1 : 0.8);
    if (accidental < 0) {
        return {x - width, y - 1.5 * kSpace, width, 2.5 * kSpace};
    }
    const double height = accidental == 2 ? kSpace : 2.8 * kSpace;
    return {x - width, y - height / 2, width, height};
}

}  // namespace

StaffView::StaffView(QWidget* parent) : QWidget(parent) {
    setAccessibleName("Staff");
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setToolTip("Click a note to hear it; drag the staff into another program for a MIDI file");
}

void StaffView::Show(std::vector<Pitch> pitches, Clef clef, std::optional<KeySignature> signature,
                     std::vector<QString> degrees) {
    pitches_ = std::move(pitches);
    clef_ = clef;
    signature_ = signature;
    degrees_ = std::move(degrees);
    sounding_.clear();
    QStringList notes;
    for (std::size_t i = 0; i < pitches_.size(); ++i) {
        notes << NoteDescription(i);
    }
    setAccessibleDescription(QString::fromStdString(std::string(ClefName(clef))) +
                             " clef: " + notes.join("; "));
    updateGeometry();
    update();
}

void StaffView::SetSounding(const QList<int>& midiKeys) {
    sounding_ = midiKeys;
    update();
}

QString StaffView::NoteDescription(std::size_t note) const {
    const QString degree = note < degrees_.size() ? degrees_[note] : QString();
    const QString name = QString::fromStdString(pitches_.at(note).Display());
    return degree.isEmpty() ? name : name + ", " + degree;
}

double StaffView::StepY(int step) const {
    return kMargin + (kHighestStep - step) * kSpace / 2;
}

double StaffView::FirstNoteX() const {
    const std::size_t signs = signature_ ? signature_->Letters().size() : 0;
    return kMargin + kClefWidth + static_cast<double>(signs) * kSignatureSign + kAccidentalRoom +
           kSpace;
}

double StaffView::NoteX(std::size_t note) const {
    return FirstNoteX() + static_cast<double>(note) * kNoteStep;
}

QRectF StaffView::HeadRect(std::size_t note) const {
    const double y = StepY(StaffStep(pitches_.at(note), clef_));
    return {NoteX(note) - 0.68 * kSpace, y - kSpace / 2, 1.36 * kSpace, kSpace};
}

QRectF StaffView::AccidentalRect(std::size_t note) const {
    const auto written = WrittenAccidental(pitches_.at(note).note, signature_);
    if (!written) {
        return {};
    }
    const QRectF head = HeadRect(note);
    return AccidentalBox(*written, head.left() - kSpace * 0.3, head.center().y());
}

QList<QRectF> StaffView::SignatureRects() const {
    QList<QRectF> rects;
    if (!signature_) {
        return rects;
    }
    const std::vector<int> steps = SignatureSteps(signature_->fifths, clef_);
    double x = kMargin + kClefWidth + kSignatureSign;
    for (const int step : steps) {
        rects << AccidentalBox(signature_->fifths > 0 ? 1 : -1, x, StepY(step));
        x += kSignatureSign;
    }
    return rects;
}

bool StaffView::IsLit(std::size_t note) const {
    return sounding_.contains(pitches_.at(note).Key());
}

QSize StaffView::sizeHint() const {
    const double width = NoteX(pitches_.empty() ? 8 : pitches_.size()) + kMargin;
    return {static_cast<int>(width), static_cast<int>(StepY(kLowestStep) + kMargin)};
}

void StaffView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor ink = palette().color(QPalette::WindowText);
    painter.setPen(QPen(ink, 1));
    // Lines on whole pixels, not smoothed across two rows: crisp at any scale.
    const double right = pitches_.empty()
                             ? width() - kMargin
                             : std::min(width() - kMargin, NoteX(pitches_.size() - 1) + 2 * kSpace);
    for (int line = 0; line <= kTopLineStep; line += 2) {
        painter.drawLine(QPointF(kMargin, StepY(line)), QPointF(right, StepY(line)));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    DrawFitted(painter, ClefGlyph(clef_), ClefBox(clef_, *this));
    if (clef_ == Clef::TrebleOctaveDown) {
        const QRectF clef = ClefBox(clef_, *this);
        QFont small = font();
        small.setPixelSize(static_cast<int>(kSpace * 1.2));
        painter.setFont(small);
        painter.drawText(QRectF(clef.left(), clef.bottom(), clef.width(), kSpace * 1.4),
                         Qt::AlignCenter, "8");
    }
    const QList<QRectF> signs = SignatureRects();
    for (const QRectF& sign : signs) {
        DrawFitted(painter, AccidentalGlyph(signature_->fifths > 0 ? 1 : -1), sign);
    }
    for (std::size_t i = 0; i < pitches_.size(); ++i) {
        const QRectF head = HeadRect(i);
        const int step = StaffStep(pitches_[i], clef_);
        painter.setPen(QPen(ink, 1));
        painter.setRenderHint(QPainter::Antialiasing, false);
        for (const int ledger : LedgerSteps(step)) {
            painter.drawLine(QPointF(head.left() - kSpace * 0.35, StepY(ledger)),
                             QPointF(head.right() + kSpace * 0.35, StepY(ledger)));
        }
        painter.setRenderHint(QPainter::Antialiasing);
        const bool root = pitches_[i].note == pitches_.front().note;
        const QColor fill = IsLit(i) ? kSoundingColour : root ? kRoot : ink;
        painter.save();
        painter.translate(head.center());
        painter.rotate(-20);
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawEllipse(
            QRectF(-head.width() / 2, -head.height() / 2, head.width(), head.height()));
        painter.restore();
        if (const auto written = WrittenAccidental(pitches_[i].note, signature_)) {
            DrawFitted(painter, AccidentalGlyph(*written), AccidentalRect(i));
        }
    }
}

std::optional<std::size_t> StaffView::NoteAt(QPointF point) const {
    for (std::size_t i = 0; i < pitches_.size(); ++i) {
        if (HeadRect(i).adjusted(-kSpace / 2, -kSpace, kSpace / 2, kSpace).contains(point)) {
            return i;
        }
    }
    return std::nullopt;
}

void StaffView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    pressedAt_ = event->position().toPoint();
    if (const auto note = NoteAt(event->position())) {
        emit notePressed(pitches_[*note].Key());
    }
}

void StaffView::mouseMoveEvent(QMouseEvent* event) {
    if (!pressedAt_ || !(event->buttons() & Qt::LeftButton) || !dragFile_ ||
        (event->position().toPoint() - *pressedAt_).manhattanLength() <
            QApplication::startDragDistance()) {
        return;
    }
    pressedAt_.reset();
    const QString file = DraggedFile();
    if (file.isEmpty()) {
        return;
    }
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(file)});
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction);
}

}  // namespace orvel
