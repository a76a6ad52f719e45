// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where a tool window opens, as a player arranging windows would put it:
// beside the main window, not over its lists, and not over another tool
// window, as far as the screen has room.
//
// The candidates are the places right of, left of, below and above the
// main window and each open tool window, a window narrowed (down to its
// minimum) to the room there, then moved onto the screen. The one chosen
// hides least: first of the main window's lists, then of the rest of the
// main window and the open tool windows together; the first candidate wins
// a tie.

#include <QList>
#include <QRect>
#include <QSize>

namespace orvel {

struct Placement {
    QRect screen;       // the screen's available area
    QRect main;         // the main window's frame
    QRect lists;        // the part of it no tool window should hide
    QList<QRect> open;  // the tool windows open now
};

// The frame of a window of `wanted` size (never smaller than `minimum`)
// placed so.
QRect PlaceToolWindow(const Placement& around, QSize wanted, QSize minimum);

}  // namespace orvel
