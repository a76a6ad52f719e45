// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextConversions.h"

#include "scales/IntegerText.h"

namespace orvel {

QStringList Split(const QString& text, const QString& separator) {
    return text.split(separator, Qt::KeepEmptyParts);
}

QString Bin(std::int64_t value) {
    return QString::fromStdString(BinaryText(value));
}

std::int64_t Val(const QString& text) {
    return DecimalValue(text.toStdString());
}

}  // namespace orvel
