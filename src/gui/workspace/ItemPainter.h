#pragma once

#include <QFlags>
#include <QImage>
#include <QPoint>

class QPainter;
class QWidget;

namespace targello {

class ItemLayout;
struct ShopItem;

// Paints an item the way its controls look, for the items that have no live
// controls: the picture, the three labels and the three boxes with their texts.
class ItemPainter {
public:
    enum Part { Labels = 1, Picture = 2, LineBoxes = 4, DescriptionBox = 8 };
    Q_DECLARE_FLAGS(Parts, Part)

    ItemPainter(QPainter& painter, const QWidget& canvas, const ItemLayout& layout);

    void paint(const ShopItem& item, const QImage& picture, QPoint cell, Parts parts);

private:
    void label(int control, QPoint cell);
    void lineBox(const QRect& box, const QString& text);
    void textBox(const QRect& box, const QString& text);
    void frame(const QRect& box, bool multiLine);

    QPainter& painter_;
    const QWidget& canvas_;
    const ItemLayout& layout_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(ItemPainter::Parts)

} // namespace targello
