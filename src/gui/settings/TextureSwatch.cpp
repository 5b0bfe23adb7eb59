#include "gui/settings/TextureSwatch.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace targello {

TextureSwatch::TextureSwatch(QWidget* parent) : QLabel(parent) {
    setFixedSize(Size + 4, Size + 4);
    setFrameShape(QFrame::Box);
    setLineWidth(2);
    // The black frame turns the highlight colour while the swatch has the focus.
    setStyleSheet(QStringLiteral("QLabel { border: 2px solid black; background: white; }"
                                 "QLabel:focus { border: 2px solid palette(highlight); }"));
    setFocusPolicy(Qt::StrongFocus);
}

void TextureSwatch::showSwatch(const QImage& swatch) {
    setPixmap(QPixmap::fromImage(swatch));
}

void TextureSwatch::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

void TextureSwatch::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)
        emit doubleClicked();
    else
        QLabel::keyPressEvent(event);
}

} // namespace targello
