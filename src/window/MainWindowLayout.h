// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window's layout as data: its settings and its 35 controls, one
// row per control in creation order. Positions are pixels in the content
// area's coordinates; every control is locked to the left and top edges.
// wdwMain creates the controls from these rows; behaviour lives only in its
// handlers.

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "platform/Control.h"
#include "platform/Property.h"

namespace orvel {

enum class ControlKind {
    ListBox,
    CheckBox,
    Label,
    PopupMenu,
    ScaleCheckBox,  // an element of the cbScale array
    StarLabel,      // an element of the lbStar array
};

// The window's handlers, one for each event a control row binds. wdwMain
// binds them in a switch without a default, so a handler added here and not
// bound there fails the build.
enum class Handler {
    lbContaining_Change,
    lbContaining_Activate,
    lbExact_Activate,
    cbScale_Action,
    cbScale_Open,
    lbStar_Open,
    pmRoot_Change,
    cbOther_Action,
    cbRinL_Action,
};

struct ControlRow {
    ControlKind kind;
    const char* name;
    std::int64_t index;  // within its control array; Control::kNoIndex outside one
    int left;
    int top;
    int width;
    int height;
    std::int64_t tabIndex;  // for a nested element, within its initial parent
    bool visible;
    const char* helpTag;
    std::vector<Handler> handlers;  // the handlers its events raise
    const char* initialParent;      // "name$index" of the control it starts nested in, or ""
    PropertyList own;               // the kind's own properties, in stored order
};

inline constexpr int kControlCount = 35;

// The window's settings, in stored order.
const PropertyList& MainWindowSettings();

// The controls, in creation order.
const std::array<ControlRow, kControlCount>& MainWindowControls();

// A row's complete property list in stored order: name and index, position
// and size, locks, tab settings, the common settings, then the kind's own.
PropertyList PropertiesOf(const ControlRow& row);

}  // namespace orvel
