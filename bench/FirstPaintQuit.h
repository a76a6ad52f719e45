// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ends the event loop right after a widget's first paint, so that a start-up
// can be timed as a whole process from launch to a painted window.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

namespace orvel::bench {

class FirstPaintQuit final : public QObject {
  public:
    explicit FirstPaintQuit(QObject* watched) : QObject(watched) {
        watched->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

}  // namespace orvel::bench
