// SPDX-License-Identifier: GPL-3.0-or-later
#include "scales/TScale.h"

#include <stdexcept>

#include "scales/IntegerText.h"

namespace orvel {

namespace {

std::string_view FieldAt(std::span<const std::string_view> fields, std::size_t index) {
    if (index >= fields.size()) {
        throw std::out_of_range("catalogue line has " + std::to_string(fields.size()) +
                                " fields; field " + std::to_string(index) + " is missing");
    }
    return fields[index];
}

}  // namespace

bool IsPresentField(std::string_view field) {
    constexpr std::string_view kPresent = "true";
    if (field.size() != kPresent.size()) {
        return false;
    }
    for (std::size_t i = 0; i < kPresent.size(); ++i) {
        const char c = field[i];
        const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower != kPresent[i]) {
            return false;
        }
    }
    return true;
}

void TScale::Constructor(std::span<const std::string_view> fields) {
    Bank = FieldAt(fields, 0);
    Scale = FieldAt(fields, 1);
    Notes = SetOfPositions([&](int position) {
        return IsPresentField(FieldAt(fields, static_cast<std::size_t>(2 + position)));
    });
}

std::string TScale::Print() const {
    return Bank + " : " + Scale + " : " + DecimalText(Notes);
}

}  // namespace orvel
