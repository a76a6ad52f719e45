// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a chord symbol: it is read or refused with an error,
// never anything else, and a chord that is read holds its root and spells
// every tone it sounds.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "Require.h"
#include "theory/ChordSymbol.h"

using orvel::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const orvel::ChordSymbol chord = orvel::ParseChordSymbol(text);
        Require(orvel::HasPosition(chord.tones, 0));
        const orvel::SpelledScale spelled = chord.Spelled();
        Require(spelled.notes.size() == orvel::PositionsOf(chord.tones).size());
        Require(spelled.root == chord.root);
    } catch (const orvel::ChordSymbolError&) {
    }
    return 0;
}
