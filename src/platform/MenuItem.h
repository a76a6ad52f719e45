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

    bool AutoEnable() const { return autoEnable_; }
    void SetAutoEnable(bool autoEnable) { autoEnable_ = autoEnable; }

    const std::optional<QString>& KeyboardShortcut() const { return shortcutText_; }
    void SetKeyboardShortcut(const QString& shortcut);

    // Adds an entry to this entry's submenu, making the submenu if needed.
    void Append(MenuItem* entry);

  private:
    bool autoEnable_ = false;
    std::optional<QString> shortcutText_;
};

}  // namespace orvel
