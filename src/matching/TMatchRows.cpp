// SPDX-License-Identifier: GPL-3.0-or-later
#include "matching/TMatchRows.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace orvel {

TMatchRows::TMatchRows(std::size_t capacity) : entries_(new std::uint32_t[capacity + 1]) {}

TMatchRow TMatchRows::operator[](std::size_t index) const {
    const auto pass = std::upper_bound(passEnd_.begin(), passEnd_.end(), index) - passEnd_.begin();
    return {entries_[index], static_cast<std::uint32_t>(pass)};
}

TMatchRow TMatchRows::at(std::size_t index) const {
    if (index >= size_) {
        throw std::out_of_range("no result row " + std::to_string(index));
    }
    return (*this)[index];
}

void TMatchRows::EndPass(std::uint32_t pass, std::size_t count) {
    size_ += count;
    std::fill(passEnd_.begin() + pass, passEnd_.end(), size_);
}

}  // namespace orvel
