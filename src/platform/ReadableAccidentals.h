// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sharp, flat, double sharp and double flat (♯ ♭ 𝄪 𝄫), drawn as
// readable as the letters beside them.
//
// Text faces draw these signs as music symbols, thin and short: at text
// sizes A♭ reads as "A,". The program carries a small font of its own,
// "Orvel Accidentals", with only these signs, drawn with a text face's stems
// and as tall as its capitals (tools/accidentals-font.py). These helpers set
// the signs in it and leave every other character to the font in use; its
// lines are lower than any text face's, so a line keeps its height.

#include <QPainter>
#include <QRectF>
#include <QString>

namespace orvel {

// The font's family, added to the application's fonts on first use.
const QString& AccidentalsFamily();

bool HasAccidentals(const QString& text);

// `text` as rich text, for a label or a tooltip.
QString RichWithReadableAccidentals(const QString& text);

// How wide `text` is drawn so, in `font`.
qreal WidthWithReadableAccidentals(const QFont& font, const QString& text);

// `text` as a tooltip: rich where it holds accidentals, else as it is.
QString ReadableToolTip(const QString& text);

// Draws `text` on one line in `rect` with the painter's font and pen, as
// `alignment` places it. Too wide, it overflows the rect's sides evenly, or
// is cut short with "…".
enum class Overflow { Show, Cut };
void DrawWithReadableAccidentals(QPainter& painter, const QRectF& rect, Qt::Alignment alignment,
                                 const QString& text, Overflow overflow = Overflow::Show);

}  // namespace orvel
