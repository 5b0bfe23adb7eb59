#pragma once

#include <QImage>
#include <QWidget>

namespace targello {

// An item's picture as a live control: the picture stretched to the box,
// the hand cursor, and a double-click that asks for another picture. A
// single click does nothing.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage picture_;
};

} // namespace targello
