#include "gui/settings/ActivationWatch.h"

#include <QEvent>
#include <QWidget>

namespace targello {

ActivationWatch::ActivationWatch(QWidget* window) : QObject(window) {
    window->installEventFilter(this);
}

bool ActivationWatch::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate && openDialogs_ > 0) {
        returning_ = true;
    } else if (event->type() == QEvent::WindowActivate) {
        if (returning_)
            returning_ = false;
        else
            emit activated();
    }
    return false;
}

} // namespace targello
