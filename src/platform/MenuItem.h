// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One entry of the menu bar: a menu, a command or a separator ("-"), with
// its name, its text ("&" before the mnemonic letter), its keyboard shortcut
// and AutoEnable (the entry is enabled only while it has something to act
// on). The shortcut text is kept as given: "not set" (no value) is told
// apart from the empty text.

#include <QAction>
#include <optional>

namespace orvel {

class MenuItem : public QAction {
  public:
    explicit MenuItem(const QString& name, QObject* parent = nullptr);

    // The entry's text as given; a separator keeps "-" here but shows a
    // plain line (a style such as Fusion would draw its text beside it).
    const QString& Text() const { return text_; }
    void SetText(const QString& text);
    void SetSeparator();

    bool AutoEnable() const { return autoEnable_; }
    void SetAutoEnable(bool autoEnable) { autoEnable_ = autoEnable; }

    const std::optional<QString>& KeyboardShortcut() const { return shortcutText_; }
    void SetKeyboardShortcut(const QString& shortcut);

    // Adds an entry to this entry's submenu, making the submenu if needed.
    void Append(MenuItem* entry);

  private:
    QString text_;
    bool autoEnable_ = false;
    std::optional<QString> shortcutText_;
};

}  // namespace orvel
