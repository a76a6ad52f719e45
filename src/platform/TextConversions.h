// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The text conversions the window uses, on the framework's text values.
// Bin and Val are the core's BinaryText and DecimalValue.

#include <QString>
#include <QStringList>
#include <cstdint>

namespace orvel {

// Cuts `text` at every occurrence of `separator`: n separators give n + 1
// parts, adjacent separators an empty part.
QStringList Split(const QString& text, const QString& separator);

// Base-2 text of a number, without leading zeros ("0" for 0).
QString Bin(std::int64_t value);

// The number a decimal text spells: optional spaces, an optional sign and the
// leading digits; 0 when there are none. Digits beyond the range of a 64-bit
// integer saturate.
std::int64_t Val(const QString& text);

}  // namespace orvel
