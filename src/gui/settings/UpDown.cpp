#include "gui/settings/UpDown.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

namespace targello {

UpDown::UpDown(int minimum, int maximum, QWidget* parent)
    : QWidget(parent), minimum_(minimum), maximum_(maximum), position_(minimum) {
    up_ = new QToolButton(this);
    up_->setArrowType(Qt::UpArrow);
    down_ = new QToolButton(this);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* arrow : {up_, down_}) {
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setFixedSize(17, 34);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(up_);
    layout->addWidget(down_);
    setFocusPolicy(Qt::StrongFocus);
    connect(up_, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(down_, &QToolButton::clicked, this, &UpDown::stepDown);
    updateArrows();
}

void UpDown::setPosition(int position) {
    const int next = std::clamp(position, minimum_, maximum_);
    if (next == position_)
        return;
    position_ = next;
    updateArrows();
    tellReaders();
}

void UpDown::stepUp() {
    step(1);
}

void UpDown::stepDown() {
    step(-1);
}

void UpDown::setAccessibleNames(const QString& control, const QString& up, const QString& down) {
    setAccessibleName(control);
    up_->setAccessibleName(up);
    up_->setToolTip(up);
    down_->setAccessibleName(down);
    down_->setToolTip(down);
}

void UpDown::step(int delta) {
    const int next = std::clamp(position_ + delta, minimum_, maximum_);
    if (next == position_)
        return;
    position_ = next;
    updateArrows();
    tellReaders();
    emit clicked(position_);
}

void UpDown::tellReaders() {
    QAccessibleValueChangeEvent changed(this, position_);
    QAccessible::updateAccessibility(&changed);
}

void UpDown::updateArrows() {
    up_->setEnabled(position_ < maximum_);
    down_->setEnabled(position_ > minimum_);
}

void UpDown::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right:
        stepUp();
        break;
    case Qt::Key_Down:
    case Qt::Key_Left:
        stepDown();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void UpDown::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta == 0)
        return QWidget::wheelEvent(event);
    step(delta > 0 ? 1 : -1);
    event->accept();
}

void UpDown::paintEvent(QPaintEvent*) {
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

} // namespace targello
