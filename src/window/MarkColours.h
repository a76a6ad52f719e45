// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The colours the keyboard and the neck share, so that a note reads the
// same on both: the dot of a ticked note, and the light of a sounding one.

#include <QColor>

namespace orvel {

inline const QColor kTickedColour{225, 110, 0};
inline const QColor kSoundingColour{255, 200, 40};

}  // namespace orvel
