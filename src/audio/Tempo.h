// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The tempo a scale is played at, in beats per minute; each note of a scale
// lasts an eighth. The details window's spin box and orvel-match --tempo
// offer the same range and start from the same default.

namespace orvel {

inline constexpr int kDefaultTempo = 120;
inline constexpr int kMinTempo = 30;
inline constexpr int kMaxTempo = 300;

}  // namespace orvel
