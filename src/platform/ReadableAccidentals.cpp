// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ReadableAccidentals.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <vector>

namespace orvel {

// Written at build time by tools/accidentals-font.py.
extern const unsigned char kAccidentalsFont[];
extern const std::size_t kAccidentalsFontSize;

namespace {

bool IsAccidental(char32_t character) {
    return character == U'\u266F' || character == U'\u266D' || character == U'\U0001D12A' ||
           character == U'\U0001D12B';
}

// The text in runs: letters, then signs, then letters…
struct Run {
    bool accidentals = false;
    QString text;
};

std::vector<Run> RunsOf(const QString& text) {
    std::vector<Run> runs;
    for (const char32_t character : text.toUcs4()) {
        const bool accidental = IsAccidental(character);
        if (runs.empty() || runs.back().accidentals != accidental) {
            runs.push_back({accidental, {}});
        }
        runs.back().text += QString::fromUcs4(&character, 1);
    }
    return runs;
}

QFont SignFont(const QFont& font) {
    QFont signs = font;
    signs.setFamilies({AccidentalsFamily()});
    return signs;
}

qreal WidthOf(const std::vector<Run>& runs, const QFont& font, QPaintDevice* device) {
    const QFontMetricsF letters(font, device);
    const QFontMetricsF signs(SignFont(font), device);
    qreal width = 0;
    for (const Run& run : runs) {
        width += (run.accidentals ? signs : letters).horizontalAdvance(run.text);
    }
    return width;
}

}  // namespace

const QString& AccidentalsFamily() {
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFontFromData(
            QByteArray::fromRawData(reinterpret_cast<const char*>(kAccidentalsFont),
                                    static_cast<qsizetype>(kAccidentalsFontSize)));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QString() : families.front();
    }();
    return family;
}

bool HasAccidentals(const QString& text) {
    for (const char32_t character : text.toUcs4()) {
        if (IsAccidental(character)) {
            return true;
        }
    }
    return false;
}

QString RichWithReadableAccidentals(const QString& text) {
    QString rich;
    for (const Run& run : RunsOf(text)) {
        rich += run.accidentals ? QString("<span style=\"font-family:'%1'\">%2</span>")
                                      .arg(AccidentalsFamily(), run.text)
                                : run.text.toHtmlEscaped();
    }
    // Qt takes text as rich only where it looks so; a tag at the start says it is.
    return "<span>" + rich + "</span>";
}

qreal WidthWithReadableAccidentals(const QFont& font, const QString& text) {
    return WidthOf(RunsOf(text), font, nullptr);
}

QString ReadableToolTip(const QString& text) {
    return HasAccidentals(text) ? RichWithReadableAccidentals(text) : text;
}

void DrawWithReadableAccidentals(QPainter& painter, const QRectF& rect, Qt::Alignment alignment,
                                 const QString& text, Overflow overflow) {
    const QFont font = painter.font();
    std::vector<Run> runs = RunsOf(text);
    qreal width = WidthOf(runs, font, painter.device());
    if (overflow == Overflow::Cut && width > rect.width()) {
        // Cut one character at a time from the end until it fits with "…".
        while (!runs.empty()) {
            QString& last = runs.back().text;
            last.chop(last.size() > 1 && last.back().isLowSurrogate() ? 2 : 1);
            if (last.isEmpty()) {
                runs.pop_back();
            }
            std::vector<Run> shortened = runs;
            shortened.push_back({false, QString(QChar(0x2026))});
            width = WidthOf(shortened, font, painter.device());
            if (width <= rect.width() || runs.empty()) {
                runs = std::move(shortened);
                break;
            }
        }
    }
    qreal x = rect.left();
    if (alignment & Qt::AlignHCenter) {
        x += (rect.width() - width) / 2;
    } else if (alignment & Qt::AlignRight) {
        x = rect.right() - width;
    }
    const QFontMetricsF letters(font, painter.device());
    qreal baseline = rect.top() + letters.ascent();
    if (alignment & Qt::AlignVCenter) {
        baseline = rect.center().y() - letters.height() / 2 + letters.ascent();
    } else if (alignment & Qt::AlignBottom) {
        baseline = rect.bottom() - letters.descent();
    }
    const QFont signs = SignFont(font);
    const QFontMetricsF signMetrics(signs, painter.device());
    for (const Run& run : runs) {
        painter.setFont(run.accidentals ? signs : font);
        painter.drawText(QPointF(x, baseline), run.text);
        x += (run.accidentals ? signMetrics : letters).horizontalAdvance(run.text);
    }
    painter.setFont(font);
}

}  // namespace orvel
