// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MenuItem.h"

#include <QMenu>

namespace orvel {

MenuItem::MenuItem(const QString& name, QObject* parent) : QAction(parent) {
    setObjectName(name);
}

void MenuItem::SetText(const QString& text) {
    text_ = text;
    setText(isSeparator() ? QString() : text);
}

void MenuItem::SetSeparator() {
    setSeparator(true);
    setText(QString());
}

void MenuItem::SetKeyboardShortcut(const QString& shortcut) {
    shortcutText_ = shortcut;
    setShortcut(QKeySequence(shortcut, QKeySequence::PortableText));
}

void MenuItem::Append(MenuItem* entry) {
    if (menu() == nullptr) {
        auto* submenu = new QMenu(text());
        // The submenu lives as long as its entry.
        connect(this, &QObject::destroyed, submenu, &QObject::deleteLater);
        setMenu(submenu);
    }
    entry->setParent(menu());
    menu()->addAction(entry);
}

}  // namespace orvel
