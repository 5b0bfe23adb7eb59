#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

class QLabel;

namespace targello {

class UpDown;

// A 50 × 70 thumbnail beside up and down arrows: the page layout and the
// colour scheme pickers.
class ThumbnailPicker : public QWidget {
    Q_OBJECT
public:
    using Painter = std::function<QPixmap(int position)>;

    ThumbnailPicker(int count, Painter painter, QWidget* parent = nullptr);

    QLabel* image() const { return image_; }
    UpDown* upDown() const { return upDown_; }
    int position() const;
    // Moves the arrows without emitting clicked, and draws the thumbnail.
    void setPosition(int position);
    // Draws the thumbnail of the current position.
    void showThumbnail();

    // The focus mark: a band in the highlight colour around thumbnail and
    // arrows while the arrows have the focus.
    static constexpr int FocusBand = 3;

signals:
    void clicked(int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Painter painter_;
    QLabel* image_;
    UpDown* upDown_;
};

} // namespace targello
