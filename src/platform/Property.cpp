// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Property.h"

#include <QMetaEnum>
#include <stdexcept>

namespace orvel {

namespace {

template <typename T>
const T& ValueOf(const Property& property, const char* typeName) {
    if (const T* value = std::get_if<T>(&property.value)) {
        return *value;
    }
    throw std::invalid_argument(NameOf(property.name).toStdString() + " needs a value of type " +
                                typeName);
}

}  // namespace

std::int64_t IntegerOf(const Property& property) {
    return ValueOf<std::int64_t>(property, "integer");
}
bool BooleanOf(const Property& property) {
    return ValueOf<bool>(property, "boolean");
}
double NumberOf(const Property& property) {
    if (const auto* integer = std::get_if<std::int64_t>(&property.value)) {
        return static_cast<double>(*integer);
    }
    return ValueOf<double>(property, "number");
}
QString TextOf(const Property& property) {
    return ValueOf<QString>(property, "text");
}
QColor ColourOf(const Property& property) {
    return ValueOf<QColor>(property, "colour");
}

QString NameOf(PropertyName name) {
    return QString::fromLatin1(
        QMetaEnum::fromType<PropertyName>().valueToKey(static_cast<int>(name)));
}

void RequireSupported(const Property& property, bool supported, const char* what) {
    if (!supported) {
        throw std::invalid_argument(
            (NameOf(property.name) + ": only " + what + " is supported").toStdString());
    }
}

void RefuseProperty(const Property& property, const QString& receiver) {
    throw std::invalid_argument(
        (receiver + " has no property " + NameOf(property.name)).toStdString());
}

}  // namespace orvel
