#pragma once

#include <QObject>

class QWidget;

namespace targello {

// Reports when a settings window becomes the active window because the user
// turned to it, which reloads it. Coming back from one of the window's own
// message boxes, file or colour dialogs does not count: it would throw away
// the edits the dialog was opened for.
class ActivationWatch : public QObject {
    Q_OBJECT
public:
    explicit ActivationWatch(QWidget* window);

    // Marks the window's own dialog for as long as it lives.
    class OwnDialog {
    public:
        explicit OwnDialog(ActivationWatch& watch) : watch_(watch) { ++watch_.openDialogs_; }
        ~OwnDialog() { --watch_.openDialogs_; }
        OwnDialog(const OwnDialog&) = delete;
        OwnDialog& operator=(const OwnDialog&) = delete;

    private:
        ActivationWatch& watch_;
    };

signals:
    void activated();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int openDialogs_ = 0;
    bool returning_ = false;
};

} // namespace targello
