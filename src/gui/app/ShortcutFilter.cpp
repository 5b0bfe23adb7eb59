#include "gui/app/ShortcutFilter.h"

#include <QKeyEvent>

namespace targello {

ShortcutFilter::ShortcutFilter(QList<QKeySequence> shortcuts, QObject* parent)
    : QObject(parent), shortcuts_(std::move(shortcuts)) {}

bool ShortcutFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    if (!shortcuts_.contains(pressed))
        return QObject::eventFilter(watched, event);
    // Leaving the override unaccepted lets the menu's shortcut fire.
    event->ignore();
    return true;
}

} // namespace targello
