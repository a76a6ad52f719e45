// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Measures how long the event loop goes unanswered: a 5 ms beat, and the
// longest time between two of its ticks while it runs.

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>

namespace orvel::testing_support {

class EventLoopGaps {
  public:
    EventLoopGaps() {
        QObject::connect(&beat_, &QTimer::timeout, [this] {
            longest_ = std::max(longest_, clock_.elapsed() - last_);
            last_ = clock_.elapsed();
        });
        clock_.start();
        beat_.start(5);
    }
    void Stop() { beat_.stop(); }
    // Milliseconds.
    qint64 Longest() const { return longest_; }

  private:
    QElapsedTimer clock_;
    QTimer beat_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
};

}  // namespace orvel::testing_support
