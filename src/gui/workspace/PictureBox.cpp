#include "gui/workspace/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace targello {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PictureBox"));
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
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
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    event->accept();
    emit doubleClicked();
}

} // namespace targello
