#pragma once

// A control that the Edit menu's commands can act on while it has the focus.

namespace orvel {

enum class EditCommand { Undo, Cut, Copy, Paste, Clear, SelectAll };

class EditTarget {
  public:
    virtual ~EditTarget() = default;
    // Whether the command has something to act on now.
    virtual bool CanEdit(EditCommand command) const = 0;
    virtual void Edit(EditCommand command) = 0;
};

}  // namespace orvel
