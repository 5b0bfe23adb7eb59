#pragma once

#include <QImage>
#include <QWidget>

namespace targello {

// An item's picture as a live control: the picture stretched to the box,
// the hand cursor, and a double-click that asks for another picture. A
// single click does nothing. From the keyboard it is a Tab stop of its own,
// marked while it has the focus, where Enter or Space asks for a picture.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

    // What a double-click does: asks for another picture.
    void requestPicture() { emit doubleClicked(); }

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QImage picture_;
};

} // namespace targello
