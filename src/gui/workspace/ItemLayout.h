#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>

namespace targello {

// Everything an item shows: the three editable boxes, the picture and the
// three fixed labels.
enum class ItemControl {
    Picture,
    DescriptionLabel,
    DescriptionBox,
    NameLabel,
    NameBox,
    PriceLabel,
    PriceBox
};

// Where each control of an item sits, relative to the top-left corner of the
// item's grid cell. The painted items and the live editors take their places
// from here, so a row looks the same whichever of the two shows it.
class ItemLayout {
public:
    static constexpr int PictureWidth = 133;
    static constexpr int PictureHeight = 94;
    static constexpr int DescriptionWidth = 145;
    static constexpr int DescriptionHeight = 80;
    static constexpr int LineBoxWidth = 121;

    explicit ItemLayout(const QFont& font);

    QRect rect(ItemControl control, QPoint cell) const;
    int lineBoxHeight() const { return lineBoxHeight_; }

    static const char* labelText(ItemControl label);

private:
    int lineBoxHeight_;
    QSize nameLabel_;
    QSize descriptionLabel_;
    QSize priceLabel_;
};

} // namespace targello
