#pragma once

#include <QLabel>

namespace targello {

// The 50 × 50 sample of the texture on a black frame. Its tooltip names the
// texture's file; a double-click (or Enter while it has the focus) asks for
// another texture.
class TextureSwatch : public QLabel {
    Q_OBJECT
public:
    static constexpr int Size = 50;

    explicit TextureSwatch(QWidget* parent = nullptr);

    void showSwatch(const QImage& swatch);

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace targello
