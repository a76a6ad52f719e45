// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A compressed MusicXML file (.mxl) unpacked to its score, through libzip.
//
// The score is the root file META-INF/container.xml names, else the first
// .musicxml or .xml file outside META-INF. An archive is refused, with a
// MusicFileError that says why, where a file in it has a path that climbs
// out of its folder ("../" or "/"), or where the score unpacks to more than
// kMostUnpackedBytes or more than kMostUnpackRatio times its packed size (a
// zip bomb): nothing is unpacked beyond those bounds.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace orvel {

inline constexpr std::size_t kMostUnpackedBytes = 200u << 20;
inline constexpr std::size_t kMostUnpackRatio = 100;

std::string UnpackMxl(std::span<const std::uint8_t> archive);

}  // namespace orvel
