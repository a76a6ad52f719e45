// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A bare window for trying controls on.

#include "platform/Window.h"

namespace orvel::testing_support {

inline PropertyList At(const char* name, int left, int top, int width = 100, int height = 20) {
    return {{PropertyName::Name, QString(name)},
            {PropertyName::Left, std::int64_t{left}},
            {PropertyName::Top, std::int64_t{top}},
            {PropertyName::Width, std::int64_t{width}},
            {PropertyName::Height, std::int64_t{height}}};
}

inline PropertyList With(PropertyList list, const PropertyList& more) {
    list.insert(list.end(), more.begin(), more.end());
    return list;
}

}  // namespace orvel::testing_support
