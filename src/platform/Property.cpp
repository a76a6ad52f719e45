#include "Property.h"

#include <stdexcept>

namespace orvel {

namespace {

template <typename T>
const T& ValueOf(const Property& property, const char* typeName) {
    if (const T* value = std::get_if<T>(&property.value)) {
        return *value;
    }
    throw std::invalid_argument(NameOf(property.name).toStdString() + " needs a value of type " +
                                typeName);
}

}  // namespace

std::int64_t IntegerOf(const Property& property) {
    return ValueOf<std::int64_t>(property, "integer");
}
bool BooleanOf(const Property& property) {
    return ValueOf<bool>(property, "boolean");
}
double NumberOf(const Property& property) {
    if (const auto* integer = std::get_if<std::int64_t>(&property.value)) {
        return static_cast<double>(*integer);
    }
    return ValueOf<double>(property, "number");
}
QString TextOf(const Property& property) {
    return ValueOf<QString>(property, "text");
}
QColor ColourOf(const Property& property) {
    return ValueOf<QColor>(property, "colour");
}

QString NameOf(PropertyName name) {
    static const char* const kNames[] = {
        "Name",
        "Index",
        "Left",
        "Top",
        "Width",
        "Height",
        "LockLeft",
        "LockTop",
        "LockRight",
        "LockBottom",
        "TabIndex",
        "TabPanelIndex",
        "TabStop",
        "Enabled",
        "Visible",
        "HelpTag",
        "TextFont",
        "TextSize",
        "TextUnit",
        "Bold",
        "Italic",
        "Underline",
        "InitialParent",
        "Caption",
        "Value",
        "State",
        "Text",
        "TextColor",
        "TextAlign",
        "Multiline",
        "Selectable",
        "Transparent",
        "InitialValue",
        "ListIndex",
        "ColumnCount",
        "ColumnWidths",
        "HasHeading",
        "SelectionType",
        "RequiresSelection",
        "Border",
        "ScrollBarVertical",
        "ScrollBarHorizontal",
        "AutoHideScrollbars",
        "GridLinesHorizontal",
        "GridLinesVertical",
        "DefaultRowHeight",
        "HeadingIndex",
        "ColumnsResizable",
        "EnableDrag",
        "EnableDragReorder",
        "Hierarchical",
        "ShowDropIndicator",
        "UseFocusRing",
        "MinWidth",
        "MinHeight",
        "MaxWidth",
        "MaxHeight",
        "Frame",
        "Title",
        "CloseButton",
        "MinimizeButton",
        "MaximizeButton",
        "Resizeable",
        "FullScreenButton",
        "FullScreen",
        "LiveResize",
        "Placement",
        "HasBackColor",
        "MenuBarVisible",
    };
    static_assert(std::size(kNames) == static_cast<std::size_t>(PropertyName::MenuBarVisible) + 1);
    return QString::fromLatin1(kNames[static_cast<std::size_t>(name)]);
}

void RequireSupported(const Property& property, bool supported, const char* what) {
    if (!supported) {
        throw std::invalid_argument(
            (NameOf(property.name) + ": only " + what + " is supported").toStdString());
    }
}

void RefuseProperty(const Property& property, const QString& receiver) {
    throw std::invalid_argument(
        (receiver + " has no property " + NameOf(property.name)).toStdString());
}

}  // namespace orvel
