// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A control that the Edit menu's commands can act on while it has the focus.
// The menu bar knows controls only through this interface: it asks what they
// can do, tells them to do it, and watches for changes in what they can do.

#include <functional>
#include <utility>

namespace orvel {

enum class EditCommand { Undo, Cut, Copy, Paste, Clear, SelectAll };

class EditTarget {
  public:
    virtual ~EditTarget() = default;

    // Whether the command has something to act on now.
    virtual bool CanEdit(EditCommand command) const = 0;
    virtual void Edit(EditCommand command) = 0;

    // Called whenever CanEdit's answers may have changed; one watcher at a
    // time (the menu bar, while the control has the focus). An empty
    // function stops the watching.
    void WatchEditState(std::function<void()> watcher) { watcher_ = std::move(watcher); }

  protected:
    void EditStateChanged() const {
        if (watcher_) {
            watcher_();
        }
    }

  private:
    std::function<void()> watcher_;
};

}  // namespace orvel
