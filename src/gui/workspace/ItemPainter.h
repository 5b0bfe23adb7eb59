#pragma once

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
    ItemPainter(QPainter& painter, const QWidget& canvas, const ItemLayout& layout);

    void paint(const ShopItem& item, const QImage& picture, QPoint cell);

private:
    void label(int control, QPoint cell);
    void lineBox(const QRect& box, const QString& text);
    void textBox(const QRect& box, const QString& text);
    void frame(const QRect& box);

    QPainter& painter_;
    const QWidget& canvas_;
    const ItemLayout& layout_;
};

} // namespace targello
