// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>
#include <span>
#include <vector>

namespace orvel {

// Sound that comes in blocks of any size, cut into hops of one size for a
// detector, each handed on whole; the samples short of a hop wait for the
// next block.
class Hops {
  public:
    explicit Hops(std::size_t length) : length_(length) { waiting_.reserve(length); }

    template <class OnHop>
    void Cut(std::span<const float> mono, OnHop&& onHop) {
        while (!mono.empty()) {
            const std::size_t taken = std::min(mono.size(), length_ - waiting_.size());
            waiting_.insert(waiting_.end(), mono.begin(),
                            mono.begin() + static_cast<std::ptrdiff_t>(taken));
            mono = mono.subspan(taken);
            if (waiting_.size() == length_) {
                onHop(std::span<const float>(waiting_));
                waiting_.clear();
            }
        }
    }

  private:
    std::size_t length_;
    std::vector<float> waiting_;
};

}  // namespace orvel
