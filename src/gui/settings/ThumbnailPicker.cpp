#include "gui/settings/ThumbnailPicker.h"

#include "gui/settings/Thumbnails.h"
#include "gui/settings/UpDown.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

namespace targello {

ThumbnailPicker::ThumbnailPicker(int count, Painter painter, QWidget* parent)
    : QWidget(parent), painter_(std::move(painter)) {
    image_ = new QLabel(this);
    image_->setFixedSize(Thumbnails::Width, Thumbnails::Height);
    upDown_ = new UpDown(0, count - 1, this);
    auto* layout = new QHBoxLayout(this);
    // Room for the focus mark all round.
    layout->setContentsMargins(FocusBand + 1, FocusBand + 1, FocusBand + 1, FocusBand + 1);
    layout->setSpacing(2);
    layout->addWidget(image_);
    layout->addWidget(upDown_);
    layout->addStretch();
    setFocusProxy(upDown_);
    upDown_->installEventFilter(this);
    connect(upDown_, &UpDown::clicked, this, &ThumbnailPicker::clicked);
    showThumbnail();
}

int ThumbnailPicker::position() const {
    return upDown_->position();
}

void ThumbnailPicker::setPosition(int position) {
    upDown_->setPosition(position);
    showThumbnail();
}

void ThumbnailPicker::showThumbnail() {
    image_->setPixmap(painter_(upDown_->position()));
}

bool ThumbnailPicker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == upDown_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        update();
    return QWidget::eventFilter(watched, event);
}

void ThumbnailPicker::paintEvent(QPaintEvent*) {
    if (!upDown_->hasFocus())
        return;
    // The arrows alone are too small to carry a mark one can see: the whole
    // picker is framed, at least as plainly as a focused push button.
    QPainter painter(this);
    const QRect content = childrenRect().adjusted(-FocusBand, -FocusBand, FocusBand, FocusBand);
    painter.setPen(
        QPen(palette().color(QPalette::Highlight), FocusBand, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const int half = FocusBand / 2;
    painter.drawRect(content.adjusted(half, half, -half - 1, -half - 1));
}

} // namespace targello
