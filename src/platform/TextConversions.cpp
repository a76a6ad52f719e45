#include "TextConversions.h"

#include <limits>

namespace orvel {

QStringList Split(const QString& text, const QString& separator) {
    return text.split(separator, Qt::KeepEmptyParts);
}

QString Str(std::int64_t value) {
    return QString::number(value);
}

QString Bin(std::int64_t value) {
    if (value < 0) {
        return "-" + QString::number(-static_cast<std::uint64_t>(value), 2);
    }
    return QString::number(value, 2);
}

std::int64_t Val(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace()) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr std::uint64_t kLimit = std::numeric_limits<std::int64_t>::max();
    std::uint64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const auto digit = static_cast<std::uint64_t>(text[i].unicode() - '0');
        magnitude = magnitude > (kLimit - digit) / 10 ? kLimit + (negative ? 1 : 0)
                                                      : magnitude * 10 + digit;
    }
    if (negative) {
        return magnitude > kLimit ? std::numeric_limits<std::int64_t>::min()
                                  : -static_cast<std::int64_t>(magnitude);
    }
    return static_cast<std::int64_t>(magnitude);
}

}  // namespace orvel
