#pragma once

#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

namespace targello {

// Presses "Anuluj" on the progress dialog of a run as soon as the run's
// event loop turns, as a user would, once.
class AnulujPresser {
public:
    explicit AnulujPresser(QWidget* window) {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this, window] {
            auto* progress = window->findChild<QProgressDialog*>(QStringLiteral("PostepGenerowania"));
            if (progress == nullptr || pressed_)
                return;
            for (auto* button : progress->findChildren<QPushButton*>())
                if (button->text() == QStringLiteral("Anuluj")) {
                    button->click();
                    pressed_ = true;
                }
        });
        timer_.start();
    }

    bool pressed() const { return pressed_; }

private:
    QTimer timer_;
    bool pressed_ = false;
};

} // namespace targello
