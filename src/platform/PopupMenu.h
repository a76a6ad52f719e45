// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A drop-down choice of items. InitialValue gives the items as one text,
// separated by CR LF. Change is raised when another item is selected after
// the events are bound.

#include <QComboBox>

#include "platform/Control.h"

namespace orvel {

class PopupMenu : public QComboBox, public Control {
  public:
    PopupMenu(Window& window, std::int64_t index = kNoIndex);

    // The selected item, 0 first; -1 when there are no items.
    int ListIndex() const { return currentIndex(); }
    void SetListIndex(int index) { setCurrentIndex(index); }
    QString Item(int index) const { return itemText(index); }
    int ItemCount() const { return count(); }

    std::function<void(PopupMenu&)> Change;

  protected:
    bool ApplyOwn(const Property& property) override;
    QString KindName() const override { return "PopupMenu"; }
};

}  // namespace orvel
