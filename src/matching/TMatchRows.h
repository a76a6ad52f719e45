// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rows of one result list, in result order: pass by pass, and within a
// pass in catalogue order. Stored as the catalogue indexes of each pass one
// after another, 4 bytes a row, so that twelve passes over a catalogue of a
// million entries fit in 48 MB. Filled once by the matching, read-only after.

#include <array>
#include <cstdint>
#include <memory>

#include "matching/TMatchRow.h"
#include "scales/PitchClassSet.h"

namespace orvel {

class TMatchRows {
  public:
    static constexpr std::size_t kBytesPerRow = sizeof(std::uint32_t);

    TMatchRows() = default;

    // Storage for `capacity` rows plus one, so that a pass may write one
    // index past its last row (the matching writes branch-free).
    explicit TMatchRows(std::size_t capacity);

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    TMatchRow operator[](std::size_t index) const;
    TMatchRow at(std::size_t index) const;  // throws std::out_of_range

    // Filling, pass after pass in increasing order: the rows of pass `pass`
    // are the `count` indexes written from Write(pass).
    std::uint32_t* Write() { return entries_.get() + size_; }
    void EndPass(std::uint32_t pass, std::size_t count);

  private:
    std::unique_ptr<std::uint32_t[]> entries_;
    std::size_t size_ = 0;
    std::array<std::size_t, kPositionCount> passEnd_{};  // one past the last row of each pass
};

}  // namespace orvel
