#pragma once

#include <QWidget>

class QToolButton;

namespace targello {

// A pair of arrows that step a position within a range, without wrapping
// from one end to the other. The arrows, the Up and Down keys and the mouse
// wheel step it; the arrow that would leave the range is disabled.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(int minimum, int maximum, QWidget* parent = nullptr);

    int position() const { return position_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    // Moves to `position`, brought into range, without emitting clicked.
    void setPosition(int position);
    // As a click on the arrows: one step up or down.
    void stepUp();
    void stepDown();
    // Names for screen readers of the whole control and its two arrows.
    void setAccessibleNames(const QString& control, const QString& up, const QString& down);

signals:
    // The user moved the position with an arrow.
    void clicked(int position);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void step(int delta);
    void updateArrows();
    // A screen reader hears the new position.
    void tellReaders();

    int minimum_;
    int maximum_;
    int position_;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace targello
