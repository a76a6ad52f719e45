// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A control's or a window's settings as data: a list of named, typed values
// applied in one step, in stored order, when the control is created.
//
// Names are an enumeration rather than strings, so a misspelt property does
// not compile; a property that a kind of control does not have is refused
// with std::invalid_argument when the list is applied.

#include <QColor>
#include <QObject>
#include <QString>
#include <cstdint>
#include <variant>
#include <vector>

namespace orvel {

Q_NAMESPACE

enum class PropertyName {
    // Common to every control.
    Name,
    Index,
    Left,
    Top,
    Width,
    Height,
    LockLeft,
    LockTop,
    LockRight,
    LockBottom,
    TabIndex,
    TabPanelIndex,
    TabStop,
    Enabled,
    Visible,
    HelpTag,
    TextFont,
    TextSize,
    TextUnit,
    Bold,
    Italic,
    Underline,
    InitialParent,
    // Check box and label.
    Caption,
    Value,
    State,
    Text,
    TextColor,
    TextAlign,
    Multiline,
    Selectable,
    Transparent,
    // List box and popup menu.
    InitialValue,
    ListIndex,
    ColumnCount,
    ColumnWidths,
    HasHeading,
    SelectionType,
    RequiresSelection,
    Border,
    ScrollBarVertical,
    ScrollBarHorizontal,
    AutoHideScrollbars,
    GridLinesHorizontal,
    GridLinesVertical,
    DefaultRowHeight,
    HeadingIndex,
    ColumnsResizable,
    EnableDrag,
    EnableDragReorder,
    Hierarchical,
    ShowDropIndicator,
    UseFocusRing,
    // Window.
    MinWidth,
    MinHeight,
    MaxWidth,
    MaxHeight,
    Frame,
    Title,
    CloseButton,
    MinimizeButton,
    MaximizeButton,
    Resizeable,
    FullScreenButton,
    FullScreen,
    LiveResize,
    Placement,
    HasBackColor,
    MenuBarVisible,
};
Q_ENUM_NS(PropertyName)

using PropertyValue = std::variant<std::int64_t, bool, double, QString, QColor>;

struct Property {
    PropertyName name;
    PropertyValue value;
};

using PropertyList = std::vector<Property>;

// The typed value of a property; std::invalid_argument when it holds
// another type.
std::int64_t IntegerOf(const Property& property);
bool BooleanOf(const Property& property);
double NumberOf(const Property& property);
QString TextOf(const Property& property);
QColor ColourOf(const Property& property);

// The name as written in the layout ("ColumnWidths"), for messages: the
// enumerator's own name.
QString NameOf(PropertyName name);

// std::invalid_argument naming the property and the one value (`what`) this
// layer supports for it, unless `supported`.
void RequireSupported(const Property& property, bool supported, const char* what);

// Thrown for a property the receiving control or window does not have.
[[noreturn]] void RefuseProperty(const Property& property, const QString& receiver);

}  // namespace orvel
