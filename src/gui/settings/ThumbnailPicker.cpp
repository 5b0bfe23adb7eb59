#include "gui/settings/ThumbnailPicker.h"

#include "gui/settings/Thumbnails.h"
#include "gui/settings/UpDown.h"

#include <QHBoxLayout>
#include <QLabel>

namespace targello {

ThumbnailPicker::ThumbnailPicker(int count, Painter painter, QWidget* parent)
    : QWidget(parent), painter_(std::move(painter)) {
    image_ = new QLabel(this);
    image_->setFixedSize(Thumbnails::Width, Thumbnails::Height);
    upDown_ = new UpDown(0, count - 1, this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(image_);
    layout->addWidget(upDown_);
    layout->addStretch();
    setFocusProxy(upDown_);
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

} // namespace targello
