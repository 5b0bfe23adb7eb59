#include "gui/common/TextStartKeeper.h"

#include <QFocusEvent>
#include <QLineEdit>

namespace targello {

namespace {

// The box has the focus of its window, whether or not that window is the
// active one (a list's box has it through the list).
bool beingEdited(const QLineEdit* edit) {
    const QWidget* focus = edit->window()->focusWidget();
    return focus != nullptr && (focus == edit || focus->focusProxy() == edit || edit->focusProxy() == focus);
}

void showStart(QLineEdit* edit) {
    if (!beingEdited(edit) && edit->cursorPosition() != 0)
        edit->setCursorPosition(0);
}

// A popup (the box's own context menu) or another window taking the focus
// leaves the user in the middle of an edit.
bool leftTheBox(const QFocusEvent& event) {
    return event.reason() != Qt::PopupFocusReason && event.reason() != Qt::ActiveWindowFocusReason;
}

} // namespace

bool TextStartKeeper::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::Polish && type != QEvent::FocusOut)
        return QObject::eventFilter(watched, event);
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit == nullptr)
        return QObject::eventFilter(watched, event);
    if (type == QEvent::Polish) {
        // Once per box, before it is first shown: text set by code from now on.
        connect(edit, &QLineEdit::textChanged, edit, [edit] { showStart(edit); });
        showStart(edit);
    } else if (leftTheBox(*static_cast<QFocusEvent*>(event))) {
        // The box deselects its text afterwards, which leaves the caret here.
        edit->setCursorPosition(0);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace targello
