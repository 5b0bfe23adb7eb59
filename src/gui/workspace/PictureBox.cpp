#include "gui/workspace/PictureBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace targello {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PictureBox"));
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Tab reaches the picture; a click leaves the focus where it is, as a
    // single click does nothing else either.
    setFocusPolicy(Qt::TabFocus);
}

void PictureBox::setPicture(const QImage& picture) {
    if (picture.cacheKey() == picture_.cacheKey())
        return;
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (picture_.isNull() || picture_.hasAlphaChannel())
        painter.fillRect(rect(), Qt::white);
    painter.drawImage(rect(), picture_);
    if (!hasFocus())
        return;
    // A picture has no frame of its own: the focus shows as a band in the
    // highlight colour, plainly visible on any picture, and the style's mark.
    painter.setPen(QPen(palette().color(QPalette::Highlight), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(4, 4, -4, -4);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    event->accept();
    emit doubleClicked();
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            event->accept();
            emit doubleClicked();
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

} // namespace targello
