// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Measures how long the event loop goes unanswered: a 5 ms beat, and the
// longest time between two of its ticks while it runs.

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>

namespace orvel::testing_support {

// A gap this long (milliseconds) is a window that stopped answering: work
// done on its thread that belongs elsewhere stalls it for seconds. The
// tests print the gaps they measure; shorter ones vary with the machine's
// load, so the 50 ms target is read from those figures, not asserted.
inline constexpr qint64 kFrozenMs = 250;

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
