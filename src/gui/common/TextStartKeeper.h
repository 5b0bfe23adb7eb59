#pragma once

#include <QObject>

namespace targello {

// Installed on the application: every one-line text box that is not being
// edited shows the beginning of its text. Qt leaves the caret, and with it
// the view, at the end of a text that was set or typed, so a long product
// name or picture path would show only its end.
class TextStartKeeper : public QObject {
    Q_OBJECT
public:
    explicit TextStartKeeper(QObject* parent = nullptr) : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace targello
