// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes through the window's text conversions: Split must give back
// its text when joined again, Val must read exactly the leading decimal
// number, and Bin must write a number that reads back as itself.

#include <QString>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "Require.h"
#include "platform/TextConversions.h"

using orvel::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const QString separator =
        QString::fromUtf8(reinterpret_cast<const char*>(data), size > 1 ? 1 : 0);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data) + 1,
                                           static_cast<qsizetype>(size - 1));

    if (!separator.isEmpty()) {
        const QStringList parts = orvel::Split(text, separator);
        Require(parts.join(separator) == text);
        Require(parts.size() == text.count(separator) + 1);
    }

    const std::int64_t value = orvel::Val(text);
    bool ok = false;
    const qlonglong plain = text.toLongLong(&ok);
    if (ok && !text.isEmpty() && text[0].isDigit() && text.size() < 18) {
        Require(plain == value);
    }
    const QString binary = orvel::Bin(value);
    if (value >= 0) {
        Require(binary.toULongLong(&ok, 2) == static_cast<qulonglong>(value) && ok);
    }
    Require(orvel::Val(QString::number(value)) == value);
    return 0;
}
